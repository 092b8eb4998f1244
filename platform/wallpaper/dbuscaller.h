#pragma once
// Method calls on the session bus, given from outside so that tests record
// the messages and send nothing.

#include <QDBusMessage>
#include <QString>

namespace platform {

class DBusCaller {
public:
    virtual ~DBusCaller() = default;
    // Sends the call and waits for the reply. Empty when the call was
    // answered; else what went wrong, in one line.
    virtual QString call(const QDBusMessage& message) = 0;
};

// The user's session bus.
class SessionBusCaller final : public DBusCaller {
public:
    explicit SessionBusCaller(int timeoutMs = 10000)
        : timeoutMs_(timeoutMs) {}
    QString call(const QDBusMessage& message) override;

private:
    int timeoutMs_;
};

} // namespace platform

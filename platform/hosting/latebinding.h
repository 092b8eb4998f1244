#pragma once
// Using a control late-bound, by member name, as a host does: properties,
// methods and events are found through the control's QMetaObject.
//
// Run-time errors: a control's setter or method raises vb::RuntimeError;
// these helpers hand it to the caller unchanged. They call the control's
// own meta-call function directly on this thread (no queued or
// cross-thread call, no QMetaObject::invokeMethod or QObject::setProperty
// in between), so the exception travels only through code compiled with
// exceptions: the control's moc-generated dispatch and the helper.
//
//   * an unknown member raises 438 "Object doesn't support this property or
//     method"; assigning a read-only property raises 438 too;
//   * an argument or value that cannot be converted to the member's type
//     raises 13 (or 6 for a number out of range), see valueconversion.h;
//   * a wrong number of arguments raises 450.
//
// Member names are matched exactly first, then without regard to case, as
// the language does ("caption" finds Caption).

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>

namespace platform {

inline constexpr int WrongNumberOfArguments = 450;

QVariant getProperty(QObject* control, const QString& name);
void setProperty(QObject* control, const QString& name, const QVariant& value);

// The default member (dispatch id 0): assigning the control itself.
void setValue(QObject* control, const QVariant& value);

QVariant callMethodWith(QObject* control, const QString& name, const QVariantList& arguments);
template <typename... Args>
QVariant callMethod(QObject* control, const QString& name, Args&&... arguments) {
    return callMethodWith(control, name,
                          QVariantList{QVariant::fromValue(std::forward<Args>(arguments))...});
}

// An event handler: the event's arguments, in order. Arguments the event
// passes by reference (Cancel, URL, Button, ...) are written back from the
// list when the handler returns, so a handler may change them.
using EventHandler = std::function<void(QVariantList& arguments)>;

// Connects a handler to the event (signal) of that name, for as long as the
// returned connection object lives, the control lives and context (if
// given) lives. Raises 438 when the control has no such event.
class EventConnection;
std::unique_ptr<EventConnection> connectEvent(QObject* control, const QString& eventName,
                                              EventHandler handler, QObject* context = nullptr);

class EventConnection : public QObject {
public:
    ~EventConnection() override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    friend std::unique_ptr<EventConnection> connectEvent(QObject*, const QString&, EventHandler,
                                                         QObject*);
    EventConnection(QObject* control, QMetaMethod signal, EventHandler handler);
    void deliver(void** arguments);

    QMetaMethod signal_;
    EventHandler handler_;
    QMetaObject::Connection connection_;
};

} // namespace platform

#pragma once
// The clipboard as the designer uses it: empty it, put plain text on it.

#include <QString>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

// The system clipboard through QGuiApplication.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};

} // namespace platform

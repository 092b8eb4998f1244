#pragma once
// The clipboard as the designer uses it: empty it, put plain text or a
// picture on it. None reports anything: a clipboard that cannot be taken
// stays as it is.

#include <QImage>
#include <QString>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setImage(const QImage& image) = 0;
};

// The system clipboard (not the X11 primary selection) through
// QGuiApplication; without a running GUI application there is none and
// nothing happens.
//
// On X11 the text stays with the program that copied it until the program
// ends. Qt's xcb platform then hands it to the desktop's clipboard manager
// (the owner of CLIPBOARD_MANAGER, asked with SAVE_TARGETS) while the
// QGuiApplication is destroyed, waiting up to a few seconds for the manager
// to take it. So the copied text outlives the program only when it ends by
// leaving the event loop and destroying its application object, never by
// exit() or a signal.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    // Offered as image/png (and the other image types Qt offers) on X11.
    void setImage(const QImage& image) override;
};

} // namespace platform

#pragma once
// The context menu of the preview box: opened by the right button on the
// box, or by the Menu key or Shift+F10 anywhere in the window. Its items come
// from whoever owns the operations; each may say when it is enabled, which
// is asked again every time the menu opens.

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace platform {
class PictureBox;
}

namespace designer {

struct PreviewMenuParts {
    platform::PictureBox& Picture2;
    QWidget& window; // where the keys open the menu
};

class PreviewMenu : public QObject {
    Q_OBJECT
public:
    explicit PreviewMenu(PreviewMenuParts parts);
    ~PreviewMenu() override;

    // An item at the end of the menu; `enabled` (none: always) is asked each
    // time the menu opens.
    QAction* addItem(const QString& text, std::function<void()> run,
                     std::function<bool()> enabled = {});
    void addSeparator();

    QMenu& menu() { return *menu_; }
    // Opens the menu at a point of the preview box (its own coordinates).
    void popupAt(const QPoint& inPreview);

private:
    void updateItems();

    PreviewMenuParts p_;
    QMenu* menu_;
    std::vector<std::pair<QAction*, std::function<bool()>>> enabledWhen_;
};

} // namespace designer

#include "window/previewmenu.h"

#include "picturebox/picturebox.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace designer {

PreviewMenu::PreviewMenu(PreviewMenuParts parts)
    : p_(parts)
    , menu_(new QMenu(&parts.Picture2)) {
    menu_->setObjectName(QStringLiteral("PreviewMenu"));
    connect(menu_, &QMenu::aboutToShow, this, [this] { updateItems(); });

    // The right button opens it where it is released over the box.
    connect(&p_.Picture2, &platform::PictureBox::mouseUp, this,
            [this](short button, short, float x, float y) {
                if (button != 2)
                    return;
                const double perPixel = p_.Picture2.twipsPerPixel();
                const int border = p_.Picture2.borderWidth();
                popupAt(QPoint(int(x / perPixel) + border, int(y / perPixel) + border));
            });

    // From the keyboard the menu opens over the middle of the preview.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, &p_.window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this] { popupAt(p_.Picture2.rect().center()); });
    }
}

PreviewMenu::~PreviewMenu() = default;

QAction* PreviewMenu::addItem(const QString& text, std::function<void()> run,
                              std::function<bool()> enabled) {
    QAction* action = menu_->addAction(text);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    if (enabled)
        enabledWhen_.emplace_back(action, std::move(enabled));
    return action;
}

void PreviewMenu::addSeparator() {
    menu_->addSeparator();
}

void PreviewMenu::popupAt(const QPoint& inPreview) {
    menu_->popup(p_.Picture2.mapToGlobal(inPreview));
}

void PreviewMenu::updateItems() {
    for (const auto& [action, enabled] : enabledWhen_)
        action->setEnabled(enabled());
}

} // namespace designer

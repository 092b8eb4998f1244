#include "services/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

ButtonSet buttonsFor(int style) {
    switch (style & 7) {
    case msgbox::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case msgbox::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case msgbox::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    default:
        return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
    case msgbox::Critical:
        return QMessageBox::Critical;
    case msgbox::Question:
        return QMessageBox::Question;
    case msgbox::Exclamation:
        return QMessageBox::Warning;
    case msgbox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerCode(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return msgbox::Yes;
    case QMessageBox::No:
        return msgbox::No;
    case QMessageBox::Cancel:
        return msgbox::Cancel;
    default:
        return msgbox::Ok;
    }
}

} // namespace

int QtMessageBoxService::show(const QString& prompt, int style, const QString& title) {
    const ButtonSet set = buttonsFor(style);
    QMessageBox box(iconFor(style), title, prompt, set.buttons, parent_);
    // The prompt is shown as it is: a style name with markup in it, or two
    // blanks in a row, must not turn into formatting.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.defaultButton);
    // Closing the box by its frame answers as the system does: Cancel where
    // there is one, otherwise No for a question, otherwise OK.
    if (set.buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (set.buttons & QMessageBox::No)
        box.setEscapeButton(QMessageBox::No);
    else
        box.setEscapeButton(QMessageBox::Ok);
    const int pressed = box.exec();
    return answerCode(pressed);
}

} // namespace platform

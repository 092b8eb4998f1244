#include "window/codeexport.h"

#include "services/clipboard.h"
#include "services/messagebox.h"
#include "window/focuspass.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

namespace designer {

QString syntaxErrorPrompt() {
    return QStringLiteral("Please insert the name of your object to which you want to allot this "
                          "function to him. ") +
           QStringLiteral("\r\n") + QStringLiteral("\r\n") + QStringLiteral("Ex: MyControl") +
           QStringLiteral(" or Form.MyControl");
}

QString sourceViewText(const QTextEdit* view) {
    QString text = view->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

CodeExportHandlers::CodeExportHandlers(CodeExportControls controls)
    : c_(controls) {}

void CodeExportHandlers::connectControls() {
    c_.txtObjName->installEventFilter(this);
    c_.txtFunction->installEventFilter(this);
}

void CodeExportHandlers::cmdCopy_Click() {
    if (c_.txtObjName->text().isEmpty()) {
        askForObjectName();
        return;
    }
    c_.clipboard.clear();
    c_.clipboard.setText(c_.txtFunction->text() + QStringLiteral(" '") + c_.styleName->text());
}

void CodeExportHandlers::Command4_Click() {
    c_.clipboard.clear();
    c_.clipboard.setText(sourceViewText(c_.Text2));
}

void CodeExportHandlers::txtObjName_LostFocus() {
    if (c_.txtObjName->text().isEmpty())
        askForObjectName();
}

void CodeExportHandlers::txtFunction_GotFocus(Qt::FocusReason reason) {
    passFocusOn(c_.txtFunction, reason);
}

void CodeExportHandlers::txtFunction_LostFocus() {
    enableAfterFocusChange(c_.txtFunction);
}

void CodeExportHandlers::askForObjectName() {
    // The box takes the focus while it is shown; that is no leaving of the
    // field and asks nothing more.
    if (asking_)
        return;
    asking_ = true;
    c_.messageBoxes.show(syntaxErrorPrompt(), platform::msgbox::OkOnly | platform::msgbox::Critical,
                         kSyntaxErrorTitle);
    asking_ = false;
    c_.txtObjName->setFocus(Qt::OtherFocusReason);
}

bool CodeExportHandlers::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    const bool focusOut = event->type() == QEvent::FocusOut;
    if (!focusIn && !focusOut)
        return QObject::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (watched == c_.txtFunction) {
        if (focusIn)
            txtFunction_GotFocus(reason);
        else
            txtFunction_LostFocus();
    } else if (watched == c_.txtObjName && focusOut && reason != Qt::ActiveWindowFocusReason &&
               reason != Qt::PopupFocusReason) {
        // The user left the field for another control of the window (not
        // for another window or a menu). The box waits until the focus has
        // arrived where the user sent it, and only while it stays away.
        QTimer::singleShot(0, this, [this] {
            if (c_.txtObjName->window()->focusWidget() != c_.txtObjName)
                txtObjName_LostFocus();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace designer

#pragma once
// The export corner of the main window: the target object name, the
// statement box, the source view and the two buttons that put the statement
// and the procedure source on the clipboard. The object name is never left
// empty without the user being told.

#include <QObject>
#include <QString>

class QLineEdit;
class QTextEdit;

namespace platform {
class Clipboard;
class MessageBoxService;
} // namespace platform

namespace designer {

// What the export corner works on, and nothing more.
struct CodeExportControls {
    QLineEdit* txtObjName;
    QLineEdit* txtFunction;
    QTextEdit* Text2;
    QLineEdit* styleName; // the edit field of the style list
    platform::MessageBoxService& messageBoxes;
    platform::Clipboard& clipboard;
};

// The prompt and title of the box about an empty object name (OK with the
// stop icon).
QString syntaxErrorPrompt();
inline const QString kSyntaxErrorTitle = QStringLiteral("Syntax Error");

// The source view's text as the user's development environment takes it:
// its lines joined by CR LF, without formatting.
QString sourceViewText(const QTextEdit* view);

class CodeExportHandlers : public QObject {
public:
    explicit CodeExportHandlers(CodeExportControls controls);

    // Watches the focus of the object name and of the statement box.
    void connectControls();

    // "Copy": the statement, " '" and the style name, as one line.
    void cmdCopy_Click();
    // " Copy Function": the procedure source as the source view shows it.
    void Command4_Click();
    void txtObjName_LostFocus();
    void txtFunction_GotFocus(Qt::FocusReason reason);
    void txtFunction_LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The box of an empty object name, then the focus back into the field.
    void askForObjectName();

    CodeExportControls c_;
    bool asking_ = false;
};

} // namespace designer

// The real message box, shown modally and answered as a user answers it:
// what it shows is the prompt as written.

#include "services/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace platform;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void thePromptIsPlainText() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtMessageBoxService boxes(&window);
        const QString prompt =
            QStringLiteral("Do you like really delete this Style:  '<b>Bold</b>  x'");

        Qt::TextFormat format = Qt::AutoText;
        QString labelText;
        bool answered = false;
        // Once the box is up: read it, then press No.
        std::function<void()> answer = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(10, answer);
                return;
            }
            format = box->textFormat();
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                labelText = label->text();
                format = label->textFormat();
            }
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            answered = true;
        };
        QTimer::singleShot(0, answer);
        const int code =
            boxes.show(prompt, msgbox::YesNo | msgbox::Question, QStringLiteral("Info"));

        QVERIFY(answered);
        QCOMPARE(code, msgbox::No);
        QCOMPARE(format, Qt::PlainText);
        // Tags and both blanks are there, as typed.
        QCOMPARE(labelText, prompt);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "messagebox_test.moc"

// The copy buttons through the real X11 clipboard: another program (xclip)
// reads what the designer put there, as the user's development environment
// would paste it, also after the designer has ended where a clipboard
// manager runs. Runs under Xvfb on Qt's xcb platform.

#include "services/clipboard.h"
#include "window/tests/windowfixture.h"
#include "window/tests/x11tools.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using designer::test::clickThroughServer;
using designer::test::pastedElsewhere;
using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

// A click through the X server, as the user's hand gives it: the program
// takes the clipboard with the time of that click.
bool clickCentre(QWidget* widget) {
    return clickThroughServer(widget->mapToGlobal(widget->rect().center()));
}

// Puts text on the clipboard from another program, which keeps it there.
// Returns once the text can be read back: xclip asks for the selection and
// forks, and the first process may end before the server has seen the
// request. Without the wait a read could find no owner yet, or the late
// request could take the clipboard from the designer after its copy.
void copiedElsewhere(const QByteArray& text) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-i"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    QVERIFY(xclip.waitForStarted(5000));
    xclip.write(text);
    xclip.closeWriteChannel();
    // xclip forks and stays as the owner; the first process ends at once.
    QVERIFY(xclip.waitForFinished(5000));
    QVERIFY2(QTest::qWaitFor([&] { return pastedElsewhere() == text; }, 10000),
             "the other program's text never reached the clipboard");
}

const QByteArray kSunsetLine =
    "Ombrelo Picture1, 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3 'Sunset";
const char* const kCopyThenEnd = "--copy-then-end";

// The child program: copies the statement, then ends as the designer's
// "Exit" does, by leaving the event loop and returning from main, which
// destroys the application object.
int copyThenEnd() {
    platform::SystemClipboard clipboard;
    WindowFixture f;
    f.useClipboard(clipboard);
    f.writeProfile(sunsetSection());
    f.start();
    if (!clickCentre(f.child<QWidget>("cmdCopy")))
        return 2;
    QTimer::singleShot(0, [] { QApplication::exit(0); });
    return QApplication::exec();
}

// Runs the child program to its end; its exit code, or -1.
int runCopyThenEnd() {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kCopyThenEnd)});
    if (!child.waitForFinished(30000))
        return -1;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

QByteArray shippedProcedureSource() {
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Function Ombrelo.fnc"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CodeExportX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void anotherProgramPastesTheCopiedLine();
    void anotherProgramPastesTheSourceAsShipped();
    void theCopiedLineOutlivesTheDesignerWithAClipboardManager();
};

void CodeExportX11Test::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    for (const char* tool : {"xclip", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 "installed by scripts/setup.sh");
}

void CodeExportX11Test::anotherProgramPastesTheCopiedLine() {
    platform::SystemClipboard clipboard;
    WindowFixture f;
    f.useClipboard(clipboard);
    f.writeProfile(sunsetSection());
    f.start();
    copiedElsewhere("older text from another program");

    QVERIFY(clickCentre(f.child<QWidget>("cmdCopy")));
    QCOMPARE(
        pastedElsewhere(),
        QByteArray("Ombrelo Picture1, 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3 'Sunset"));

    // With the object name empty the clipboard stays as it was.
    f.edit("txtObjName")->clear();
    QVERIFY(clickCentre(f.child<QWidget>("cmdCopy")));
    QCOMPARE(f.boxes.shown().last().title, QStringLiteral("Syntax Error"));
    QCOMPARE(
        pastedElsewhere(),
        QByteArray("Ombrelo Picture1, 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3 'Sunset"));
}

void CodeExportX11Test::anotherProgramPastesTheSourceAsShipped() {
    const QByteArray shipped = shippedProcedureSource();
    QVERIFY(shipped.contains("\r\nPublic Sub Ombrelo("));
    platform::SystemClipboard clipboard;
    WindowFixture f;
    f.useClipboard(clipboard);
    f.writeProcedureSource(shipped);
    f.start();
    copiedElsewhere("older text from another program");

    QVERIFY(clickCentre(f.child<QWidget>("Command4")));
    QCOMPARE(pastedElsewhere(), shipped);
}

void CodeExportX11Test::theCopiedLineOutlivesTheDesignerWithAClipboardManager() {
    // Without a clipboard manager the text ends with the program that
    // copied it.
    QCOMPARE(runCopyThenEnd(), 0);
    QCOMPARE(pastedElsewhere(), QByteArray());

    QProcess keeper;
    keeper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/clipboard_keeper"));
    QVERIFY(keeper.waitForStarted(5000));
    QVERIFY(QTest::qWaitFor([&] { return keeper.canReadLine(); }, 5000));
    QCOMPARE(keeper.readLine(), QByteArray("ready\n"));

    QCOMPARE(runCopyThenEnd(), 0);
    const QByteArray pasted = pastedElsewhere();
    keeper.kill();
    keeper.waitForFinished(5000);
    QCOMPARE(pasted, kSunsetLine);
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], kCopyThenEnd) == 0)
        return copyThenEnd();
    CodeExportX11Test test;
    return QTest::qExec(&test, argc, argv);
}
#include "codeexport_x11_test.moc"

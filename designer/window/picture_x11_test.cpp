// "Copy Picture" through the real X11 clipboard: another program (xclip)
// reads the picture as image/png, as an image editor would paste it. Runs
// under Xvfb on Qt's xcb platform; the clicks come through the X server
// (xdotool), as the user's hand gives them.

#include "picture/statementpicture.h"
#include "services/clipboard.h"
#include "window/preview.h"
#include "window/tests/windowfixture.h"
#include "window/tests/x11tools.h"
#include "window/wallpaper.h"

#include <QAction>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>

using designer::test::clickThroughServer;
using designer::test::pastedElsewhere;
using designer::test::WindowFixture;

class PictureX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void anotherProgramPastesTheCopiedPicture();
};

void PictureX11Test::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    for (const char* tool : {"xclip", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 "installed by scripts/setup.sh");
}

void PictureX11Test::anotherProgramPastesTheCopiedPicture() {
    platform::SystemClipboard clipboard;
    WindowFixture f;
    f.useClipboard(clipboard);
    f.writeProfile(designer::test::sunsetSection());
    f.start();

    QWidget* preview = f.child<QWidget>("Picture2");
    QVERIFY(clickThroughServer(preview->mapToGlobal(preview->rect().center()), 3));
    QMenu* menu = f.child<QMenu>("PreviewMenu");
    QVERIFY(menu);
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
    QAction* copy = menu->actions().value(1);
    QVERIFY(copy);
    QCOMPARE(copy->text(), QStringLiteral("Copy Picture"));
    QVERIFY(clickThroughServer(menu->mapToGlobal(menu->actionGeometry(copy).center()), 1));
    QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 5000));

    const QImage pasted =
        QImage::fromData(pastedElsewhere(QStringLiteral("image/png"), 30000), "PNG");
    const QSize screen = designer::screenGeometryOf(f.window()).devicePixels();
    QCOMPARE(pasted.size(), screen);
    const std::optional<designer::StatementValues> values = f.window().preview().statementValues();
    QVERIFY(values);
    QVERIFY(pasted.convertToFormat(QImage::Format_RGB32) ==
            designer::paintStatementPicture(*values, screen));
}

QTEST_MAIN(PictureX11Test)
#include "picture_x11_test.moc"

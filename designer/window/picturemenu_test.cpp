// The preview's context menu driven as the user drives it: opened with the
// right button and from the keyboard, "Save Picture As…" answered through the
// scripted dialog, the file read back and set beside what ombrelo-render
// paints for the twelve values of the statement the window shows.

#include "logic/savedstatement.h"
#include "picture/statementpicture.h"
#include "picturebox/picturebox.h"
#include "window/picturecommands.h"
#include "window/preview.h"
#include "window/tests/windowfixture.h"
#include "window/wallpaper.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using designer::test::WindowFixture;

namespace {

QMenu* previewMenu(WindowFixture& f) {
    return f.child<QMenu>("PreviewMenu");
}

// Opens the menu with the right button and clicks the item.
void chooseFromMenu(WindowFixture& f, const QString& item) {
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QTest::mouseClick(preview, Qt::RightButton, {}, preview->rect().center());
    QMenu* menu = previewMenu(f);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == item)
            chosen = action;
    QVERIFY2(chosen, qPrintable(item));
    QVERIFY(chosen->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 5000));
}

// The arguments of ombrelo-render for the statement the window shows:
// "Ombrelo O, R, ..., O.ScaleHeight, ..." gives "R ... h ...".
QStringList twelveValuesOf(const QString& statement) {
    QStringList parts = statement.split(QStringLiteral(", "));
    parts.removeFirst(); // "Ombrelo O"
    if (parts.size() == 12 && parts[6].endsWith(QStringLiteral(".ScaleHeight")))
        parts[6] = QStringLiteral("h");
    return parts;
}

// What ombrelo-render paints for those values at that size.
QImage rendered(const QStringList& values, QSize size, const QString& file) {
    QProcess render;
    render.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ombrelo-render"),
                 QStringList{QStringLiteral("--size"),
                             QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                             QStringLiteral("-o"), file}
                     << values);
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// Dusk: red into violet with a line pattern and divisors, manual stop.
const QByteArray kDusk =
    designer::test::styleSection(QStringLiteral("Dusk"), 400, 10, 300, 0, 150, 1200, 25, false,
                                 QStringLiteral("Me"), 3, 2, 1, 3);

} // namespace

class PictureMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theRightButtonAndTheKeysOpenTheMenu();
    void savedPicturesAreWhatTheRenderProgramPaints_data();
    void savedPicturesAreWhatTheRenderProgramPaints();
    void theDialogOffersTheScreenAndTheLastFolder();
    void aFailedWriteIsToldAndLeavesNoFile();
    void copyPutsThePictureOfTheScreensSizeOnTheClipboard();
    void aSavedStyleReadsAsTheWindowLoadsIt_data();
    void aSavedStyleReadsAsTheWindowLoadsIt();
};

void PictureMenuTest::theRightButtonAndTheKeysOpenTheMenu() {
    WindowFixture f;
    f.writeProfile(kDusk);
    f.start();
    f.boxes.clearShown(); // the controls that the fixture does not create
    auto* preview = f.child<platform::PictureBox>("Picture2");
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(10, 10));
    QMenu* menu = previewMenu(f);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text();
    // The editor's undo and redo follow, after a separator.
    QCOMPARE(items, (QStringList{QStringLiteral("Save Picture As…"), QStringLiteral("Copy Picture"),
                                 QString(), QStringLiteral("Undo"), QStringLiteral("Redo")}));
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 5000));

    // From the keyboard, wherever the focus is in the window.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers{}},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
        f.edit("txtObjName")->setFocus();
        QTest::keyClick(f.window().focusWidget(), key, modifiers);
        QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 5000));
    }
    QVERIFY(f.fileDialogs.asked().isEmpty());
}

void PictureMenuTest::savedPicturesAreWhatTheRenderProgramPaints_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("manualStop");
    QTest::newRow("small, manual") << QSize(64, 48) << true;
    QTest::newRow("small, height") << QSize(64, 48) << false;
    QTest::newRow("2560x1440, manual") << QSize(2560, 1440) << true;
    QTest::newRow("2560x1440, height") << QSize(2560, 1440) << false;
}

void PictureMenuTest::savedPicturesAreWhatTheRenderProgramPaints() {
    QFETCH(QSize, size);
    QFETCH(bool, manualStop);
    QTemporaryDir dir;
    WindowFixture f;
    f.writeProfile(kDusk);
    f.start();
    f.boxes.clearShown(); // the controls that the fixture does not create
    QTest::mouseClick(f.child<QRadioButton>(manualStop ? "OptStop_1" : "OptStop_0"),
                      Qt::LeftButton);
    const QString statement = f.edit("txtFunction")->text();
    QCOMPARE(statement.contains(QStringLiteral(".ScaleHeight")), !manualStop);

    const QString saved = dir.filePath(QStringLiteral("dusk.png"));
    f.fileDialogs.queueAnswer({saved, size});
    chooseFromMenu(f, QStringLiteral("Save Picture As…"));
    QVERIFY(f.boxes.shown().isEmpty());
    const QImage picture = QImage(saved).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), size);
    const QImage expected =
        rendered(twelveValuesOf(statement), size, dir.filePath(QStringLiteral("render.png")));
    QVERIFY(!expected.isNull());
    QVERIFY(picture == expected);
}

void PictureMenuTest::theDialogOffersTheScreenAndTheLastFolder() {
    QTemporaryDir dir;
    WindowFixture f;
    f.writeProfile(kDusk);
    f.start();
    f.boxes.clearShown(); // the controls that the fixture does not create
    f.fileDialogs.queueAnswer({dir.filePath(QStringLiteral("first")), QSize(5, 5)});
    chooseFromMenu(f, QStringLiteral("Save Picture As…"));
    f.fileDialogs.queueCancel();
    chooseFromMenu(f, QStringLiteral("Save Picture As…"));

    QCOMPARE(f.fileDialogs.asked().size(), 2);
    const platform::SavePictureQuestion& first = f.fileDialogs.asked().first();
    QCOMPARE(first.size, designer::screenGeometryOf(f.window()).devicePixels());
    QCOMPARE(first.maximumSide, 16384);
    QCOMPARE(first.sizeNote, QStringLiteral("16384 x 16384 takes 1 GiB of memory"));
    // A name without an extension is saved as PNG; the next save offers its
    // folder.
    QVERIFY(QImage(dir.filePath(QStringLiteral("first.png")), "PNG").size() == QSize(5, 5));
    QCOMPARE(QDir(f.fileDialogs.asked().last().folder), QDir(dir.path()));
    QVERIFY(f.boxes.shown().isEmpty());
}

void PictureMenuTest::aFailedWriteIsToldAndLeavesNoFile() {
    QTemporaryDir dir;
    WindowFixture f;
    f.writeProfile(kDusk);
    f.start();
    f.boxes.clearShown(); // the controls that the fixture does not create
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/dusk.png"));
    // A folder standing where the file would go: nothing can replace it.
    const QString taken = dir.filePath(QStringLiteral("taken.bmp"));
    QVERIFY(QDir().mkpath(taken));
    for (const QString& path : {missing, taken}) {
        f.boxes.clearShown();
        f.fileDialogs.queueAnswer({path, QSize(32, 32)});
        chooseFromMenu(f, QStringLiteral("Save Picture As…"));
        QCOMPARE(f.boxes.shown().size(), 1);
        QCOMPARE(f.boxes.shown().first().title, QStringLiteral("Save Picture As"));
        QVERIFY2(f.boxes.shown().first().prompt.contains(path),
                 qPrintable(f.boxes.shown().first().prompt));
    }
    QVERIFY(!QFile::exists(missing));
    QVERIFY(QFileInfo(taken).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void PictureMenuTest::copyPutsThePictureOfTheScreensSizeOnTheClipboard() {
    QTemporaryDir dir;
    WindowFixture f;
    f.writeProfile(kDusk);
    f.start();
    f.boxes.clearShown(); // the controls that the fixture does not create
    chooseFromMenu(f, QStringLiteral("Copy Picture"));
    const QSize screen = designer::screenGeometryOf(f.window()).devicePixels();
    QCOMPARE(f.clipboard.image().size(), screen);
    const QImage expected = rendered(twelveValuesOf(f.edit("txtFunction")->text()), screen,
                                     dir.filePath(QStringLiteral("render.png")));
    QVERIFY(f.clipboard.image().convertToFormat(QImage::Format_RGB32) == expected);
    QVERIFY(f.fileDialogs.asked().isEmpty());
}

void PictureMenuTest::aSavedStyleReadsAsTheWindowLoadsIt_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::newRow("whole") << kDusk;
    QTest::newRow("sparse") << QByteArray("[Bare]\r\nSliderValueR=200\r\nSliderValueN=90\r\n");
    QTest::newRow("odd") << QByteArray("[Odd]\r\nMoreXR=x\r\nMoreXG=-3\r\nMoreXB=99\r\n"
                                       "ModLine=abc\r\nOptValue0=0\r\nOptValue1=1\r\n"
                                       "SliderValueStop=20000\r\nSliderValueBand=2\r\n"
                                       "SliderValueG=600\r\nSliderValueN=30\r\n");
}

// What ombrelo-render --style reads is what the window shows after loading
// the style at its start: the same picture.
void PictureMenuTest::aSavedStyleReadsAsTheWindowLoadsIt() {
    QFETCH(QByteArray, section);
    WindowFixture f;
    f.writeProfile(section);
    f.start();
    const QString name = QString::fromLatin1(section.mid(1, section.indexOf(']') - 1));
    const designer::SavedStatement saved = designer::readSavedStatement(f.profilePath(), name);
    QVERIFY2(saved.values, qPrintable(saved.problem));
    const std::optional<designer::StatementValues> shown = f.window().preview().statementValues();
    QVERIFY(shown);
    QCOMPARE(saved.values->stopFromHeight, shown->stopFromHeight);
    for (const QSize size : {QSize(40, 300), QSize(30, 1000)})
        QVERIFY(designer::paintStatementPicture(*saved.values, size) ==
                designer::paintStatementPicture(*shown, size));
}

QTEST_MAIN(PictureMenuTest)
#include "picturemenu_test.moc"

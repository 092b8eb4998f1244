// The link label as a host uses it: created by ProgID from the controls
// folder, driven late-bound and with the mouse, opening through a recording
// opener so that nothing is ever launched.

#include "hosting/controlhost.h"
#include "hosting/controlsite.h"
#include "hosting/latebinding.h"
#include "hosting/libraryinfo.h"
#include "hosting/propertybag.h"
#include "hosting/typeinfo.h"
#include "services/screenpointer.h"
#include "services/tests/scripted.h"
#include "services/urlopener.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace platform;

namespace {

const QString kProgId = QStringLiteral("Pembrast.URLLink");
const QStringList kKeys = {"Text",    "URL",       "ShowToolTip",  "Alignment",
                           "Enabled", "ForeColor", "EnabledTimer", "AutoSize"};
constexpr vb::OleColor kBlue = 0xFF0000;
// Comfortably more than a few ticks of the control's timers.
constexpr int kSettleMs = 120;

QVariant get(QWidget* control, const char* name) {
    return getProperty(control, QString::fromLatin1(name));
}
void set(QWidget* control, const char* name, const QVariant& value) {
    setProperty(control, QString::fromLatin1(name), value);
}
QLabel* labelOf(QWidget* control) {
    return control->findChild<QLabel*>(QStringLiteral("lblURL"));
}
int errorOf(const std::function<void()>& call) {
    return vb::errorRaisedBy(call);
}

} // namespace

class URLLinkTest : public QObject {
    Q_OBJECT

    QTemporaryDir registryDir_;
    ControlHost host_{ControlRegistry(registryDir_.filePath(QStringLiteral("registry"))),
                      {QStringLiteral(LINKLABEL_CONTROLS_DIR)}};
    ScriptedMessageBoxes boxes_;
    std::unique_ptr<StandardControlSite> siteInUse_;
    RecordingUrlOpener opener_;
    std::unique_ptr<ScopedUrlOpener> openerInUse_;
    std::unique_ptr<QWidget> window_;

    // A control placed on a shown window, as the designer places its link.
    QWidget* place(PropertyBag* stored = nullptr) {
        QWidget* control = host_.place(kProgId, window_.get(), siteInUse_.get(), stored);
        control->move(10, 10);
        control->show();
        return control;
    }
    StandardControlSite& site() { return *siteInUse_; }
    void parkCursorAway() { QCursor::setPos(window_->mapToGlobal(QPoint(390, 290))); }
    void press(QWidget* control, Qt::MouseButton button) {
        QTest::mousePress(labelOf(control), button, {}, QPoint(2, 2));
        QTest::mouseRelease(labelOf(control), button, {}, QPoint(2, 2));
    }

private slots:
    void init() {
        openerInUse_ = std::make_unique<ScopedUrlOpener>(opener_);
        opener_.clear();
        opener_.succeed();
        boxes_.clearShown();
        siteInUse_ = std::make_unique<StandardControlSite>(boxes_);
        setScreenPointer(pointer::Default);
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(50, 50, 400, 300);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        parkCursorAway();
    }
    void cleanup() {
        window_.reset();
        openerInUse_.reset();
        setScreenPointer(pointer::Default);
    }

    void libraryDescribesItselfAndItsInterface() {
        const LibraryInfoResult library = readLibraryInfo(host_.locate(kProgId));
        QCOMPARE(library.status, LibraryInfoStatus::Ok);
        QCOMPARE(library.info.typeLibrary, QStringLiteral("Pembrast"));
        QCOMPARE(library.info.helpString,
                 QStringLiteral("Brantel : Open Internet Link With Default Browser"));
        QCOMPARE(library.info.version, QStringLiteral(OMBRELO_LINKLABEL_VERSION));
        const ControlClassInfo* cls = library.info.findClass(kProgId);
        QVERIFY(cls);
        QVERIFY(!QPixmap(library.info.toolboxBitmapPath(*cls)).isNull());

        QWidget* control = place();
        const TypeInfo type(control->metaObject());
        QStringList names;
        for (const MemberInfo& member : type.members()) {
            names.append(member.name);
            QVERIFY2(!member.help.isEmpty(), qPrintable(member.name));
        }
        QCOMPARE(names, kKeys);
        QCOMPARE(type.dispid(QStringLiteral("Text")), std::optional<int>(-517));
        QCOMPARE(type.browseFirst(), QStringLiteral("URL"));
        QCOMPARE(type.help(QStringLiteral("URL")),
                 QStringLiteral("URL loaded when mouse is clicked over text. May also be a data "
                                "file that has an extension registered by an application on your "
                                "system."));
        QCOMPARE(type.events().size(), 1);
        QCOMPARE(type.events().first().name, QStringLiteral("GoToURL"));
        QCOMPARE(type.dispid(QStringLiteral("GoToURL")), std::optional<int>(1));
    }

    void newControlIsSetUp() {
        QWidget* control = place();
        QCOMPARE(control->size(), QSize(85, 16));
        QCOMPARE(get(control, "Text").toString(), QStringLiteral("Click Here"));
        const QUrl placeholder(get(control, "URL").toString());
        QCOMPARE(placeholder.scheme(), QStringLiteral("http"));
        QVERIFY(placeholder.host().endsWith(QStringLiteral(".invalid")));
        QCOMPARE(get(control, "ShowToolTip").toBool(), false);
        QCOMPARE(get(control, "EnabledTimer").toBool(), true);
        QCOMPARE(labelOf(control)->toolTip(), QString());
        // Nothing differs from the defaults, so saving stores nothing.
        QVERIFY(saveControl(control).isEmpty());
    }

    void leftPressOpensOnPressUnderTheHourglass() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("www.example.invalid/docs"));
        QTest::mousePress(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(opener_.addresses(), QStringList{QStringLiteral("www.example.invalid/docs")});
        QCOMPARE(opener_.opened().first().screenPointer, pointer::Hourglass);
        QCOMPARE(screenPointer(), pointer::Default);
        QVERIFY(!QGuiApplication::overrideCursor());
        QTest::mouseRelease(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(opener_.opened().size(), 1);
    }

    void otherButtonsOpenNothingAndResetThePointer() {
        QWidget* control = place();
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            setScreenPointer(pointer::Hourglass);
            QVERIFY(QGuiApplication::overrideCursor());
            press(control, button);
            QCOMPARE(screenPointer(), pointer::Default);
            QVERIFY(!QGuiApplication::overrideCursor());
        }
        QVERIFY(opener_.opened().isEmpty());
    }

    void handlerMayReplaceTheAddressForThisPressOnly() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://old.invalid/"));
        QString seen;
        auto handler = connectEvent(control, QStringLiteral("GoToURL"), [&](QVariantList& args) {
            seen = args[0].toString();
            args[0] = QStringLiteral("/tmp/notes/read me.txt");
        });
        press(control, Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("http://old.invalid/"));
        QCOMPARE(opener_.addresses(), QStringList{QStringLiteral("/tmp/notes/read me.txt")});
        QCOMPARE(get(control, "URL").toString(), QStringLiteral("http://old.invalid/"));
        // A document path becomes a file URL; anything else is not a file.
        QCOMPARE(openableUrl(QStringLiteral("/tmp/notes/read me.txt")),
                 QUrl::fromLocalFile(QStringLiteral("/tmp/notes/read me.txt")));
        QCOMPARE(openableUrl(QStringLiteral("www.example.invalid")).scheme(),
                 QStringLiteral("http"));
        QCOMPARE(openableUrl(QStringLiteral("readme.txt")).scheme(), QStringLiteral("http"));
    }

    void cancelOpensNothingAndLeavesThePointer() {
        QWidget* control = place();
        auto handler = connectEvent(control, QStringLiteral("GoToURL"),
                                    [](QVariantList& args) { args[1] = true; });
        setScreenPointer(pointer::Hourglass);
        press(control, Qt::LeftButton);
        QVERIFY(opener_.opened().isEmpty());
        QCOMPARE(screenPointer(), pointer::Hourglass);
        QVERIFY(boxes_.shown().isEmpty());
    }

    void failureToOpenIsShownAndThePointerReturns() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://x.invalid/"));
        opener_.failWith(vb::RuntimeError(53, "File not found"));
        press(control, Qt::LeftButton);
        QCOMPARE(boxes_.shown().size(), 1);
        QCOMPARE(boxes_.shown().first().prompt,
                 QStringLiteral("Unable to load 'http://x.invalid/' : File not found (Error 53)"));
        QCOMPARE(boxes_.shown().first().style, msgbox::OkOnly);
        QCOMPARE(screenPointer(), pointer::Default);
    }

    void noHandlerForTheAddressIsSaid() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://x.invalid/"));
        QStringList handedOver;
        DesktopUrlOpener desktop([&handedOver](const QUrl& url) {
            handedOver.append(url.toString());
            return false; // as when no desktop opener is installed
        });
        ScopedUrlOpener noHandler(desktop);
        press(control, Qt::LeftButton);
        QCOMPARE(handedOver, QStringList{QStringLiteral("http://x.invalid/")});
        QCOMPARE(boxes_.shown().size(), 1);
        QCOMPARE(boxes_.shown().first().prompt,
                 QStringLiteral("Unable to load 'http://x.invalid/' : No application is set up "
                                "to open this address (Error 5)"));
        QCOMPARE(screenPointer(), pointer::Default);
    }

    void aDoubleClickOpensOnce() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://x.invalid/twice"));
        // What the window system delivers for a double-click: press,
        // release, double-click, release. The second press is the
        // double-click, not a new press.
        const auto doubleClick = [&] {
            QTest::mousePress(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseDClick(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(labelOf(control), Qt::LeftButton, {}, QPoint(2, 2));
        };
        doubleClick();
        QCOMPARE(opener_.addresses(), QStringList{QStringLiteral("http://x.invalid/twice")});
        QCOMPARE(screenPointer(), pointer::Default);
        doubleClick();
        QCOMPARE(opener_.opened().size(), 2);
        // A right double-click is two right presses: nothing opens.
        QTest::mouseDClick(labelOf(control), Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(labelOf(control), Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(opener_.opened().size(), 2);
    }

    void aRelativeAddressOfAnExistingFileOpensThatFile() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("notes")));
        for (const char* name : {"readme.txt", "notes/read me.txt"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(previousFolder); });
        QList<QUrl> handedOver;
        DesktopUrlOpener desktop([&handedOver](const QUrl& url) {
            handedOver.append(url);
            return true;
        });
        ScopedUrlOpener recording(desktop);

        QWidget* control = place();
        for (const char* address : {"readme.txt", "notes/read me.txt", "missing.txt"}) {
            set(control, "URL", QString::fromLatin1(address));
            press(control, Qt::LeftButton);
        }
        const QString here = QDir(folder.path()).canonicalPath();
        QCOMPARE(handedOver.size(), 3);
        QCOMPARE(QFileInfo(handedOver[0].toLocalFile()).canonicalFilePath(),
                 here + QStringLiteral("/readme.txt"));
        QCOMPARE(QFileInfo(handedOver[1].toLocalFile()).canonicalFilePath(),
                 here + QStringLiteral("/notes/read me.txt"));
        // A name that is no file here is an address, as before.
        QCOMPARE(handedOver[2], QUrl(QStringLiteral("http://missing.txt")));
        QVERIFY(boxes_.shown().isEmpty());
    }

    void theTextIsPlainText() {
        QWidget* control = place();
        const QString text = QStringLiteral("<b>Home</b> page");
        set(control, "Text", text);
        QLabel* label = labelOf(control);
        QCOMPARE(get(control, "Text").toString(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        // The tags are painted as characters, in the label sized for them:
        // the ink reaches past where "Home page" alone would end.
        const QFontMetrics metrics(control->font());
        QCOMPARE(label->width(), metrics.horizontalAdvance(text));
        const QImage shown = label->grab().toImage();
        const QRgb background = shown.pixel(shown.width() - 1, 0);
        int inkRight = -1;
        for (int x = 0; x < shown.width(); ++x)
            for (int y = 0; y < shown.height(); ++y)
                if (shown.pixel(x, y) != background)
                    inkRight = x;
        QVERIFY2(inkRight > metrics.horizontalAdvance(QStringLiteral("Home page")),
                 qPrintable(QString::number(inkRight)));
    }

    void theKeyboardReachesAndOpensTheLink() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://x.invalid/keys"));
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
        // The focus shows: the control paints a frame it has not without it.
        const QImage focused = control->grab().toImage();
        control->clearFocus();
        QVERIFY(control->grab().toImage() != focused);
        control->setFocus(Qt::TabFocusReason);

        QTest::keyClick(control, Qt::Key_Space);
        QTest::keyClick(control, Qt::Key_Return);
        QCOMPARE(opener_.addresses(), (QStringList{QStringLiteral("http://x.invalid/keys"),
                                                   QStringLiteral("http://x.invalid/keys")}));
        // A cancelling GoToURL handler is asked first, as for the mouse.
        auto cancel = connectEvent(control, QStringLiteral("GoToURL"),
                                   [](QVariantList& args) { args[1] = true; });
        QTest::keyClick(control, Qt::Key_Enter);
        QCOMPARE(opener_.opened().size(), 2);
    }

    void disabledTextOpensNothing() {
        QWidget* control = place();
        set(control, "Enabled", false);
        QCOMPARE(get(control, "Enabled").toBool(), false);
        press(control, Qt::LeftButton);
        QVERIFY(opener_.opened().isEmpty());
    }

    void toolTipFollowsUrlAndShowToolTip() {
        QWidget* control = place();
        set(control, "URL", QStringLiteral("http://a.invalid/"));
        QCOMPARE(labelOf(control)->toolTip(), QString());
        set(control, "ShowToolTip", true);
        QCOMPARE(labelOf(control)->toolTip(), QStringLiteral("http://a.invalid/"));
        set(control, "URL", QStringLiteral("http://b.invalid/"));
        QCOMPARE(labelOf(control)->toolTip(), QStringLiteral("http://b.invalid/"));
        set(control, "ShowToolTip", false);
        QCOMPARE(labelOf(control)->toolTip(), QString());
    }

    void textPlacesTheLabelAndResizeRefitsIt() {
        QWidget* control = place();
        control->resize(300, 40);
        QCOMPARE(labelOf(control)->geometry(), QRect(0, 0, 300, 40));
        const QString text = QStringLiteral("Home page");
        set(control, "Text", text);
        const QFontMetrics metrics(control->font());
        QCOMPARE(labelOf(control)->geometry(),
                 QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()));
        control->resize(200, 30);
        QCOMPARE(labelOf(control)->geometry(), QRect(0, 0, 200, 30));
        // Without auto-size the control never follows its label.
        set(control, "Text", QStringLiteral("Open the home page of the designer in a browser"));
        QTest::qWait(kSettleMs);
        QCOMPARE(control->size(), QSize(200, 30));
    }

    void autoSizeGrowsTheLabelThenTheControl() {
        QWidget* control = place();
        // The fresh control is taller and wider than its text: it shrinks
        // to the text in both directions.
        set(control, "AutoSize", true);
        const QFontMetrics metrics(labelOf(control)->font());
        const QSize fitted(metrics.horizontalAdvance(QStringLiteral("Click Here")),
                           metrics.height());
        QVERIFY(fitted.width() < 85 && fitted.height() != 16);
        QTRY_COMPARE(control->size(), fitted);
        QCOMPARE(labelOf(control)->size(), fitted);
        const QSize before = control->size();
        set(control, "Text", QStringLiteral("Open the home page of the designer in a browser"));
        const QSize grown = labelOf(control)->size();
        QVERIFY(grown.width() > before.width());
        QTRY_COMPARE(control->size(), grown);
        // The control's resize refits the label to the same size.
        QTest::qWait(kSettleMs);
        QCOMPARE(labelOf(control)->size(), grown);
        QCOMPARE(control->size(), grown);
    }

    void hoverColoursTheTextBlue() {
        QWidget* control = place();
        set(control, "ForeColor", 0x00FF00u);
        QCursor::setPos(control->mapToGlobal(QPoint(3, 3)));
        QTRY_COMPARE(get(control, "ForeColor").toUInt(), kBlue);
        parkCursorAway();
        QTRY_COMPARE(get(control, "ForeColor").toUInt(), 0u);
        // Without the hover timer the colour set last stays.
        set(control, "EnabledTimer", false);
        set(control, "ForeColor", 0x00FF00u);
        QCursor::setPos(control->mapToGlobal(QPoint(3, 3)));
        QTest::qWait(kSettleMs);
        QCOMPARE(get(control, "ForeColor").toUInt(), 0x00FF00u);
    }

    void invalidAlignmentIsRefused() {
        QWidget* control = place();
        set(control, "Alignment", 2);
        QCOMPARE(labelOf(control)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(errorOf([&] { set(control, "Alignment", 3); }), 380);
        QCOMPARE(get(control, "Alignment").toInt(), 2);
    }

    void settersNotifyTheHost() {
        QWidget* control = place();
        site().clearNotifications();
        set(control, "Text", QStringLiteral("x"));
        set(control, "URL", QStringLiteral("y"));
        set(control, "ShowToolTip", true);
        set(control, "Alignment", 1);
        set(control, "Enabled", true);
        set(control, "ForeColor", 5u);
        set(control, "EnabledTimer", true);
        set(control, "AutoSize", false);
        QCOMPARE(site().changedProperties(), kKeys);
    }

    void bagRoundTrip() {
        QWidget* first = place();
        set(first, "EnabledTimer", false);
        set(first, "Text", QStringLiteral("Say \"hi\""));
        set(first, "URL", QStringLiteral("/home/me/read me.txt"));
        set(first, "ShowToolTip", true);
        set(first, "Alignment", 1);
        set(first, "Enabled", false);
        set(first, "ForeColor", 0x8000000Fu);
        set(first, "AutoSize", true);
        const PropertyBag saved = saveControl(first);
        QCOMPARE(saved.writtenKeys(), kKeys);
        QCOMPARE(saved.keys(), kKeys);

        PropertyBag stored = PropertyBag::fromText(saved.toText());
        QWidget* second = place(&stored);
        QCOMPARE(stored.readKeys(), kKeys);
        for (const QString& key : kKeys)
            QCOMPARE(getProperty(second, key), getProperty(first, key));
        QCOMPARE(labelOf(second)->toolTip(), QStringLiteral("/home/me/read me.txt"));
    }

    void emptyBagGivesTheDefaults() {
        PropertyBag empty;
        QWidget* control = place(&empty);
        QCOMPARE(empty.readKeys(), kKeys);
        QCOMPARE(get(control, "Text").toString(), QStringLiteral("Click Here"));
        QVERIFY(QUrl(get(control, "URL").toString()).host().endsWith(QStringLiteral(".invalid")));
        QCOMPARE(get(control, "ShowToolTip").toBool(), false);
        QCOMPARE(get(control, "EnabledTimer").toBool(), true);
        QCOMPARE(labelOf(control)->toolTip(), QString());
    }

    void storedAutoSizeWithoutHover() {
        PropertyBag stored;
        stored.set(QStringLiteral("AutoSize"), true);
        stored.set(QStringLiteral("EnabledTimer"), false);
        stored.set(QStringLiteral("Text"), QStringLiteral("Visit the home page"));
        QWidget* control = place(&stored);
        QCOMPARE(get(control, "AutoSize").toBool(), true);
        QCOMPARE(get(control, "EnabledTimer").toBool(), false);
        // Whatever size the host gives it, the control comes to fit its text.
        control->resize(40, 40);
        const QFontMetrics metrics(labelOf(control)->font());
        QTRY_COMPARE(control->size(),
                     QSize(metrics.horizontalAdvance(QStringLiteral("Visit the home page")),
                           metrics.height()));
    }

    void bagFailingHalfWayFallsBackToANewControl() {
        PropertyBag stored = PropertyBag::fromText(
            QStringLiteral("Text = \"Docs\"\nURL = \"http://docs.invalid/\"\nShowToolTip = True\n"
                           "Alignment = \"centre\"\nAutoSize = True\n"));
        QWidget* control = place(&stored);
        QCOMPARE(stored.readKeys(), kKeys.mid(0, 4));
        QCOMPARE(get(control, "Text").toString(), QStringLiteral("Click Here"));
        QVERIFY(QUrl(get(control, "URL").toString()).host().endsWith(QStringLiteral(".invalid")));
        QVERIFY(get(control, "URL").toString() != QStringLiteral("http://docs.invalid/"));
        QCOMPARE(get(control, "ShowToolTip").toBool(), false);
        QCOMPARE(labelOf(control)->toolTip(), QString());
        // Not read, so still as designed.
        QCOMPARE(get(control, "AutoSize").toBool(), false);
        QVERIFY(site().unhandledErrors().isEmpty());
    }
};

QTEST_MAIN(URLLinkTest)
#include "urllink_test.moc"

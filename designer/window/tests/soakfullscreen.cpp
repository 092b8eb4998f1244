// The soak's full-screen actions: the full-screen preview opened by each of
// its three inputs (sometimes again while it is open, sometimes left open
// while the user goes on in the main window) and closed by each of its ways.

#include "window/tests/soakrun.h"

#include "logic/statement.h"
#include "logic/stopheight.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "window/frmpreview.h"
#include "window/hostedcontrols.h"
#include "window/tests/useractions.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

namespace designer::test {

namespace {

// The style from 0 to the window's own height on a fresh box of its size
// and pixel ratio, cleared to the given colour first.
QImage paintedLike(FrmPreview& shown, module1::GradientStyle s,
                   std::optional<vb::OleColor> background) {
    platform::PictureBox box;
    box.setPixelRatioOverride(shown.image().devicePixelRatio());
    box.resize(shown.size());
    if (background) {
        box.setBackColor(*background);
        box.cls();
    }
    vb::Long start = 0;
    vb::Long stop = wideStopFromScaleHeight(shown.scaleHeight()).value_or(0);
    module1::OmbreloWide(box, s, start, stop, vb::True);
    return box.image();
}

// What the full-screen window must show. A window opened afresh shows the
// style alone; one painted again keeps its earlier picture wherever the new
// bands leave gaps (ModLine above 1): the pixels that two paintings over
// black and over white give differently are such gaps.
QImage fullScreenPainting(FrmPreview& shown, const module1::GradientStyle& s, const QImage& under) {
    if (under.isNull())
        return paintedLike(shown, s, std::nullopt);
    QImage overBlack = paintedLike(shown, s, vb::OleColor{0x000000});
    const QImage overWhite = paintedLike(shown, s, vb::OleColor{0xFFFFFF});
    if (overBlack.size() != under.size() || overBlack.format() != under.format())
        return overBlack;
    for (int y = 0; y < overBlack.height(); ++y)
        for (int x = 0; x < overBlack.width(); ++x)
            if (overBlack.pixel(x, y) != overWhite.pixel(x, y))
                overBlack.setPixel(x, y, under.pixel(x, y));
    return overBlack;
}

// A spot of the window outside its panel.
QPoint outsideThePanel(const FrmPreview& preview) {
    return QPoint(preview.width() / 2, preview.height() / 2);
}

} // namespace

void SoakRun::fullScreen(Outcome& o) {
    FrmPreview* before = openFullScreen();
    const QImage under = before ? before->image() : QImage();
    static const char* const ways[] = {"FullScreen Preview's frame", "FullScreen Preview",
                                       "double-click on the preview"};
    const int way = pick(3);
    if (way == 0)
        clickLeftEdge(f_.child<QWidget>("cmdFullScreen"));
    else if (way == 1)
        clickCaption(f_.window(), QStringLiteral("Velmira13"));
    else
        doubleClickCentre(f_.child<platform::PictureBox>("Picture2"));
    settle();
    o.description = QStringLiteral("open full screen by %1%2")
                        .arg(QLatin1String(ways[way]), before ? QStringLiteral(" again") : "");
    o.keepsEditor = true;
    FrmPreview* preview = openFullScreen();
    QStringList problems;
    if (!preview)
        problems << QStringLiteral("no full-screen window opened");
    else if (before && preview != before)
        problems << QStringLiteral("a second full-screen window opened");
    else {
        if (preview->image() != fullScreenPainting(*preview, f_.window().currentStyle(), under))
            problems << QStringLiteral("the full-screen window shows another gradient");
        if (preview->lblCalcultime->text() != timeText(kSoakClockStep))
            problems << QStringLiteral("full-screen time '%1'").arg(preview->lblCalcultime->text());
        if (!before && preview->panelLeft() != 120)
            problems
                << QStringLiteral("a new window's panel stands at %1").arg(preview->panelLeft());
        if (chance(0.7))
            problems += closeFullScreen(preview, o.description);
        else
            o.description += QStringLiteral(", left open");
    }
    o.extra = [problems] { return problems; };
}

void SoakRun::leaveFullScreen(Outcome& o) {
    o.keepsEditor = true;
    FrmPreview* preview = openFullScreen();
    if (!preview) {
        o.description = QStringLiteral("close full screen: none open");
        return;
    }
    o.description = QStringLiteral("close full screen");
    const QStringList problems = closeFullScreen(preview, o.description);
    o.extra = [problems] { return problems; };
}

// Closes the window by one of its ways, as the user would, and brings the
// main window back to the front.
QStringList SoakRun::closeFullScreen(FrmPreview* preview, QString& description) {
    QStringList problems;
    preview->activateWindow();
    if (!QTest::qWaitForWindowActive(preview))
        problems << QStringLiteral("the full-screen window does not become active");
    switch (pick(5)) {
    case 0:
        clickAt(preview, outsideThePanel(*preview));
        description += QStringLiteral(", closed by a click outside the panel");
        break;
    case 1:
        QTest::mouseDClick(preview, Qt::LeftButton, {}, outsideThePanel(*preview));
        description += QStringLiteral(", closed by a double-click");
        break;
    case 2:
        clickCentre(preview->cmdHide[0]);
        description += QStringLiteral(", closed by X");
        break;
    case 3:
        QTest::keyClick(preview, Qt::Key_Return);
        description += QStringLiteral(", closed by Enter");
        break;
    default: {
        const bool twice = chance(0.5);
        if (twice)
            clickCentre(preview->cmdHide[1]);
        if (!slidePanelAway(preview))
            problems << QStringLiteral("the panel's slide does not end");
        if (preview->panelLeft() != -3180 || !preview->cmdHide[0]->hasFocus())
            problems << QStringLiteral("the slide ends at %1 without the focus on X")
                            .arg(preview->panelLeft());
        QWidget* focus = preview->focusWidget();
        QTest::keyClick(focus ? focus : preview, Qt::Key_Return);
        description += twice ? QStringLiteral(", <--- twice, Enter after the slide")
                             : QStringLiteral(", <---, Enter after the slide");
    }
    }
    settle();
    if (openFullScreen())
        problems << QStringLiteral("the full-screen window stays open");
    bringMainWindowBack();
    return problems;
}

} // namespace designer::test

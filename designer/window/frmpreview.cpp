#include "window/frmpreview.h"

#include "window/accessiblenames.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace designer {

namespace {

// The panel's design position and the slide, in twips.
constexpr double kPanelLeft = 120;
constexpr double kPanelTop = 120;
constexpr double kSlideStep = 300;
constexpr double kSlideEnd = -3000;

int pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

FrmPreview::FrmPreview()
    : platform::PictureBox(nullptr) {
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    createPanel();
    connect(this, &platform::PictureBox::click, this, [this] { Form_Click(); });
    connect(this, &platform::PictureBox::dblClick, this, [this] { Form_DblClick(); });
}

void FrmPreview::createPanel() {
    Picture1 = new platform::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBorderStyle(1);
    QFont small = font();
    small.setPointSizeF(8.25);
    Picture1->setFont(small);

    for (int index = 0; index < 2; ++index) {
        auto* button = new QPushButton(Picture1);
        button->setObjectName(QStringLiteral("cmdHide_%1").arg(index));
        // Enter presses the button that has the focus, as in a dialog.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdHide_Click(index); });
        cmdHide[index] = button;
    }
    cmdHide[0]->setText(QStringLiteral("X"));
    cmdHide[0]->setToolTip(QStringLiteral("Close \"ENTER key\""));
    cmdHide[0]->setDefault(true);
    cmdHide[1]->setText(QStringLiteral("<---"));

    Label15 = new QLabel(QStringLiteral("Calcul Time :"), Picture1);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setToolTip(
        QStringLiteral("The calculation time, depending of the CPU using percentage."));
    lblCalcultime = new QLabel(QStringLiteral("00.00  Sec."), Picture1);
    lblCalcultime->setObjectName(QStringLiteral("lblCalcultime"));
    layoutPanel();

    // A request for the fastest ticks the platform gives.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    cmdHide[0]->setFocus();
    nameFullScreenControls(*this, cmdHide[0], cmdHide[1], Picture1);
}

// The design positions, in twips of the screen the window is on.
void FrmPreview::layoutPanel() {
    place(Picture1, panelLeft_, kPanelTop, 3015, 310);
    place(cmdHide[0], 0, 0, 255, 255);
    place(cmdHide[1], 2520, 0, 440, 255);
    place(Label15, 360, 30, 1125, 195);
    place(lblCalcultime, 1560, 30, 825, 195);
}

void FrmPreview::showEvent(QShowEvent* event) {
    platform::PictureBox::showEvent(event);
    layoutPanel();
}

// Controls on the panel are placed inside its border, as in any container.
void FrmPreview::place(QWidget* control, double left, double top, double width, double height) {
    const double twipsPerPixel = this->twipsPerPixel();
    const int inset = control->parentWidget() == Picture1 ? Picture1->borderWidth() : 0;
    control->setGeometry(inset + pixels(left, twipsPerPixel), inset + pixels(top, twipsPerPixel),
                         pixels(width, twipsPerPixel), pixels(height, twipsPerPixel));
}

void FrmPreview::movePanel() {
    Picture1->move(pixels(panelLeft_, twipsPerPixel()), pixels(kPanelTop, twipsPerPixel()));
}

void FrmPreview::cmdHide_Click(int index) {
    if (index == 0)
        close();
    else if (index == 1 && !Timer1->isActive())
        Timer1->start();
}

void FrmPreview::Timer1_Timer() {
    panelLeft_ -= kSlideStep;
    movePanel();
    if (panelLeft_ < kSlideEnd) {
        Timer1->stop();
        cmdHide[0]->setFocus();
    }
}

void FrmPreview::Form_Click() {
    close();
}

void FrmPreview::Form_DblClick() {
    close();
}

void FrmPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdHide[0]->click();
        return;
    }
    platform::PictureBox::keyPressEvent(event);
}

} // namespace designer

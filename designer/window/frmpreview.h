#pragma once
// The full-screen preview: a frameless window over a whole screen that is
// itself the picture box the gradient is painted on (scale units twips), with
// a small panel in its top-left corner showing the drawing time, a close
// button and a button that slides the panel out of view. A click anywhere
// outside the panel closes the window; closing it deletes it, so every
// opening starts from the design values.

#include "picturebox/picturebox.h"

class QLabel;
class QPushButton;
class QTimer;

namespace designer {

class FrmPreview : public platform::PictureBox {
    Q_OBJECT
public:
    // Created without a parent: it is a main window of its own, so the
    // program ends only once it is closed too.
    FrmPreview();

    // "X" (index 0) closes the window; "<---" (index 1) starts the slide.
    void cmdHide_Click(int index);
    // One step of the slide: 300 twips to the left; past -3000 the slide
    // stops and the focus goes to "X", so that Enter still closes.
    void Timer1_Timer();
    void Form_Click();
    void Form_DblClick();

    // The panel's left edge in twips.
    double panelLeft() const { return panelLeft_; }

    platform::PictureBox* Picture1 = nullptr;
    QPushButton* cmdHide[2] = {nullptr, nullptr};
    QLabel* Label15 = nullptr;
    QLabel* lblCalcultime = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    // Enter presses the default button, "X", unless a button that has the
    // focus takes it.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPanel();
    void layoutPanel();
    // Places a control at a design position in twips, inside its container.
    void place(QWidget* control, double left, double top, double width, double height);
    void movePanel();

    double panelLeft_ = 120;
};

} // namespace designer

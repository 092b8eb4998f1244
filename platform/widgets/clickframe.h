#pragma once
// A toolbar-style button frame that holds one child (a caption control or a
// picture button) and reports clicks. It only frames and clicks: it draws a
// raised edge that lights up under the mouse and sinks while pressed.
//
// A click is a left press and release inside the frame. Clicks on the child
// go to the child, not to the frame; the window decides what each forwards.
//
// The keyboard: a frame whose child takes no focus of its own (a caption)
// is a Tab stop itself, shows the focus with a highlighted edge, and reports
// Space (on release) and Enter as activatedByKey(): a press of the button
// as a whole, which the window sends where a click on the caption goes. A
// child that takes the focus itself (a tool button) keeps the keyboard, and
// the frame shows its focus the same way; a button child is pressed by Enter
// as well as by Space.

#include <QFrame>

namespace platform {

class ClickFrame : public QFrame {
    Q_OBJECT
public:
    explicit ClickFrame(QWidget* parent = nullptr);

    // Places the child inside the frame, filling it less the frame's edge.
    void setContent(QWidget* content);
    QWidget* content() const { return content_; }

signals:
    void clicked();
    void activatedByKey();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateLook();
    void placeContent();

    QWidget* content_ = nullptr;
    bool hovered_ = false;
    bool pressed_ = false;
    bool keyPressed_ = false;
};

} // namespace platform

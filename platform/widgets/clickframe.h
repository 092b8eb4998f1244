#pragma once
// A toolbar-style button frame that holds one child (a caption control or a
// picture button) and reports clicks. It only frames and clicks: it draws a
// raised edge that lights up under the mouse and sinks while pressed.
//
// A click is a left press and release inside the frame. Clicks on the child
// go to the child, not to the frame; the window decides what each forwards.

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
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
};

} // namespace platform

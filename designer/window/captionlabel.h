#pragma once
// The plain label that stands where a fade-text caption or a link label
// goes: shown when the control cannot be created, and clickable like the
// caption it replaces, so that every button keeps working.

#include <QLabel>

namespace designer {

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace designer

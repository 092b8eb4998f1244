#pragma once
// A small filled circle of one colour (a shape control used as a lamp).

#include <QColor>
#include <QWidget>

namespace platform {

class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_ = Qt::white;
};

} // namespace platform

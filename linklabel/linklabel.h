#pragma once
// The link label's caption label: a QLabel that keeps its state the way the
// link control reads it back: an OLE_COLOR text colour (system colours
// included), an alignment number (0 left, 1 right, 2 centre), an auto-size
// flag that fits the label to its caption, and the button of each press
// (a double-click's second press is not one). The caption is plain text.

#include "core/vb.h"

#include <QLabel>
#include <QSize>
#include <QString>

class QFont;

namespace linklabel {

// Width and height of a text in a font, in pixels: the widest line by the
// number of lines (an empty text is one line high).
QSize textExtent(const QFont& font, const QString& text);

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    vb::OleColor foreColor() const { return foreColor_; }
    void setForeColor(vb::OleColor colour);

    // Raises 380 "Invalid property value" for anything but 0, 1 and 2.
    vb::Integer textAlignment() const { return textAlignment_; }
    void setTextAlignment(vb::Integer alignment);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

signals:
    // A mouse button went down on the label: 1 left, 2 right, 4 middle.
    void pressed(int button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToCaption();

    vb::OleColor foreColor_ = 0;
    vb::Integer textAlignment_ = 0;
    bool autoSize_ = false;
};

} // namespace linklabel

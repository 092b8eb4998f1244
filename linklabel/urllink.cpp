#include "urllink.h"

#include "hosting/fontrecord.h"
#include "hosting/propertybag.h"
#include "linklabel.h"
#include "services/messagebox.h"
#include "services/screenpointer.h"
#include "services/urlopener.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace linklabel {

namespace {

const QString kTitle = QStringLiteral("Pembrast");
constexpr int kLeftButton = 1;
constexpr vb::OleColor kHoverColour = 0xFF0000; // blue
constexpr vb::OleColor kPlainColour = 0;        // black
// A fresh control: 1275 x 240 twips; the label before it is fitted: 615 x 255.
constexpr QSize kFreshControlSize(85, 16);
constexpr QSize kDesignLabelSize(41, 17);

QFont controlFont() {
    return platform::FontRecord::named(QStringLiteral("MS Sans Serif"), 8.25).toQFont();
}

QFont labelFont() {
    QFont font = controlFont();
    font.setUnderline(true);
    return font;
}

namespace key {
const QString Text = QStringLiteral("Text");
const QString Url = QStringLiteral("URL");
const QString ShowToolTip = QStringLiteral("ShowToolTip");
const QString Alignment = QStringLiteral("Alignment");
const QString Enabled = QStringLiteral("Enabled");
const QString ForeColor = QStringLiteral("ForeColor");
const QString EnabledTimer = QStringLiteral("EnabledTimer");
const QString AutoSize = QStringLiteral("AutoSize");
} // namespace key

} // namespace

URLLink::URLLink(QWidget* parent)
    : QWidget(parent)
    , lblURL_(new LinkLabel(this)) {
    setFont(controlFont());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    resize(kFreshControlSize);

    lblURL_->setObjectName(QStringLiteral("lblURL"));
    lblURL_->setFont(labelFont());
    lblURL_->setCursor(Qt::PointingHandCursor);
    lblURL_->setCaption(QStringLiteral("Label1"));
    lblURL_->setGeometry(QRect(QPoint(0, 0), kDesignLabelSize));
    fitLabelToControl();
    connect(lblURL_, &LinkLabel::pressed, this, &URLLink::labelPressed);

    hoverTimer_.setObjectName(QStringLiteral("Timer1"));
    hoverTimer_.setInterval(kPollIntervalMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &URLLink::colourForHover);
    hoverTimer_.start();
    fitTimer_.setObjectName(QStringLiteral("Timer2"));
    fitTimer_.setInterval(kPollIntervalMs);
    connect(&fitTimer_, &QTimer::timeout, this, &URLLink::fitToLabel);
    fitTimer_.start();
}

// ---------------------------------------------------------------- properties

QString URLLink::text() const {
    return lblURL_->caption();
}

void URLLink::setText(const QString& text) {
    lblURL_->setCaption(text);
    // The text is the link's name for screen readers in any host.
    setAccessibleName(text.simplified());
    lblURL_->setGeometry(QRect(QPoint(0, 0), textExtent(font(), text)));
    propertyChanged(key::Text);
}

void URLLink::setUrl(const QString& url) {
    url_ = url;
    updateToolTip();
    propertyChanged(key::Url);
}

void URLLink::setShowToolTip(bool show) {
    showToolTip_ = show;
    updateToolTip();
    propertyChanged(key::ShowToolTip);
}

vb::Integer URLLink::alignment() const {
    return lblURL_->textAlignment();
}

void URLLink::setAlignment(vb::Integer alignment) {
    lblURL_->setTextAlignment(alignment);
    propertyChanged(key::Alignment);
}

bool URLLink::labelEnabled() const {
    return lblURL_->isEnabledTo(this);
}

void URLLink::setLabelEnabled(bool enabled) {
    lblURL_->setEnabled(enabled);
    propertyChanged(key::Enabled);
}

vb::OleColor URLLink::foreColor() const {
    return lblURL_->foreColor();
}

void URLLink::setForeColor(vb::OleColor colour) {
    lblURL_->setForeColor(colour);
    propertyChanged(key::ForeColor);
}

void URLLink::setEnabledTimer(bool enabled) {
    if (enabled)
        hoverTimer_.start();
    else
        hoverTimer_.stop();
    propertyChanged(key::EnabledTimer);
}

bool URLLink::autoSize() const {
    return lblURL_->autoSize();
}

void URLLink::setAutoSize(bool autoSize) {
    lblURL_->setAutoSize(autoSize);
    propertyChanged(key::AutoSize);
}

void URLLink::updateToolTip() {
    lblURL_->setToolTip(showToolTip_ ? url_ : QString());
}

// ---------------------------------------------------------------- opening

void URLLink::labelPressed(int button) {
    if ((button & kLeftButton) == 0) {
        platform::setScreenPointer(platform::pointer::Default);
        return;
    }
    QString address = url_;
    bool cancel = false;
    // A handler may remove the control from its window; then nothing is left
    // to open for.
    const QPointer<URLLink> alive(this);
    emit GoToURL(address, cancel);
    if (!alive || cancel)
        return;
    openLink(address);
}

void URLLink::openLink(const QString& address) {
    try {
        platform::setScreenPointer(platform::pointer::Hourglass);
        platform::urlOpener().open(address);
    } catch (const vb::RuntimeError& error) {
        const QString prompt =
            QStringLiteral("Unable to load '") + address + QStringLiteral("' : ") +
            QString::fromStdString(error.description()) + QStringLiteral(" (Error ") +
            QString::number(error.number()) + QStringLiteral(")");
        msgBox(prompt, platform::msgbox::OkOnly, kTitle);
    }
    platform::setScreenPointer(platform::pointer::Default);
}

// ---------------------------------------------------------------- keyboard

void URLLink::keyPressEvent(QKeyEvent* event) {
    const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter;
    if (!activates || event->isAutoRepeat() || !labelEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    labelPressed(kLeftButton);
}

void URLLink::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void URLLink::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void URLLink::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus())
        return;
    // Under the label's text, which draws no background of its own.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---------------------------------------------------------------- timers

bool URLLink::cursorKnownOnlyInside() {
    static const bool onlyInside =
        QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
    return onlyInside;
}

void URLLink::colourForHover() {
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    bool over = under != nullptr && (under == this || isAncestorOf(under));
    // Where the cursor position is known only over the program's own windows
    // (Wayland), it stays at the last point seen after the pointer has left:
    // there the pointer must also still be over the control.
    if (over && cursorKnownOnlyInside())
        over = underMouse() || lblURL_->underMouse();
    const vb::OleColor wanted = over ? kHoverColour : kPlainColour;
    if (lblURL_->foreColor() != wanted)
        lblURL_->setForeColor(wanted);
}

void URLLink::fitToLabel() {
    if (!lblURL_->autoSize())
        return;
    // Both dimensions are taken before the control changes: its resize
    // refits the label to the control, and the width read after a height
    // change would be the control's old width again.
    resize(lblURL_->size());
}

void URLLink::fitLabelToControl() {
    lblURL_->resize(size());
}

void URLLink::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLabelToControl();
}

// ---------------------------------------------------------------- property bag

void URLLink::initProperties() {
    setText(QString::fromLatin1(kDefaultText));
    url_ = QString::fromLatin1(kPlaceholderUrl);
    setShowToolTip(false);
}

void URLLink::readProperties(platform::PropertyBag& bag) {
    try {
        setText(bag.readString(key::Text, QString::fromLatin1(kDefaultText)));
        url_ = bag.readString(key::Url, QString::fromLatin1(kPlaceholderUrl));
        setShowToolTip(bag.readBoolean(key::ShowToolTip, false));
        setAlignment(bag.readInteger(key::Alignment, 0));
        setLabelEnabled(bag.readBoolean(key::Enabled, true));
        setForeColor(bag.readColor(key::ForeColor, 0));
        setEnabledTimer(bag.readBoolean(key::EnabledTimer, true));
        setAutoSize(bag.readBoolean(key::AutoSize, false));
    } catch (const vb::RuntimeError&) {
        // What was not read yet keeps its design-time value.
        initProperties();
    }
}

void URLLink::writeProperties(platform::PropertyBag& bag) {
    bag.writeString(key::Text, text(), QString::fromLatin1(kDefaultText));
    bag.writeString(key::Url, url_, QString::fromLatin1(kPlaceholderUrl));
    bag.writeBoolean(key::ShowToolTip, showToolTip_, false);
    bag.writeInteger(key::Alignment, lblURL_->textAlignment(), 0);
    bag.writeBoolean(key::Enabled, labelEnabled(), true);
    bag.writeColor(key::ForeColor, lblURL_->foreColor(), 0);
    bag.writeBoolean(key::EnabledTimer, hoverTimer_.isActive(), true);
    bag.writeBoolean(key::AutoSize, lblURL_->autoSize(), false);
}

} // namespace linklabel

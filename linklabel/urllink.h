#pragma once
// URLLink: one line of text that opens its URL (a web address or a document
// path) with the desktop's default handler when the left mouse button goes
// down on it (or Space or Enter while it has the keyboard focus), turns blue
// while the mouse is over the control, can show its URL as tool tip and can
// fit itself to its text.

#include "core/vb.h"
#include "hosting/control.h"

#include <QString>
#include <QTimer>
#include <QWidget>

namespace linklabel {

class LinkLabel;

// The address a new control opens; the reserved domain reaches no real site.
inline constexpr char kPlaceholderUrl[] = "http://www.homepage.invalid/";
inline constexpr char kDefaultText[] = "Click Here";
// How often the hover and fit timers poll. Fast enough that a colour change
// follows the pointer without visible delay, slow enough to cost nothing.
inline constexpr int kPollIntervalMs = 16;

class URLLink : public QWidget, public platform::Control {
    Q_OBJECT
    Q_CLASSINFO("members", "Text URL ShowToolTip Alignment Enabled ForeColor EnabledTimer AutoSize")
    Q_CLASSINFO("dispid:Text", "-517")
    Q_CLASSINFO("browseFirst", "URL")
    Q_CLASSINFO("dispid:GoToURL", "1")
    Q_CLASSINFO("help:Text", "Text displayed in control")
    Q_CLASSINFO("help:URL",
                "URL loaded when mouse is clicked over text. May also be a data file that has an "
                "extension registered by an application on your system.")
    Q_CLASSINFO("help:ShowToolTip",
                "Determines if the URL is displayed in a tooltip when the mouse is parked over "
                "the text")
    Q_CLASSINFO("help:Alignment",
                "Returns/sets the alignment of a CheckBox or OptionButton, or a control's text.")
    Q_CLASSINFO("help:Enabled", "Returns/sets a value that determines whether an object can "
                                "respond to user-generated events.")
    Q_CLASSINFO("help:ForeColor",
                "Returns/sets the foreground color used to display text and graphics in an object.")
    Q_CLASSINFO("help:EnabledTimer", "Returns/sets a value that determines whether an object can "
                                     "respond to user-generated events.")
    Q_CLASSINFO("help:AutoSize",
                "Determines whether a control is automatically resized to display its entire "
                "contents.")
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString URL READ url WRITE setUrl)
    Q_PROPERTY(bool ShowToolTip READ showToolTip WRITE setShowToolTip)
    Q_PROPERTY(vb::Integer Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Enabled READ labelEnabled WRITE setLabelEnabled)
    Q_PROPERTY(vb::OleColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool EnabledTimer READ enabledTimer WRITE setEnabledTimer)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)

public:
    explicit URLLink(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QString url() const { return url_; }
    void setUrl(const QString& url);
    bool showToolTip() const { return showToolTip_; }
    void setShowToolTip(bool show);
    vb::Integer alignment() const;
    void setAlignment(vb::Integer alignment);
    bool labelEnabled() const;
    void setLabelEnabled(bool enabled);
    vb::OleColor foreColor() const;
    void setForeColor(vb::OleColor colour);
    bool enabledTimer() const { return hoverTimer_.isActive(); }
    void setEnabledTimer(bool enabled);
    bool autoSize() const;
    void setAutoSize(bool autoSize);

    void initProperties() override;
    void readProperties(platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) override;

signals:
    // Raised on every left-button press, before anything opens. A handler
    // may change URL (opened this once; the property keeps its value) or
    // set Cancel to open nothing.
    void GoToURL(QString& URL, bool& Cancel);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The keyboard: Tab reaches the link, Space or Enter opens it as a
    // left-button press does, and a frame shows that it has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void labelPressed(int button);
    void openLink(const QString& address);
    void updateToolTip();
    void colourForHover();
    static bool cursorKnownOnlyInside();
    void fitToLabel();
    void fitLabelToControl();

    LinkLabel* lblURL_;
    QTimer hoverTimer_; // Timer1
    QTimer fitTimer_;   // Timer2
    QString url_;
    bool showToolTip_ = false;
};

} // namespace linklabel

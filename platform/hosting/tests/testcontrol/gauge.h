#pragma once
// A small control for the hosting tests: properties of each stored type,
// methods that raise run-time errors, events with arguments by reference.

#include "core/vb.h"
#include "hosting/control.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

class Gauge : public QWidget, public platform::Control {
    Q_OBJECT
    Q_CLASSINFO("members", "Secret Refresh Caption Value Color Font Divide Add Version")
    Q_CLASSINFO("help:Caption", "Returns/sets the text of the gauge.")
    Q_CLASSINFO("dispid:Caption", "0")
    Q_CLASSINFO("help:Font", "Returns a Font object.")
    Q_CLASSINFO("dispid:Font", "-512")
    Q_CLASSINFO("help:Divide", "Whole-number quotient of two numbers.")
    Q_CLASSINFO("hidden:Secret", "true")
    Q_CLASSINFO("dispid:Click", "1")
    Q_CLASSINFO("browseFirst", "Value")
    Q_PROPERTY(QVariant Caption READ caption WRITE setCaption)
    Q_PROPERTY(vb::Integer Value READ value WRITE setValue)
    Q_PROPERTY(vb::OleColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ gaugeFont WRITE setGaugeFont)
    Q_PROPERTY(QString Version READ version)

public:
    explicit Gauge(QWidget* parent = nullptr);

    QVariant caption() const { return caption_; }
    void setCaption(const QVariant& caption);
    qint16 value() const { return value_; }
    void setValue(qint16 value);
    quint32 color() const { return color_; }
    void setColor(quint32 color) { color_ = color; }
    QFont gaugeFont() const { return font(); }
    void setGaugeFont(const QFont& font);
    QString version() const { return QStringLiteral("2.3"); }

    Q_INVOKABLE void Secret() {}
    Q_INVOKABLE void Refresh() { ++refreshes_; }
    Q_INVOKABLE qint16 Divide(qint16 dividend, qint16 divisor) const;
    Q_INVOKABLE void Add(qint16 step = 1);

    // Test hooks: raise the events, report an error with no caller.
    Q_INVOKABLE void FireClick() { emit Click(); }
    Q_INVOKABLE QString FireGoToURL(const QString& url);
    Q_INVOKABLE float FireMoved(float x);
    Q_INVOKABLE void ReportProblem(int number);

    void initProperties() override;
    void readProperties(platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) override;

signals:
    void Click();
    void GoToURL(QString& url, bool& cancel);
    void Moved(vb::Integer& button, vb::Single& x);

private:
    QString caption_;
    qint16 value_ = 0;
    quint32 color_ = 0x8000000F;
    int refreshes_ = 0;
};

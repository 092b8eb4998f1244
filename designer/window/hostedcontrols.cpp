#include "window/hostedcontrols.h"

#include "hosting/controlhost.h"
#include "hosting/latebinding.h"
#include "hosting/propertybag.h"
#include "picturebox/olecolor.h"
#include "services/messagebox.h"
#include "widgets/clickframe.h"
#include "window/captionlabel.h"

#include <QFile>
#include <QRegularExpression>

// Resources of a static library are registered by hand.
static void initWindowResources() {
    Q_INIT_RESOURCE(window);
}

namespace designer {

QString hostedName(Hosted control) {
    switch (control) {
    case Hosted::Command2:
        return QStringLiteral("Command2");
    case Hosted::Command3:
        return QStringLiteral("Command3");
    case Hosted::Command4:
        return QStringLiteral("Command4");
    case Hosted::Command5:
        return QStringLiteral("Command5");
    case Hosted::RndStyle:
        return QStringLiteral("RndStyle");
    case Hosted::cmdCopy:
        return QStringLiteral("cmdCopy");
    case Hosted::Velmira12:
        return QStringLiteral("Velmira12");
    case Hosted::Velmira13:
        return QStringLiteral("Velmira13");
    case Hosted::Velmira14:
        return QStringLiteral("Velmira14");
    case Hosted::lblCalcultime:
        return QStringLiteral("lblCalcultime");
    case Hosted::URLLink1:
        return QStringLiteral("URLLink1");
    }
    return {};
}

std::vector<StoredControl> parseStoredControls(const QString& text) {
    static const QRegularExpression header(QStringLiteral(R"(^\[([^\]]+)\]\s+(\S+)\s*$)"));
    std::vector<StoredControl> result;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = header.match(trimmed);
        if (match.hasMatch())
            result.push_back({match.captured(1), match.captured(2), {}});
        else if (!result.empty())
            result.back().bagText += trimmed + QLatin1Char('\n');
    }
    return result;
}

QString windowStoredControls() {
    initWindowResources();
    QFile file(QStringLiteral(":/ombrelo/window/frmdegcolor.controls"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

namespace {

// Gives the stand-in label the look of the control it replaces.
void styleFallback(CaptionLabel* label, platform::PropertyBag bag) {
    try {
        const QString text = bag.stored(QStringLiteral("Text")).isValid()
                                 ? bag.readString(QStringLiteral("Text"), label->text())
                                 : bag.readString(QStringLiteral("Caption"), label->text());
        label->setText(text);
        if (bag.contains(QStringLiteral("Font")))
            label->setFont(bag.readFont(QStringLiteral("Font"), platform::FontRecord()).toQFont());
        const auto colour = platform::fromOleColor(bag.readColor(QStringLiteral("Color1"), 0));
        if (colour)
            label->setStyleSheet(QStringLiteral("color: %1;").arg(colour->name()));
    } catch (const vb::RuntimeError&) {
        // A damaged set: the label keeps the layout's text and look.
    }
}

QString failureText(const QStringList& failures) {
    return QStringLiteral("These controls could not be created, so plain labels stand in their "
                          "place:\r\n\r\n") +
           failures.join(QStringLiteral("\r\n"));
}

} // namespace

HostedControls::HostedControls(const platform::ControlHost& host,
                               platform::MessageBoxService& messageBoxes)
    : host_(host)
    , messageBoxes_(messageBoxes)
    , site_(messageBoxes) {}

HostedControls::~HostedControls() = default;

void HostedControls::placeAll(QWidget* form, const std::vector<StoredControl>& stored) {
    for (const StoredControl& control : stored)
        place(form, control, &failures_);
}

void HostedControls::reportFailures() {
    if (reported_ || failures_.isEmpty())
        return;
    reported_ = true;
    messageBoxes_.show(failureText(failures_),
                       platform::msgbox::OkOnly | platform::msgbox::Exclamation,
                       QStringLiteral("Ombrelo"));
}

void HostedControls::place(QWidget* form, const StoredControl& stored, QStringList* failures) {
    auto* label = form->findChild<CaptionLabel*>(stored.name);
    if (!label)
        return;
    Entry entry{label, label, stored.progId, false};
    platform::PropertyBag bag = platform::PropertyBag::fromText(stored.bagText);
    styleFallback(label, bag);
    auto* frame = qobject_cast<platform::ClickFrame*>(label->parentWidget());
    QWidget* control = nullptr;
    QString problem;
    try {
        control = host_.place(stored.progId, label->parentWidget(), &site_, &bag);
    } catch (const platform::CreateControlError& error) {
        problem = QStringLiteral("'%1': %2").arg(stored.progId, error.detail());
    } catch (const vb::RuntimeError& error) {
        problem = QStringLiteral("'%1': %2")
                      .arg(stored.progId, QString::fromStdString(error.description()));
    }
    if (control) {
        control->setObjectName(stored.name);
        control->setToolTip(label->toolTip());
        control->setGeometry(label->geometry());
        label->setObjectName(stored.name + QStringLiteral("Label"));
        label->hide();
        if (frame)
            frame->setContent(control);
        control->show();
        entry.widget = control;
        entry.hosted = true;
    } else {
        if (frame)
            frame->setContent(label);
        if (!failedProgIds_.contains(stored.progId)) {
            failedProgIds_.append(stored.progId);
            failures->append(problem);
        }
    }
    entries_.insert(stored.name, entry);
}

const HostedControls::Entry* HostedControls::find(const QString& name) const {
    const auto it = entries_.constFind(name);
    return it == entries_.cend() || !it->widget ? nullptr : &*it;
}

QWidget* HostedControls::widget(const QString& name) const {
    const Entry* entry = find(name);
    return entry ? entry->widget.data() : nullptr;
}

bool HostedControls::isHosted(const QString& name) const {
    const Entry* entry = find(name);
    return entry && entry->hosted;
}

void HostedControls::setCaption(const QString& name, const QString& text) {
    const Entry* entry = find(name);
    if (!entry)
        return;
    if (!entry->hosted) {
        entry->fallback->setText(text);
        return;
    }
    try {
        platform::setProperty(entry->widget, QStringLiteral("Caption"), text);
    } catch (const vb::RuntimeError&) {
        // The control keeps its caption; it has told the user itself.
    }
}

QString HostedControls::caption(const QString& name) const {
    const Entry* entry = find(name);
    if (!entry)
        return {};
    if (!entry->hosted)
        return entry->fallback->text();
    try {
        return platform::getProperty(entry->widget, QStringLiteral("Caption")).toString();
    } catch (const vb::RuntimeError&) {
        return {};
    }
}

void HostedControls::setEnabled(const QString& name, bool enabled) {
    const Entry* entry = find(name);
    if (!entry)
        return;
    if (!entry->hosted) {
        entry->fallback->setEnabled(enabled);
        return;
    }
    try {
        platform::setProperty(entry->widget, QStringLiteral("Enabled"), enabled);
    } catch (const vb::RuntimeError&) {
        entry->widget->setEnabled(enabled);
    }
}

bool HostedControls::isEnabled(const QString& name) const {
    const Entry* entry = find(name);
    if (!entry)
        return false;
    if (!entry->hosted)
        return entry->fallback->isEnabled();
    try {
        return platform::getProperty(entry->widget, QStringLiteral("Enabled")).toBool();
    } catch (const vb::RuntimeError&) {
        return entry->widget->isEnabled();
    }
}

void HostedControls::onClick(const QString& name, std::function<void()> handler) {
    const Entry* entry = find(name);
    if (!entry)
        return;
    clickHandlers_[name].push_back(handler);
    if (!entry->hosted) {
        QObject::connect(entry->fallback.data(), &CaptionLabel::clicked, entry->fallback.data(),
                         std::move(handler));
        return;
    }
    try {
        connections_.push_back(
            platform::connectEvent(entry->widget, QStringLiteral("Click"),
                                   [handler = std::move(handler)](QVariantList&) { handler(); }));
    } catch (const vb::RuntimeError&) {
        // A control without a Click event: nothing to wire.
    }
}

void HostedControls::press(const QString& name) {
    if (!isEnabled(name))
        return;
    // A handler may wire more handlers; the press runs those there now.
    const std::vector<std::function<void()>> handlers = clickHandlers_.value(name);
    for (const auto& handler : handlers)
        handler();
}

} // namespace designer

#include "logic/savedstatement.h"

#include "logic/storedstyle.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace designer {

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A load from the record onto sliders that start as a fresh window's do.
class Loader {
public:
    Loader(const StyleRecord& record, QString& problem)
        : record_(record)
        , problem_(problem) {}

    vb::Integer slider(StyleKey key, const SliderRange& range) {
        int value = range.initial;
        if (const std::optional<vb::Long> stored = record_.integer(key))
            value = static_cast<int>(std::clamp<vb::Long>(*stored, range.minimum, range.maximum));
        else if (!record_.text(key).isEmpty())
            refuse(key);
        return static_cast<vb::Integer>(value);
    }

    vb::Integer modLine() {
        if (record_.fallsBack(StyleKey::ModLine))
            return 1;
        return slider(StyleKey::ModLine, kModLineSlider);
    }

    // OptStop(0) starts selected; each stored option selects or deselects
    // its button, as a load does.
    std::optional<bool> stopFromHeight() {
        bool first = true;
        bool second = false;
        if (const std::optional<bool> v0 = option(StyleKey::OptValue0)) {
            first = *v0;
            second = second && !*v0;
        }
        if (const std::optional<bool> v1 = option(StyleKey::OptValue1)) {
            second = *v1;
            first = first && !*v1;
        }
        if (first)
            return true;
        if (second)
            return false;
        return std::nullopt;
    }

private:
    std::optional<bool> option(StyleKey key) {
        const std::optional<bool> value = record_.yesNo(key);
        if (!value && !record_.text(key).isEmpty())
            refuse(key);
        return value;
    }

    void refuse(StyleKey key) {
        if (problem_.isEmpty())
            problem_ =
                styleKeyName(key) + QStringLiteral(" does not read: ") + quoted(record_.text(key));
    }

    const StyleRecord& record_;
    QString& problem_;
};

} // namespace

std::optional<StatementValues> statementValues(const StatementInput& in) {
    if (in.stopMethod == StopMethod::None)
        return std::nullopt;
    StatementValues values;
    module1::GradientStyle& s = values.style;
    s = in.drawing;
    s.AutoRedraw = vb::True;
    // The divisors as the statement writes them; the procedure clamps them.
    s.MoreXR = static_cast<vb::Integer>(std::clamp<vb::Long>(in.moreXR, -32768, 32767));
    s.MoreXG = static_cast<vb::Integer>(std::clamp<vb::Long>(in.moreXG, -32768, 32767));
    s.MoreXB = static_cast<vb::Integer>(std::clamp<vb::Long>(in.moreXB, -32768, 32767));
    values.stopFromHeight = in.stopMethod == StopMethod::TargetHeight;
    return values;
}

QString libraryProblem(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("is a folder");
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return probe.errorString();
    return {};
}

SavedStatement readSavedStatement(const QString& file, const QString& name) {
    const QString where = QStringLiteral("style ") + quoted(name) + QStringLiteral(" in ") + file;
    if (const QString problem = libraryProblem(file); !problem.isEmpty())
        return {std::nullopt, where + QStringLiteral(": cannot read the library: ") + problem};
    if (!listStyleNames(file).contains(name, Qt::CaseInsensitive))
        return {std::nullopt, where + QStringLiteral(": no such style")};

    const StyleRecord record = readStoredStyle(file, name);
    QString problem;
    Loader load(record, problem);
    StatementValues values;
    module1::GradientStyle& s = values.style;
    s.R = load.slider(StyleKey::SliderValueR, kLevelSlider);
    s.G = load.slider(StyleKey::SliderValueG, kLevelSlider);
    s.B = load.slider(StyleKey::SliderValueB, kLevelSlider);
    s.N = load.slider(StyleKey::SliderValueN, kLevelSlider);
    s.Band = load.slider(StyleKey::SliderValueBand, kBandSlider);
    s.Start = load.slider(StyleKey::SliderValueStart, kStartSlider);
    s.Stop = load.slider(StyleKey::SliderValueStop, kStopSlider);
    s.ModLine = load.modLine();
    s.AutoRedraw = vb::True;
    s.MoreXR = load.slider(StyleKey::MoreXR, kMoreXSlider);
    s.MoreXG = load.slider(StyleKey::MoreXG, kMoreXSlider);
    s.MoreXB = load.slider(StyleKey::MoreXB, kMoreXSlider);
    const std::optional<bool> fromHeight = load.stopFromHeight();
    if (!problem.isEmpty())
        return {std::nullopt, where + QStringLiteral(": ") + problem};
    if (!fromHeight)
        return {std::nullopt, where + QStringLiteral(": selects no stop method")};
    values.stopFromHeight = *fromHeight;
    return {values, {}};
}

} // namespace designer

#include "window/tests/windowchecks.h"

#include "logic/editorstate.h"
#include "logic/statement.h"
#include "logic/stopheight.h"
#include "logic/textforms.h"
#include "module1/ombrelo.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"
#include "profile/profiledocument.h"
#include "profile/profilesyntax.h"
#include "profile/textencoding.h"
#include "widgets/lamp.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>

#include <tuple>

namespace designer::test {

namespace {

struct KeyRange {
    StyleKey key;
    int min;
    int max;
};

constexpr KeyRange kNumberKeys[] = {{StyleKey::SliderValueR, 0, 512},
                                    {StyleKey::SliderValueG, 0, 512},
                                    {StyleKey::SliderValueB, 0, 512},
                                    {StyleKey::SliderValueN, 0, 512},
                                    {StyleKey::SliderValueStart, 0, 15000},
                                    {StyleKey::SliderValueStop, 1, 15000},
                                    {StyleKey::SliderValueBand, 5, 255},
                                    {StyleKey::ModLine, 1, 50},
                                    {StyleKey::MoreXR, 1, 20},
                                    {StyleKey::MoreXG, 1, 20},
                                    {StyleKey::MoreXB, 1, 20}};

const char* sliderOf(StyleKey key) {
    switch (key) {
    case StyleKey::SliderValueR:
        return "SliderR";
    case StyleKey::SliderValueG:
        return "SliderG";
    case StyleKey::SliderValueB:
        return "SliderB";
    case StyleKey::SliderValueN:
        return "SliderN";
    case StyleKey::SliderValueStart:
        return "SliderStart";
    case StyleKey::SliderValueStop:
        return "SliderStop";
    case StyleKey::SliderValueBand:
        return "SliderBand";
    case StyleKey::ModLine:
        return "SliderModLine";
    case StyleKey::MoreXR:
        return "SliderMR";
    case StyleKey::MoreXG:
        return "SliderMG";
    case StyleKey::MoreXB:
        return "SliderMB";
    default:
        return nullptr;
    }
}

// Names compare as the profile file compares them: without the blanks
// around them and without regard to case.
QString folded(const QString& name) {
    return platform::profile::trimBlanks(QStringView(name)).toString().toCaseFolded();
}

// One line of the file read by its shape alone.
struct Line {
    enum Kind { Blank, Comment, Section, Key, Other } kind;
    QString name; // the section's name or the key's name
};

Line classify(const QString& raw) {
    const QString line = platform::profile::trimBlanks(QStringView(raw)).toString();
    if (line.isEmpty())
        return {Line::Blank, {}};
    if (line.startsWith(QLatin1Char(';')))
        return {Line::Comment, {}};
    if (line.startsWith(QLatin1Char('['))) {
        const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
        if (close > 0)
            return {Line::Section, line.mid(1, close - 1)};
        return {Line::Other, {}};
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals > 0)
        return {Line::Key,
                platform::profile::trimBlanks(QStringView(line).left(equals)).toString()};
    return {Line::Other, {}};
}

QString sectionValueProblem(const StyleRecord& r, StyleKey key) {
    const QString name = styleKeyName(key);
    for (const KeyRange& range : kNumberKeys) {
        if (range.key != key)
            continue;
        const std::optional<vb::Long> v = parseInteger(r.text(key));
        if (!v || *v < range.min || *v > range.max)
            return name + QStringLiteral(" is '") + r.text(key) + QLatin1Char('\'');
        return {};
    }
    if (key == StyleKey::OptValue0 || key == StyleKey::OptValue1) {
        if (r.text(key) != QStringLiteral("True") && r.text(key) != QStringLiteral("False"))
            return name + QStringLiteral(" is '") + r.text(key) + QLatin1Char('\'');
    }
    return {};
}

// What the engine paints on a fresh box of the preview's size.
std::unique_ptr<platform::PictureBox> freshBox(platform::PictureBox& shown) {
    auto box = std::make_unique<platform::PictureBox>();
    box->setPixelRatioOverride(1);
    box->setBorderStyle(shown.borderStyle());
    box->resize(shown.size());
    return box;
}

} // namespace

LibraryFile inspectLibrary(const QString& path) {
    LibraryFile result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.problems << QStringLiteral("Draw.ini cannot be read");
        return result;
    }
    const QByteArray bytes = file.readAll();
    const platform::profile::ProfileDocument document(bytes);
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = QByteArrayView(bytes).sliced(marked ? 3 : 0);
    const QString text =
        platform::profile::decodeText(body, platform::profile::detectEncoding(body, marked));
    QMap<QString, QStringList> keysOf;
    QString section;
    bool inSection = false;
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        const Line line = classify(raw);
        if (line.kind == Line::Other)
            result.problems << QStringLiteral("line '%1' is neither section nor key").arg(raw);
        else if (line.kind == Line::Section) {
            section = line.name;
            inSection = true;
            if (keysOf.contains(folded(section)))
                result.problems << QStringLiteral("style '%1' stands twice").arg(section);
            keysOf[folded(section)];
        } else if (line.kind == Line::Key) {
            if (!inSection)
                result.problems << QStringLiteral("key '%1' before any style").arg(line.name);
            else
                keysOf[folded(section)].append(line.name);
        }
    }
    result.names = document.sectionNames();
    if (result.names.size() != keysOf.size())
        result.problems << QStringLiteral("%1 sections by line, %2 read")
                               .arg(keysOf.size())
                               .arg(result.names.size());
    for (const QString& name : std::as_const(result.names)) {
        QStringList keys = keysOf.value(folded(name));
        QStringList expected;
        for (const StyleKeyInfo& info : styleKeys)
            expected << QString::fromLatin1(info.name);
        keys.sort();
        expected.sort();
        if (keys != expected)
            result.problems << QStringLiteral("style '%1' has keys %2").arg(name, keys.join(u','));
        const std::optional<StyleRecord> record = storedSection(path, name);
        if (!record)
            continue;
        for (const StyleKeyInfo& info : styleKeys)
            if (const QString p = sectionValueProblem(*record, info.key); !p.isEmpty())
                result.problems << QStringLiteral("style '%1': ").arg(name) + p;
        if (record->text(StyleKey::OptValue0) == record->text(StyleKey::OptValue1))
            result.problems << QStringLiteral("style '%1' has no single stop method").arg(name);
    }
    return result;
}

std::optional<StyleRecord> storedSection(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const platform::profile::ProfileDocument document(file.readAll());
    StyleRecord record;
    bool any = false;
    for (const StyleKeyInfo& info : styleKeys) {
        const std::optional<QString> value = document.value(name, QString::fromLatin1(info.name));
        any = any || value.has_value();
        record.setText(info.key, value.value_or(QString()));
    }
    if (!any)
        return std::nullopt;
    return record;
}

WindowChecks::WindowChecks(WindowFixture& fixture, double clockStep)
    : f_(fixture)
    , timeText_(designer::timeText(clockStep)) {}

QStringList WindowChecks::afterEveryAction() {
    QStringList problems = editorProblems();
    problems += editorStateProblems(f_);
    problems += statementProblems();
    problems += previewProblems();
    problems += libraryProblems();
    return problems;
}

QStringList WindowChecks::editorProblems() {
    QStringList problems;
    const module1::GradientStyle& s = f_.window().currentStyle();
    const auto field = [&](const char* slider, const char* box, int value) {
        const int shown = f_.slider(slider)->value();
        if (value != shown)
            problems << QStringLiteral("%1 shows %2, the style holds %3")
                            .arg(QLatin1String(slider))
                            .arg(shown)
                            .arg(value);
        if (box && f_.edit(box)->text() != QString::number(shown))
            problems << QStringLiteral("%1 shows '%2' for %3")
                            .arg(QLatin1String(box), f_.edit(box)->text())
                            .arg(shown);
    };
    field("SliderR", "txtR", s.R);
    field("SliderG", "txtG", s.G);
    field("SliderB", "txtB", s.B);
    field("SliderN", "txtN", s.N);
    field("SliderStart", "txtStart", s.Start);
    field("SliderBand", "txtBandSize", s.Band);
    field("SliderModLine", "txtModLine", s.ModLine);
    field("SliderMR", "TxtMR", s.MoreXR);
    field("SliderMG", "TxtMG", s.MoreXG);
    field("SliderMB", "TxtMB", s.MoreXB);
    if (s.AutoRedraw != (f_.check("Check3")->isChecked() ? vb::True : vb::False))
        problems << QStringLiteral("AutoRedraw %1 against Check3").arg(s.AutoRedraw);

    const bool byHeight = f_.child<QRadioButton>("OptStop_0")->isChecked();
    const bool manual = f_.child<QRadioButton>("OptStop_1")->isChecked();
    auto* preview = f_.child<platform::PictureBox>("Picture2");
    if (byHeight && stopFromScaleHeight(preview->scaleHeight()) != s.Stop)
        problems << QStringLiteral("Stop %1 is not the preview's height").arg(s.Stop);
    if (manual && f_.slider("SliderStop")->value() != s.Stop)
        problems << QStringLiteral("Stop %1 is not the slider's").arg(s.Stop);
    if ((byHeight || manual) && f_.slider("SliderStop")->isEnabled() != manual)
        problems << QStringLiteral("SliderStop enabled against the stop method");

    const auto range = [&](const char* label, int v, const QString& plain, const QString& xt) {
        const QString want = v <= 255 ? plain : xt;
        if (f_.label(label)->text() != want)
            problems << QStringLiteral("%1 reads '%2' at %3")
                            .arg(QLatin1String(label), f_.label(label)->text())
                            .arg(v);
    };
    range("Label1", s.R, QStringLiteral("R"), QStringLiteral("R-XT"));
    range("Label2", s.G, QStringLiteral("G"), QStringLiteral("G-XT"));
    range("Label3", s.B, QStringLiteral("B"), QStringLiteral("B-XT"));
    range("Label5", s.N, s.N <= 127 ? QStringLiteral("N") : QStringLiteral("W"),
          QStringLiteral("W-XT"));
    for (const auto& [box, lamp, lit] : {std::tuple{"CheckMR", "ShapeMR", QColor(192, 0, 0)},
                                         {"CheckMG", "ShapeMG", QColor(0, 128, 0)},
                                         {"CheckMB", "ShapeMB", QColor(0, 0, 192)}})
        if (f_.check(box)->isChecked() != (f_.child<platform::Lamp>(lamp)->fillColor() == lit))
            problems
                << QStringLiteral("%1 lit against %2").arg(QLatin1String(lamp), QLatin1String(box));
    for (const auto& [include, extended] : {std::pair{"CheckR", "CheckRXT"},
                                            {"CheckG", "CheckGXT"},
                                            {"CheckB", "CheckBXT"},
                                            {"CheckN", "CheckWXT"}})
        if (f_.check(include)->isChecked() != f_.check(extended)->isEnabled())
            problems << QStringLiteral("%1 enabled against %2")
                            .arg(QLatin1String(extended), QLatin1String(include));
    return problems;
}

// The window's editor state holds what its controls show.
QStringList editorStateProblems(WindowFixture& f) {
    QStringList problems;
    const EditorState& state = f.window().editorState();
    for (const auto& [key, name] : kSliderNames)
        if (state.slider(key) != f.slider(name)->value())
            problems << QStringLiteral("the state holds %1 for %2, which shows %3")
                            .arg(state.slider(key))
                            .arg(QLatin1String(name))
                            .arg(f.slider(name)->value());
    StopMethod shown = StopMethod::None;
    if (f.child<QRadioButton>("OptStop_0")->isChecked())
        shown = StopMethod::TargetHeight;
    else if (f.child<QRadioButton>("OptStop_1")->isChecked())
        shown = StopMethod::Manual;
    if (state.stopMethod != shown)
        problems << QStringLiteral("the state's stop method is not the options'");
    if (state.objName != f.edit("txtObjName")->text())
        problems << QStringLiteral("the state's object name is '%1'").arg(state.objName);
    return problems;
}

QString WindowChecks::expectedStatement() const {
    StatementInput in;
    in.objName = f_.edit("txtObjName")->text();
    module1::GradientStyle& d = in.drawing;
    d.R = f_.slider("SliderR")->value();
    d.G = f_.slider("SliderG")->value();
    d.B = f_.slider("SliderB")->value();
    d.N = f_.slider("SliderN")->value();
    d.Band = f_.slider("SliderBand")->value();
    d.Start = f_.slider("SliderStart")->value();
    d.Stop = f_.window().currentStyle().Stop;
    d.ModLine = f_.slider("SliderModLine")->value();
    d.AutoRedraw = f_.check("Check3")->isChecked() ? vb::True : vb::False;
    in.moreXR = f_.slider("SliderMR")->value();
    in.moreXG = f_.slider("SliderMG")->value();
    in.moreXB = f_.slider("SliderMB")->value();
    if (f_.child<QRadioButton>("OptStop_0")->isChecked())
        in.stopMethod = StopMethod::TargetHeight;
    else if (f_.child<QRadioButton>("OptStop_1")->isChecked())
        in.stopMethod = StopMethod::Manual;
    return buildStatement(in).value_or(QString());
}

QStringList WindowChecks::statementProblems() {
    QStringList problems;
    const QString statement = f_.edit("txtFunction")->text();
    if (f_.check("Check2")->isChecked()) {
        const QString expected = expectedStatement();
        if (!expected.isEmpty() && statement != expected)
            problems << QStringLiteral("statement '%1', expected '%2'").arg(statement, expected);
    }
    if (f_.edit("txtFunction")->toolTip() != QStringLiteral("Syntax : ") + statement)
        problems << QStringLiteral("the statement's tool tip is behind");
    const QString time = f_.window().hosted().caption(QStringLiteral("lblCalcultime"));
    if (time != timeText_)
        problems << QStringLiteral("time label '%1'").arg(time);
    return problems;
}

QImage WindowChecks::replayedPreview() {
    auto* preview = f_.child<platform::PictureBox>("Picture2");
    const auto box = freshBox(*preview);
    for (module1::GradientStyle s : std::as_const(paintedOver_))
        module1::Ombrelo(*box, s);
    return box->image();
}

void WindowChecks::previewPaintedOver() {
    module1::GradientStyle s = f_.window().currentStyle();
    s.MoreXR = s.MoreXG = s.MoreXB = 1;
    paintedOver_.append(s);
}

QStringList WindowChecks::previewProblems() {
    auto* preview = f_.child<platform::PictureBox>("Picture2");
    QImage empty = preview->image();
    empty.fill(*platform::fromOleColor(preview->backColor(), preview->palette()));
    const QImage retained = preview->image();
    const QImage shown = preview->shownImage();
    if (!f_.check("Check2")->isChecked()) {
        // Cleared by the last redraw, or holding what "Preview" painted since.
        if (retained == empty)
            paintedOver_.clear();
        else if (retained != replayedPreview())
            return {QStringLiteral("the preview is neither clear nor what Preview painted")};
        return {};
    }
    paintedOver_.clear();
    module1::GradientStyle style = f_.window().currentStyle();
    const auto box = freshBox(*preview);
    module1::Ombrelo(*box, style);
    if (style.AutoRedraw == vb::False) {
        // Drawn on the screen alone: lost again by a repaint of the box.
        if (retained != empty)
            return {QStringLiteral("the preview retains a drawing with AutoRedraw off")};
        if (shown != empty && shown != box->shownImage())
            return {QStringLiteral("the preview shows another gradient than the style's")};
        return {};
    }
    if (retained != box->image() || shown != retained)
        return {QStringLiteral("the preview's pixels are not the style's gradient")};
    return {};
}

QStringList WindowChecks::libraryProblems() {
    const LibraryFile library = inspectLibrary(f_.profilePath());
    QStringList problems = library.problems;
    if (f_.label("lblNbStyle")->text() != QString::number(library.names.size()))
        problems << QStringLiteral("count label '%1' for %2 styles")
                        .arg(f_.label("lblNbStyle")->text())
                        .arg(library.names.size());
    auto* list = f_.child<StyleCombo>("lstStyle");
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i);
    if (listed != library.names)
        problems << QStringLiteral("the list shows %1, the file has %2")
                        .arg(listed.join(u'|'), library.names.join(u'|'));
    return problems;
}

QStringList WindowChecks::editorShowsStoredStyle() {
    const QString name = f_.child<StyleCombo>("lstStyle")->text();
    const std::optional<StyleRecord> stored = storedSection(f_.profilePath(), name);
    if (!stored)
        return {QStringLiteral("the loaded style '%1' is not in the file").arg(name)};
    QStringList problems;
    for (const KeyRange& range : kNumberKeys) {
        const std::optional<vb::Long> value = stored->integer(range.key);
        QSlider* slider = f_.slider(sliderOf(range.key));
        if (value && slider->value() != std::clamp<vb::Long>(*value, range.min, range.max))
            problems << QStringLiteral("%1 at %2 after loading %3")
                            .arg(QLatin1String(sliderOf(range.key)))
                            .arg(slider->value())
                            .arg(*value);
    }
    const std::optional<bool> byHeight = stored->yesNo(StyleKey::OptValue0);
    if (byHeight && *byHeight != f_.child<QRadioButton>("OptStop_0")->isChecked())
        problems << QStringLiteral("stop method not loaded");
    const QString objName = stored->text(StyleKey::ObjName).isEmpty()
                                ? QStringLiteral("[OBJECT]")
                                : stored->text(StyleKey::ObjName);
    if (f_.edit("txtObjName")->text() != objName)
        problems << QStringLiteral("object name '%1' after loading '%2'")
                        .arg(f_.edit("txtObjName")->text(), objName);
    if (!f_.check("Check2")->isChecked())
        problems << QStringLiteral("automatic preview off after a load");
    return problems;
}

QStringList WindowChecks::storedStyleIsEditor(const QString& name) {
    const std::optional<StyleRecord> stored = storedSection(f_.profilePath(), name);
    if (!stored)
        return {QStringLiteral("style '%1' was not saved").arg(name)};
    QStringList problems;
    for (const KeyRange& range : kNumberKeys) {
        const QString shown = QString::number(f_.slider(sliderOf(range.key))->value());
        if (stored->text(range.key) != shown)
            problems << QStringLiteral("%1 saved as '%2', the editor shows %3")
                            .arg(styleKeyName(range.key), stored->text(range.key), shown);
    }
    const auto yesNo = [](bool on) {
        return on ? QStringLiteral("True") : QStringLiteral("False");
    };
    if (stored->text(StyleKey::OptValue0) !=
            yesNo(f_.child<QRadioButton>("OptStop_0")->isChecked()) ||
        stored->text(StyleKey::OptValue1) !=
            yesNo(f_.child<QRadioButton>("OptStop_1")->isChecked()))
        problems << QStringLiteral("stop method saved wrong");
    if (stored->text(StyleKey::ObjName) != f_.edit("txtObjName")->text())
        problems << QStringLiteral("object name saved as '%1', the editor shows '%2'")
                        .arg(stored->text(StyleKey::ObjName), f_.edit("txtObjName")->text());
    return problems;
}

} // namespace designer::test

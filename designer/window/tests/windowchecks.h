#pragma once
// What must hold on the main window after any user action, read from what
// the window shows and paints and from Draw.ini as it lies on disk. Each
// check returns the violations it found, one line each; none when all holds.

#include "logic/stylerecord.h"
#include "module1/gradientstyle.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace designer::test {

class WindowFixture;

// The editor's slider of each number key, by the name the form gives it.
inline constexpr std::pair<StyleKey, const char*> kSliderNames[] = {
    {StyleKey::SliderValueR, "SliderR"},
    {StyleKey::SliderValueG, "SliderG"},
    {StyleKey::SliderValueB, "SliderB"},
    {StyleKey::SliderValueN, "SliderN"},
    {StyleKey::SliderValueStart, "SliderStart"},
    {StyleKey::SliderValueStop, "SliderStop"},
    {StyleKey::SliderValueBand, "SliderBand"},
    {StyleKey::ModLine, "SliderModLine"},
    {StyleKey::MoreXR, "SliderMR"},
    {StyleKey::MoreXG, "SliderMG"},
    {StyleKey::MoreXB, "SliderMB"}};

// Where the window's editor state differs from what its controls show (the
// sliders, the stop-method options, the object name); one line each.
QStringList editorStateProblems(WindowFixture& f);

// Draw.ini as a user's library must be: every line a section line, a key
// line or blank; every section a whole style (the fourteen keys once each,
// numbers as numbers, "True"/"False" for the options, one of them "True");
// no name twice. The names listed, in file order.
struct LibraryFile {
    QStringList names;
    QStringList problems;
};
LibraryFile inspectLibrary(const QString& path);

// The section's values as the file holds them now; empty when it has none.
std::optional<StyleRecord> storedSection(const QString& path, const QString& name);

class WindowChecks {
public:
    // clockStep: what the scripted clock advances per read, so the time
    // label must show exactly one step.
    WindowChecks(WindowFixture& fixture, double clockStep);

    // Everything that holds after every action.
    QStringList afterEveryAction();

    // The editor shows the file's style of the name in the style list's
    // field (after a load), with the load's fallbacks applied.
    QStringList editorShowsStoredStyle();
    // The file holds the editor's values under name (after a save).
    QStringList storedStyleIsEditor(const QString& name);

    // "Preview" with automatic preview off painted over what was there.
    void previewPaintedOver();

    // The statement the window's state makes, built here from the controls.
    QString expectedStatement() const;

private:
    QStringList editorProblems();
    QStringList statementProblems();
    QStringList previewProblems();
    QStringList libraryProblems();
    QImage replayedPreview();

    WindowFixture& f_;
    QString timeText_;
    // Paints of "Preview" kept in the box since it was last cleared.
    QList<module1::GradientStyle> paintedOver_;
};

} // namespace designer::test

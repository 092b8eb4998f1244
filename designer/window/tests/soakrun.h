#pragma once
// One soak of the main window: a fixture window with a small library, and
// random user actions drawn from a seeded generator, each followed by the
// checks of what must hold after it (windowchecks.h) and of what that
// particular action must have done.

#include "window/tests/windowchecks.h"
#include "window/tests/windowfixture.h"

#include <QImage>
#include <QStringList>

#include <array>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>

namespace designer {
class FrmPreview;
}

namespace designer::test {

// The editor's sliders and check boxes, by name.
inline constexpr std::array kSoakSliders = {
    "SliderR",    "SliderG",       "SliderB",  "SliderN",  "SliderStart", "SliderStop",
    "SliderBand", "SliderModLine", "SliderMR", "SliderMG", "SliderMB"};
inline constexpr std::array kSoakCheckBoxes = {
    "CheckR",  "CheckG",  "CheckB",  "CheckN", "CheckRXT",   "CheckGXT", "CheckBXT", "CheckWXT",
    "CheckMR", "CheckMG", "CheckMB", "Check1", "ChkModLine", "Check2",   "Check3"};

// What the scripted clock moves per read: every time shown is this.
inline constexpr double kSoakClockStep = 0.25;

// Every value the user can set in the editor, as one text.
QString editorState(const WindowFixture& f);

class SoakRun {
public:
    SoakRun(quint32 seed, bool trace);
    ~SoakRun();

    // Starts the window on the library; false when it could not start.
    bool start();
    // Runs one random action; what went wrong, or nothing.
    QString step(int index);

    QStringList recentActions() const { return log_; }
    // How often each kind of action ran.
    QString summary() const;

    // What an action expects beyond what always holds.
    struct Outcome {
        QString description;
        QString question;                   // the one question it must ask
        bool fileMayChange = false;         // a save or a deletion
        bool keepsEditor = false;           // sliders, boxes, options, name stay
        bool writesStatement = false;       // also with automatic preview off
        bool anyQuestion = false;           // may ask whatever it asks
        bool mayCopy = false;               // the statement or the source
        std::optional<QString> savedAs;     // must hold the editor's values
        std::optional<QString> removed;     // must be gone from the file
        bool loads = false;                 // the editor shows the chosen style
        std::optional<QString> clipboard;   // else the clipboard is unchanged
        std::function<QStringList()> extra; // further checks
    };

    struct Action {
        const char* name;
        int weight;
        void (SoakRun::*run)(Outcome&);
    };

private:
    static std::span<const Action> actions();
    int pick(int count);
    bool chance(double probability);
    QString anyStyleName();
    void settle();
    // The user's click on the main window brings it to the front again.
    void bringMainWindowBack();
    QStringList boxProblems(const Outcome& o, qsizetype boxesBefore, bool nameWasEmpty);

    void moveSlider(Outcome& o);
    void clickCheckBox(Outcome& o);
    void clickOption(Outcome& o);
    void typeObjectName(Outcome& o);
    void typeStyleName(Outcome& o);
    void save(Outcome& o);
    void remove(Outcome& o);
    void chooseStyle(Outcome& o);
    void defaultSetting(Outcome& o);
    void randomGradient(Outcome& o);
    void randomStyle(Outcome& o);
    void copyStatement(Outcome& o);
    void copyFunction(Outcome& o);
    void wallpaper(Outcome& o);
    void previewByHand(Outcome& o);
    void touchReadOnlyBox(Outcome& o);
    void exitProgram(Outcome& o);
    void useKeyboard(Outcome& o);
    void fullScreen(Outcome& o);
    void leaveFullScreen(Outcome& o);
    QStringList closeFullScreen(FrmPreview* preview, QString& description);
    void undoStep(Outcome& o);
    void redoStep(Outcome& o);

    // What the window showed of the editor before a step: what undoing the
    // step must bring back. The statement and the pixels count only with
    // automatic preview on ("Preview" paints over the box and writes the
    // statement without making a step).
    struct EditorView {
        QString editor;
        QString statement;
        QImage preview;
        bool automatic = false;
    };
    EditorView currentView() const;
    // Ends the gesture left open and files the steps made since.
    void accountSteps();
    QStringList viewProblems(const std::optional<EditorView>& expected, const char* what) const;

    std::mt19937 rng_;
    bool trace_;
    WindowFixture f_;
    std::unique_ptr<WindowChecks> checks_;
    QStringList log_;
    std::vector<int> counts_;
    std::vector<std::optional<EditorView>> undoViews_; // unknown when one action made two
    std::vector<std::optional<EditorView>> redoViews_;
    std::optional<EditorView> viewBefore_; // before the last action
    std::size_t recordedSteps_ = 0;
};

} // namespace designer::test

#pragma once
// A main window for tests: scripted services, a control host that finds no
// controls, and a profile file in a private folder.

#include "hosting/controlhost.h"
#include "services/tests/scripted.h"
#include "wallpaper/tests/scriptedwallpaper.h"
#include "window/frmdegcolor.h"

#include <QImage>
#include <QTemporaryDir>

#include <memory>

class QLabel;
class QLineEdit;
class QSlider;
class QCheckBox;
class QRadioButton;

namespace platform {
class PictureBox;
}

namespace designer::test {

class WindowFixture {
public:
    // Without controls (the default), or with the control libraries built
    // beside the test program.
    explicit WindowFixture(bool builtControls = false);

    // Writes the profile file the window will read.
    void writeProfile(const QByteArray& content);
    // Writes the procedure source beside the profile.
    void writeProcedureSource(const QByteArray& content);
    // The window copies to this clipboard instead of the recording one.
    void useClipboard(platform::Clipboard& other) { clipboardInUse_ = &other; }
    // Creates the window, loads it and shows it.
    FrmDegColor& start();

    FrmDegColor& window() { return *window_; }
    QString profilePath() const { return dir_.filePath(QStringLiteral("Draw.ini")); }
    QString procedurePath() const { return dir_.filePath(QStringLiteral("Function Ombrelo.fnc")); }

    template <typename T> T* child(const char* name) const {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    QSlider* slider(const char* name) const;
    QLineEdit* edit(const char* name) const;
    QLabel* label(const char* name) const;
    QCheckBox* check(const char* name) const;

    platform::ScriptedMessageBoxes boxes;
    platform::ManualClock clock;
    platform::MemoryClipboard clipboard;
    platform::ScriptedRandom random;
    platform::RecordingWallpaper wallpaper;
    platform::ScriptedFileDialogs fileDialogs;
    int exits = 0;

private:
    QString privateHome_; // data, config and runtime folders of this test
    platform::Clipboard* clipboardInUse_ = &clipboard;
    QTemporaryDir dir_;
    QTemporaryDir emptyRegistry_;
    std::unique_ptr<platform::ControlHost> host_;
    std::unique_ptr<FrmDegColor> window_;
};

// A style section as the program writes it.
QByteArray styleSection(const QString& name, int r, int g, int b, int n, int start, int stop,
                        int band, bool heightMethod, const QString& objName, int modLine,
                        int moreXR, int moreXG, int moreXB);

// The two styles the window tests share: "Sunset", orange with a manual
// stop, and "Marine", blue in the extended range with the height method.
QByteArray sunsetSection();
QByteArray marineSection();

// What the engine paints for style on a fresh box of shown's size.
QImage engineRendering(platform::PictureBox& shown, module1::GradientStyle style);

} // namespace designer::test

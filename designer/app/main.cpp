// ombrelo: the gradient designer. Starting it loads the main window.

#include "hosting/controlhost.h"
#include "services/clipboard.h"
#include "services/clock.h"
#include "services/filedialog.h"
#include "services/messagebox.h"
#include "services/randomsource.h"
#include "wallpaper/desktopwallpaper.h"
#include "window/frmdegcolor.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrelo"));
    QApplication::setApplicationVersion(QStringLiteral(OMBRELO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrelo.Ombrelo"));

    platform::QtMessageBoxService messageBoxes;
    platform::SteadyClock clock;
    platform::SystemClipboard clipboard;
    platform::TimeOfDayClock timeOfDay;
    platform::ClockSeededRandom random(timeOfDay);
    const platform::ControlHost controlHost;
    // "Exit" leaves the event loop: main returns and the application object
    // goes down normally, which hands copied text to the desktop's clipboard
    // manager.
    designer::WindowServices services{messageBoxes,
                                      clock,
                                      clipboard,
                                      controlHost,
                                      designer::defaultProfilePath(),
                                      designer::defaultProcedureSourcePath(),
                                      [] { QApplication::exit(0); },
                                      random};
    platform::SystemWallpaper wallpaper;
    services.wallpaper = &wallpaper;
    platform::QtFileDialogService fileDialogs;
    services.fileDialogs = &fileDialogs;

    designer::FrmDegColor window(services);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}

// ombrelo: the gradient designer. Starting it loads the main window.

#include "hosting/controlhost.h"
#include "services/clipboard.h"
#include "services/clock.h"
#include "services/messagebox.h"
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
    const platform::ControlHost controlHost;
    designer::WindowServices services{messageBoxes,
                                      clock,
                                      clipboard,
                                      controlHost,
                                      designer::defaultProfilePath(),
                                      designer::defaultProcedureSourcePath(),
                                      [] { QApplication::exit(0); }};

    designer::FrmDegColor window(services);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}

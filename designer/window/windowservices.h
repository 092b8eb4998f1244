#pragma once
// What the main window needs from outside: the platform services (scripted
// in tests), the control host, where its files lie, and how the program ends.

#include "logic/profilelocation.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {
class Clipboard;
class Clock;
class ControlHost;
class FileDialogService;
class MessageBoxService;
class RandomSource;
class WallpaperService;
} // namespace platform

namespace designer {

struct WindowServices {
    platform::MessageBoxService& messageBoxes;
    platform::Clock& clock;
    platform::Clipboard& clipboard;
    const platform::ControlHost& controlHost;
    QString profilePath;         // the style library, Draw.ini
    QString procedureSourcePath; // "Function Ombrelo.fnc"; may be missing
    std::function<void()> endProgram;
    platform::RandomSource& random; // reseeded from the time of day
    // Makes the saved bitmap the desktop wallpaper; none: not done.
    platform::WallpaperService* wallpaper = nullptr;
    // Asks where to save a picture; none: pictures are not saved.
    platform::FileDialogService* fileDialogs = nullptr;
};

// The procedure source beside the program, else in the first data folder
// (".../share/ombrelo") that has it; empty when none has it.
QString findProcedureSource(const QString& programFolder, const QStringList& dataFolders);

// The procedure source of the running program, with the user's data folders.
QString defaultProcedureSourcePath();

// The text of the procedure source as it is shipped (UTF-8, or the Windows
// code page of files copied from the Windows version); empty when the file
// is missing or unreadable.
QString readProcedureSource(const QString& path);

} // namespace designer

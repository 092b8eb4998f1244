#pragma once
// Folders of its own for every test program that shows the window, saves
// styles or sets the wallpaper, so that no test reads or writes the user's
// files, also when it is run by hand from a shell outside ctest: a home and
// the data, config, cache and runtime folders of the desktop's conventions
// (HOME, XDG_DATA_HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_RUNTIME_DIR) in
// one temporary folder, removed when the program ends.
//
// A program that links this file has them set before main() runs, so
// before its QApplication; the window fixture links it. Calling the function
// again changes nothing.

#include <QString>

namespace designer::test {

// The private home; the other folders lie in it.
QString usePrivateUserFolders();

} // namespace designer::test

#pragma once
// Where the home-page link leads: the address the build was configured with
// (a packager's real home page), else the user manual that ships with the
// program, found relative to the program's folder as its other files are.

#include <QString>

namespace designer {

class HostedControls;

// The link's address for a program in programFolder: a URL.
QString homePageAddress(const QString& programFolder);

// Points the hosted home-page link (URLLink1) at homePageAddress() of the
// running program; its stored address names no real site.
void pointHomePageLink(HostedControls& hosted);

} // namespace designer

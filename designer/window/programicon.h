#pragma once
// The program's icon, in every size it ships in, for its windows.

#include <QIcon>

namespace designer {

QIcon programIcon();

} // namespace designer

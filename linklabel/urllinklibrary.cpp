#include "urllinklibrary.h"

OMBRELO_CONTROL_LIBRARY_ENTRY_POINTS()

#include "otherlibrary.h"

OMBRELO_CONTROL_LIBRARY_ENTRY_POINTS()

#include "noentry.h"

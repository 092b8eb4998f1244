#include "foreign.h"

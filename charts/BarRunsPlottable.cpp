#include "BarRunsPlottable.h"

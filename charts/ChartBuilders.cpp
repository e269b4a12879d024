#include "ChartBuilders.h"

#include "ChartView.h"

#include "ErrorReport.h"

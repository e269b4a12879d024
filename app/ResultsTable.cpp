#include "ResultsTable.h"

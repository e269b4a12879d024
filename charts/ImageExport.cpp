#include "ImageExport.h"

#include "GifWriter.h"

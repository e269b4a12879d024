#include "IconArtwork.h"

#include "LogoArtwork.h"

#include "MenuGE.h"

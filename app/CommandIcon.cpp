#include "CommandIcon.h"

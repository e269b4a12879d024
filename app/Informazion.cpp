#include "Informazion.h"

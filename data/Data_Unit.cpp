#include "Data_Unit.h"

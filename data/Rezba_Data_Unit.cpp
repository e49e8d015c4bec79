#include "Rezba_Data_Unit.h"

#include "Decimal.h"

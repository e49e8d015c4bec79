#include "ThreadSelection.h"

#include "services/cVkSettings.h"

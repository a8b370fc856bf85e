#include "services/ServiceDialogs.h"

ServiceDialogs::~ServiceDialogs() = default;

#include "content/cVkReading.h"

cVkReading::cVkReading(QObject* parent) : QObject(parent) {}

cVkReading::~cVkReading() = default;

#include "content/cVkItem.h"

cVkItem::cVkItem(QObject* parent) : QObject(parent) {}

cVkItem::~cVkItem() = default;

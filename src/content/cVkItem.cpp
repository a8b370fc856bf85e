// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkItem.h"

cVkItem::cVkItem(QObject* parent) : QObject(parent) {}

cVkItem::~cVkItem() = default;

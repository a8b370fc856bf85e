// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkReading.h"

cVkReading::cVkReading(QObject* parent) : QObject(parent) {}

cVkReading::~cVkReading() = default;

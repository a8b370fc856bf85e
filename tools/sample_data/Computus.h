// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>

// The date of Easter Sunday in the Gregorian calendar, from which every moveable day of the
// church year is counted.
namespace Computus {

// Easter Sunday of `year` (the anonymous Gregorian algorithm, valid for every year from 1583).
// An invalid date for earlier years.
QDate easterSunday(int year);

} // namespace Computus

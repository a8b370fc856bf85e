// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The SQL date literal of a date value: #03/5/2024# in Access mode (0), '2024-03-05' in server
// mode (-1), empty in any other mode. A zero date writes #month/day/year# from the three
// numbers instead, in every mode.
QString getSQLDate(double date, qint16 month, qint16 day, qint16 year, qint16 sqlMode);

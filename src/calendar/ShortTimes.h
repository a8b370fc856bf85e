// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

// The times of day of one fill's plan rows in the system's short time form, as
// CalendarRow::shortTime gives them. The services of a month stand at a few times of day, so
// the locale's form is read once and each distinct time formatted once.
class ShortTimes {
public:
    ShortTimes();

    // The time of a Time value; null reads as empty, a value that is no date fails.
    QString of(const QVariant& value);

private:
    QString m_format;
    QHash<int, QString> m_texts; // by milliseconds since midnight
};

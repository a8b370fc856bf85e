// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

// The times of day of one fill's plan rows in the system's short time form, as
// CalendarRow::shortTime gives them. The services of a month stand at a few times of day, and
// the same ones month after month: the locale's form is read once per fill, and each distinct
// time formatted once for as long as the locale and its form stay the same.
class ShortTimes {
public:
    ShortTimes();

    // The time of a Time value; null reads as empty, a value that is no date fails.
    QString of(const QVariant& value);

private:
    QLocale m_locale;
    QString m_format;
};

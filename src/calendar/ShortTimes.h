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
// stored value formatted once for as long as the locale and its form stay the same.
class ShortTimes {
public:
    ShortTimes();

    // The time of a Time value; null reads as empty, a value that is no date fails.
    QString of(const QVariant& value);

private:
    // The time of a value that is not null, in the locale's form; fails when it is no date.
    QString format(const QVariant& value) const;

    QLocale m_locale;
    QString m_format;
    quint64 m_generation = 0; // of the thread's texts made in this locale and form
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

// The words a screen reader says for the calendars: a day with its liturgical names, colours
// and planned services, a month, a range of dates. English, or Norwegian when the locale is
// Norwegian, whatever the user's own language, so that the calendars speak the edition's.
class CalendarSpeech {
public:
    static constexpr int kColors = 7;
    // Colour values 0x00BBGGRR indexed by colour code: White, Violet, Green, Red, Black, Blue,
    // Scarlet.
    using ColorTable = std::array<qint32, kColors>;

    explicit CalendarSpeech(const QLocale& locale = QLocale());

    QLocale locale() const { return m_locale; }
    bool norwegian() const;
    // The colours whose names are said; without a table no colour is named.
    void setColorTable(const ColorTable& colors);

    // "Thursday 24 December 2026" / "torsdag 24. desember 2026".
    QString date(const QDate& date) const;
    // The full weekday names from the first day of the week (Sunday = 1).
    QStringList weekdays(int firstDayOfWeek) const;
    // "December 2026" / "desember 2026".
    QString month(int month, int year) const;
    // "30 November 2026 to 3 January 2027".
    QString range(const QDate& first, const QDate& last) const;
    // The name of a painted colour ("white"); empty for a colour outside the table.
    QString colorName(qint32 value) const;
    // One planned service: time, type and, when known, where: "18:00 Evening Prayer (Chapel)".
    static QString service(const QString& time, const QString& type, const QString& location);
    // A whole day: its date, its names, its colours (each named once), and its services, or
    // the number the marker tells when their lines are not known (marker 1 one, 3 several):
    // "Thursday 24 December 2026, Christmas Eve, white, 2 services: 18:00 Evening Prayer,
    // 23:00 Midnight Mass".
    QString day(const QDate& date, const QStringList& names, const QList<qint32>& colors,
                const QStringList& services, int marker) const;

private:
    QLocale m_locale;
    ColorTable m_colors{};
    bool m_hasColors = false;
};

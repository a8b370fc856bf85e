// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// A feast of the sample church year: its number (FeastRef), where it falls, its readings, its
// prayers and its names and notes in English and Norwegian.
struct Feast {
    enum class Rank {
        Principal,      // the day itself (a Sunday, a principal feast, a day of Holy Week)
        FeastOfOurLord, // a fixed festival that replaces a Sunday that gives way to it
        Festival,       // a fixed day; a second row beside a Sunday that gives way, else alone
        Commemoration,  // a fixed day; always a row beside the day of the week
    };

    int number = 0;
    QString when;  // "MM-DD" for a fixed date, else the key of a moveable day
    int month = 0; // of a fixed date; 0 for a moveable day
    int day = 0;
    QString lectionaryDay; // key in the lectionary table; empty when none
    QString group;         // prayer group
    int colour = 0;        // colour code before an edition's own changes
    Rank rank = Rank::Principal;
    QString nameEn;
    QString nameNo;
    QString noteEn;
    QString noteNo;

    QString name(bool norwegian) const { return norwegian ? nameNo : nameEn; }
    QString note(bool norwegian) const { return norwegian ? noteNo : noteEn; }
};

// The feasts of the data table, plus the numbered Sundays the generator makes itself: the
// Sundays after the Epiphany (2 to 9), after Pentecost (2 to 28) and of the Trinity season (2 to
// 27).
class FeastTable {
public:
    static constexpr int kFirstEpiphanySunday = 2;
    static constexpr int kLastEpiphanySunday = 9;
    static constexpr int kFirstPentecostSunday = 2;
    static constexpr int kLastPentecostSunday = 28;
    // Counted as the Church of Norway counts them: Trinity Sunday is the first.
    static constexpr int kFirstTrinitySunday = 2;
    static constexpr int kLastTrinitySunday = 27;

    static int epiphanySunday(int n) { return 9 + n; }
    static int pentecostSunday(int n) { return 39 + n; }
    static int trinitySunday(int n) { return 70 + n; }

    // Reads the table; false with `error` set when a line is malformed or a number repeats.
    bool load(const QString& path, QString* error);
    bool loadText(const QByteArray& text, const QString& name, QString* error);

    const Feast* byNumber(int number) const;
    const Feast* byKey(const QString& key) const;
    // The fixed-date feast of a month and day, or null.
    const Feast* fixedOn(int month, int day) const;
    const QMap<int, Feast>& all() const { return m_feasts; }

private:
    bool add(const Feast& feast, QString* error);
    bool addNumberedSundays(QString* error);

    QMap<int, Feast> m_feasts;
    QMap<QString, int> m_byKey;
    QMap<int, int> m_fixed; // month * 100 + day -> number
};

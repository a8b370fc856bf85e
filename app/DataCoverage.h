#pragma once

#include <QDate>
#include <QString>

// What the liturgy database that an INI file names covers: the first and last date of its
// calendar. The command line answers a date outside it in words instead of an empty page.
class DataCoverage {
public:
    // Reads "LiturgyFile" of section "Files" and the first and last date of that database's
    // calendar. False with `error` set when the file is missing or holds no calendar rows.
    bool read(const QString& iniFile, QString* error);

    // Whether a day from `from` to `to` lies in the data; else `error` names `asked` (the date
    // or month as the user gave it) and what the data covers.
    bool covers(const QDate& from, const QDate& to, const QString& asked, QString* error) const;

    // "1990-01-01 to 2060-12-31"
    QString span() const;

private:
    QString m_liturgyFile;
    QDate m_first;
    QDate m_last;
};

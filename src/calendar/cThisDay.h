// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/RowTable.h"

#include <QString>

// Resolves one date into all its liturgical days: the calendar rows of the date with their
// row number, short name and feast (columns ID, ShortName, FeastRef), in the database's order.
class cThisDay {
public:
    // The date value to resolve (days since 1899-12-30).
    double pDate() const { return m_date; }
    void setPDate(double value) { m_date = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 value) { m_user = value; }
    // The result of mResolve; not a table before a successful one.
    const RowTable& pLiturgicalDays() const { return m_liturgicalDays; }
    void setPLiturgicalDays(const RowTable& value) { m_liturgicalDays = value; }
    QString pLiturgyFile() const { return m_liturgyFile; }
    void setPLiturgyFile(const QString& value) { m_liturgyFile = value; }
    qint16 pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(qint16 value) { m_sqlMode = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }

    // Reads the calendar rows of pDate into pLiturgicalDays; false, and pLiturgicalDays as it
    // was, when the date has none or the query fails.
    bool mResolve();

    // The statement that mResolve runs.
    static QString statement(double date, qint16 sqlMode);

private:
    double m_date = 0;
    qint32 m_version = 0;
    qint32 m_user = 0;
    RowTable m_liturgicalDays;
    QString m_liturgyFile;
    qint16 m_sqlMode = 0;
    QString m_connectionString;
    QString m_vkIniFile;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "calendar/cLiturgicalColors.h"
#include "data/RowTable.h"
#include "support/FileIdentity.h"

#include <QString>
#include <QVariant>
#include <optional>

// What the month and the week fill share: the settings the host window gives them and the way
// they read the files that the INI file names.
class CalendarFill {
public:
    cLiturgicalColors* poLitColors() const { return m_litColors; }
    void setPoLitColors(cLiturgicalColors* value) { m_litColors = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    qint16 pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(qint16 value) { m_sqlMode = value; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 value) { m_user = value; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    QVariant pFillData() const { return m_fillData; }
    void setPFillData(const QVariant& value) { m_fillData = value; }

    // The date range of the statements: from the first of `month` of `year`, written
    // #month/1/year# in every SQL mode, to `lastDay` in `sqlMode`.
    static QString dateRange(int month, int year, const QDate& lastDay, qint16 sqlMode);
    // The statement of the calendar rows of a range, with the feast exclusion when asked.
    static QString calendarStatement(const QString& range, bool excludeFeasts);

protected:
    enum CalendarColumn { kId, kDate, kFeastRef, kDayColor, kShortName };

    // The colours by colour code; poLitColors must be set (object not set otherwise).
    cLiturgicalColors::Table colorTable() const;
    // The data files that section "Files" of the INI file names, read with one look at it.
    struct DataFiles {
        QString liturgy; // LiturgyFile
        QString plan;    // PlanFile
        // The plan file as planExists saw it, so that its query opens it without another look.
        std::optional<FileIdentity> planSeen;
    };
    DataFiles dataFiles() const;
    // Whether the plan file exists; a missing one only leaves the services out.
    static bool planExists(DataFiles* files);
    // All rows of `sql` on `dataFile` (as `seen` just now, when given); not a table when there is
    // none or the query failed.
    RowTable query(const QString& dataFile, const QString& sql,
                   const std::optional<FileIdentity>& seen = std::nullopt) const;

private:
    cLiturgicalColors* m_litColors = nullptr;
    QString m_connectionString;
    qint16 m_sqlMode = 0;
    qint32 m_user = 0;
    QString m_vkIniFile;
    qint32 m_version = 0;
    QVariant m_fillData;
};

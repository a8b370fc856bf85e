// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "content/cVkReadings.h"

#include <QObject>
#include <QString>

// The readings component ("VkLiturgicalDay.cVkLiturgicalDay"): lists the readings of one
// calendar row (pID) from the tbReadings table of the liturgy database, in SortOrder, then ID
// order. The other settings are kept as the day page gives them.
class cVkLiturgicalDay : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    Q_PROPERTY(bool pAskUser READ pAskUser WRITE setPAskUser)
    Q_PROPERTY(qint32 pScanDirection READ pScanDirection WRITE setPScanDirection)
    Q_PROPERTY(qint32 pID READ pID WRITE setPID)
    Q_PROPERTY(qint32 pServiceTemplate READ pServiceTemplate WRITE setPServiceTemplate)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(qint32 pSubLanguage READ pSubLanguage WRITE setPSubLanguage)
    Q_PROPERTY(double pDate READ pDate WRITE setPDate)
    Q_PROPERTY(QObject* pcolReadings READ pcolReadingsObject)
public:
    static constexpr const char* kProgId = "VkLiturgicalDay.cVkLiturgicalDay";

    explicit cVkLiturgicalDay(QObject* parent = nullptr);
    ~cVkLiturgicalDay() override;

    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 value) { m_user = value; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& value) { m_appTitle = value; }
    bool pAskUser() const { return m_askUser; }
    void setPAskUser(bool value) { m_askUser = value; }
    qint32 pScanDirection() const { return m_scanDirection; }
    void setPScanDirection(qint32 value) { m_scanDirection = value; }
    // The calendar row whose readings mResolve lists.
    qint32 pID() const { return m_id; }
    void setPID(qint32 value) { m_id = value; }
    qint32 pServiceTemplate() const { return m_serviceTemplate; }
    void setPServiceTemplate(qint32 value) { m_serviceTemplate = value; }
    // True in server mode.
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool value) { m_sqlMode = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    qint32 pSubLanguage() const { return m_subLanguage; }
    void setPSubLanguage(qint32 value) { m_subLanguage = value; }
    double pDate() const { return m_date; }
    void setPDate(double value) { m_date = value; }
    cVkReadings* pcolReadings() const { return m_readings; }

    // Lists the readings of pID into pcolReadings; false when the row has none or the
    // database cannot be read (reported).
    Q_INVOKABLE bool mResolve();

    // The statement that mResolve runs.
    static QString statement(qint32 calendarID);

private:
    QObject* pcolReadingsObject() const { return m_readings; }

    QString m_vkIniFile;
    qint32 m_version = 0;
    qint32 m_user = 0;
    QString m_appTitle;
    bool m_askUser = false;
    qint32 m_scanDirection = 0;
    qint32 m_id = 0;
    qint32 m_serviceTemplate = 0;
    bool m_sqlMode = false;
    QString m_connectionString;
    qint32 m_subLanguage = 0;
    double m_date = 0;
    cVkReadings* m_readings;
};

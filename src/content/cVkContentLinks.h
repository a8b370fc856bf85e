// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "content/cVkItem.h"

#include <QObject>
#include <QString>

// The content-links component ("VkContentLinks.cVkContentLinks"): finds in the tbContentLinks
// table of the liturgy database which content serves a liturgy component (pComponentID of
// pVkItem) on a calendar row (pCalendarID). The other settings are kept as given.
class cVkContentLinks : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(QString pSQLConnectionString READ pSQLConnectionString WRITE setPSQLConnectionString)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    Q_PROPERTY(qint32 pSubLanguage READ pSubLanguage WRITE setPSubLanguage)
    Q_PROPERTY(qint32 pTemplate READ pTemplate WRITE setPTemplate)
    Q_PROPERTY(qint32 pScanDirection READ pScanDirection WRITE setPScanDirection)
    Q_PROPERTY(qint32 pCalendarID READ pCalendarID WRITE setPCalendarID)
    Q_PROPERTY(QObject* pVkItem READ pVkItemObject)
public:
    static constexpr const char* kProgId = "VkContentLinks.cVkContentLinks";

    explicit cVkContentLinks(QObject* parent = nullptr);
    ~cVkContentLinks() override;

    qint32 pUser() const { return m_user; }
    void setPUser(qint32 value) { m_user = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    QString pSQLConnectionString() const { return m_sqlConnectionString; }
    void setPSQLConnectionString(const QString& value) { m_sqlConnectionString = value; }
    // True in server mode.
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool value) { m_sqlMode = value; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& value) { m_appTitle = value; }
    qint32 pSubLanguage() const { return m_subLanguage; }
    void setPSubLanguage(qint32 value) { m_subLanguage = value; }
    qint32 pTemplate() const { return m_template; }
    void setPTemplate(qint32 value) { m_template = value; }
    qint32 pScanDirection() const { return m_scanDirection; }
    void setPScanDirection(qint32 value) { m_scanDirection = value; }
    qint32 pCalendarID() const { return m_calendarID; }
    void setPCalendarID(qint32 value) { m_calendarID = value; }
    cVkItem* pVkItem() const { return m_item; }

    // True when the liturgy database can be opened (a failure is reported).
    Q_INVOKABLE bool mInitialize();
    // Sets pContentID of pVkItem to the content linked to its component on pCalendarID; false,
    // and pContentID 0, when there is no such link.
    Q_INVOKABLE bool mResolve();

    // The statement that mResolve runs.
    static QString statement(qint32 calendarID, qint32 componentID);

private:
    QObject* pVkItemObject() const { return m_item; }

    qint32 m_user = 0;
    qint32 m_version = 0;
    QString m_vkIniFile;
    QString m_sqlConnectionString;
    bool m_sqlMode = false;
    QString m_appTitle;
    qint32 m_subLanguage = 0;
    qint32 m_template = 0;
    qint32 m_scanDirection = 0;
    qint32 m_calendarID = 0;
    cVkItem* m_item;
};

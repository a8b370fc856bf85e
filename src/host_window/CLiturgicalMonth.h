// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QString>
#include <memory>

class MonthCalendarModel;

// The month export, as the component reaches it by the identifier
// "DeVerazararuDevur.CLiturgicalMonth": one month of the liturgy database as a word-processor
// document, the month and year as its title and a table of weeks whose cells carry the day
// number and the names of the day's liturgical days, shaded with the day's liturgical colour.
class CLiturgicalMonth : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool pShowFeast READ pShowFeast WRITE setPShowFeast)
    Q_PROPERTY(bool pFeastOnlyOnSundays READ pFeastOnlyOnSundays WRITE setPFeastOnlyOnSundays)
    Q_PROPERTY(qint32 pYear READ pYear WRITE setPYear)
    Q_PROPERTY(qint32 pMonth READ pMonth WRITE setPMonth)
    Q_PROPERTY(qint32 pFirstDay READ pFirstDay WRITE setPFirstDay)
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(QObject* pDocument READ pDocument)

public:
    static constexpr const char* kProgId = "DeVerazararuDevur.CLiturgicalMonth";

    CLiturgicalMonth();
    ~CLiturgicalMonth() override;

    // Whether the cells name the liturgical days.
    bool pShowFeast() const { return m_showFeast; }
    void setPShowFeast(bool value) { m_showFeast = value; }
    // Whether only Sundays name them.
    bool pFeastOnlyOnSundays() const { return m_onlySundays; }
    void setPFeastOnlyOnSundays(bool value) { m_onlySundays = value; }
    qint32 pYear() const { return m_year; }
    void setPYear(qint32 value) { m_year = value; }
    qint32 pMonth() const { return m_month; }
    void setPMonth(qint32 value) { m_month = value; }
    // The first column's weekday: 1 Sunday to 7 Saturday, 0 the system's first day of the week.
    qint32 pFirstDay() const { return m_firstDay; }
    void setPFirstDay(qint32 value) { m_firstDay = value; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    // The edition code, for the edition's feast exclusion.
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    // Server mode (true, with a connection string): the month comes from the host's server.
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool value) { m_sqlMode = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    // The document of the last export; null before.
    QObject* pDocument() const { return m_document; }

    // Writes the month into a new document of "Word.Application"; with `show` 1 the document
    // is shown (written to the export folder and opened), with 0 it is kept in pDocument.
    // False when the month cannot be exported (reported).
    Q_INVOKABLE bool ExportToWord(qint32 show);

    // The document's content for a filled month: title, weekday row and the weeks.
    QString html(const MonthCalendarModel& month) const;

private:
    bool m_showFeast = false;
    bool m_onlySundays = false;
    qint32 m_year = 0;
    qint32 m_month = 0;
    qint32 m_firstDay = 0;
    QString m_vkIniFile;
    qint32 m_version = 0;
    bool m_sqlMode = false;
    QString m_connectionString;
    std::unique_ptr<QObject> m_word;
    QObject* m_document = nullptr;
};

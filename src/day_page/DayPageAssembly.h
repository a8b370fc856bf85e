// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/FileIdentity.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class DayPageView;
class QFile;

// The day page without its window: the day list of the date, and the page file of one kind of
// content (readings 4, prayers 5, ordo 7) of the chosen liturgical day. Each section is built
// into the page file as an HTML fragment and shown through the view; a section is rebuilt only
// when its calendar row changed or the rebuild is forced.
class DayPageAssembly {
public:
    enum PageKind : qint32 { kReadings = 4, kPrayers = 5, kOrdo = 7 };

    explicit DayPageAssembly(DayPageView& view);
    ~DayPageAssembly();
    DayPageAssembly(const DayPageAssembly&) = delete;
    DayPageAssembly& operator=(const DayPageAssembly&) = delete;

    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    qint16 pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(qint16 value) { m_sqlMode = value; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 value) { m_user = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    // The date shown, a date value.
    double pDate() const { return m_date; }
    void setPDate(double value) { m_date = value; }
    // The page file (made by mInitialize).
    QString pHTMDataFile() const { return m_htmDataFile; }
    void setPHTMDataFile(const QString& value) { m_htmDataFile = value; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& value) { m_appTitle = value; }
    // The page kind, the window's tag.
    qint32 pageKind() const { return m_pageKind; }
    void setPageKind(qint32 value) { m_pageKind = value; }

    // The heading markup that mInitialize chose.
    QString h1Open() const { return m_h1Open; }
    QString h1Close() const { return m_h1Close; }
    QString h2Open() const { return m_h2Open; }
    QString h2Close() const { return m_h2Close; }

    // Makes the page file name and chooses the heading markup, inside "fThisDay.mInitialize".
    bool mInitialize();
    // The same without a procedure of its own, for a window whose mInitialize does more.
    void preparePage();

    // Rebuilds the page for pDate; `force` rebuilds even when nothing changed.
    bool mShow(bool force = false);
    // Fills the day list for pDate.
    bool resolve(bool force);
    // The user picked an entry of the day list: builds the section of the page kind for it.
    void dayListPicked();

    void getOrdoForDay(qint32 calendarID);
    void getTextsForDay(qint32 calendarID);
    void getPrayersForDay(qint32 calendarID);
    // Appends one reading (an object with pType, pID, pRef, pTypeString); true when its text
    // was appended.
    bool AddThisText(const QString& connectionString, QObject* reading);
    // Whether the day of `calendarID` has proper prayers (edition 1011 only tests it).
    bool testFeast(qint32 calendarID);
    // Deletes "MAIN.CSS" in the temporary folder.
    void cleanMainCSS();
    QString getTmpFile(QString prefix);
    QString TempPath();

    // Whether a day without readings gets its short page (a window) or the blank page (the
    // command line, which reports an empty page).
    void setShortPages(bool shortPages) { m_shortPages = shortPages; }

private:
    bool m_shortPages = false;
    QString liturgyFile() const;
    // The connection string of the liturgy database for this page's settings.
    QString liturgyConString() const;
    // The first value of `sql` on the liturgy database, as text (empty when none).
    QString readValue(const QString& sql) const;
    // Appends a piece and a line end to the page file, which stays open until the page is
    // shown or the build ends and is written then; a file that cannot be opened is the failure
    // 75.
    void append(const QString& text);
    // The page file opened for the build's first piece: over the previous page, or new.
    std::unique_ptr<QFile> openPage();
    // Deletes the previous build's page when no piece of the new one was written over it.
    void dropStalePage();
    // Flushes and closes the page file, cut to what was written; false when that failed.
    bool closePage();
    // Closes the page file and navigates to it.
    void showPage();
    void appendStyleBlock();
    // The print style sheet of the edition in the INI file's template folder; empty when none.
    QString styleSheet();
    void appendHeading(const QDate& date);
    // The heading's date, as HTML.
    QString headingDate(const QDate& date);
    // A short page for a date with nothing to show: the date, the weekday and that no
    // readings are appointed, rather than an empty page that looks broken in a window.
    void showNothingAppointed();
    void startSection(qint32* cache, qint32 calendarID);
    // Reads the liturgy file and the template folder that the build uses from the INI file.
    void beginBuild();
    void endSection();
    void gospelAcclamation(qint32 calendarID, const QString& conString);
    // The content-links component, set up for `calendarID`.
    std::unique_ptr<QObject> createContentLinks(qint32 calendarID, const QString& conString,
                                                qint32 serviceTemplate) const;

    DayPageView& m_view;
    QString m_vkIniFile;
    QString m_connectionString;
    qint16 m_sqlMode = 0;
    qint32 m_user = 0;
    qint32 m_version = 0;
    double m_date = 0;
    QString m_htmDataFile;
    QString m_appTitle;
    qint32 m_pageKind = 0;

    QString m_h1Open;
    QString m_h1Close;
    QString m_h2Open;
    QString m_h2Close;

    bool m_forced = false;
    bool m_inSection = false;
    QString m_sectionLiturgyFile;
    QString m_sectionTemplates; // the template folder that the build uses
    std::unique_ptr<QFile> m_page;
    QByteArray m_pageBytes;   // what was appended to the open page file
    bool m_pageStale = false; // the page file still holds the previous build
    // The temporary folder where MAIN.CSS was last found missing, and TMPDIR then.
    struct MissingMainCss {
        QString tmpDir;
        QString folder;
        FileIdentity identity;
    };
    std::optional<MissingMainCss> m_mainCssMissing;
    // The style sheet found last, for that template folder as named and found then.
    struct FoundStyleSheet {
        QString templates;
        qint32 version = 0;
        FileIdentity folderIdentity;
        QString sheet;
    };
    std::optional<FoundStyleSheet> m_styleSheet;
    // The heading's date as last formatted, and for what.
    QDate m_headingDate;
    QLocale m_headingLocale;
    QString m_headingDateText;
    double m_listDate = 0;
    qint32 m_ordoCache = 0;
    qint32 m_readingsCache = 0;
    qint32 m_prayersCache = 0;
};

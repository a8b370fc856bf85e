// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>

class MonthCalendarModel;
class MonthCalendarView;
class QObject;
class QWidget;
class WeekCalendarView;
class cBrowserHeader;
class fThisDay;

// The host window's printing: the month or week calendar through the print preview component,
// the current day page through a browser print header. The window only calls it; the command
// line uses the same set-up so that its PDF is what the printer gets.
class HostPrinting {
public:
    // What a print acts on and the window's settings for it.
    struct Job {
        bool dayPage = false;     // the day page rather than a calendar
        fThisDay* page = nullptr; // the day page shown, if any
        bool week = false;        // the week calendar rather than the month
        MonthCalendarView* month = nullptr;
        WeekCalendarView* weekCalendar = nullptr;
        qint32 version = 0;
        QString appTitle;
        QString caption;           // the host window's caption
        QObject* notify = nullptr; // the host's notify object, if any
        QWidget* owner = nullptr;  // the window the preview's owner belongs to
    };
    // Prints or previews what `job` names for the command "ID_PRINT" or "ID_PREVIEW".
    static bool doPrint(const Job& job, const QString& command);
    // Prints or previews `page`; false without one.
    static bool doPrintBrowser(fThisDay* page, QObject* notify, const QString& command);

    // The month calendar's appearance on paper.
    static void prepareMonthForPaper(MonthCalendarModel& model);
    // Sets the print preview's page: edition, landscape, preview for "ID_PREVIEW" and the
    // print dialog for "ID_PRINT" (another command leaves the default), 2 cm margins, the
    // host's title as header, "Date of print:" and today's long date as footer.
    static void setUpPreview(QObject* preview, qint32 version, const QString& appTitle,
                             const QString& command = {});
    // The footer of a printed calendar: the "Date of print:" text of the current language and
    // today's date in the long form.
    static QString printFooter();
    // The print preview's owner window: the host's placement (left, top, width, height in
    // twips) when `param` holds an array, else 500, 500 twips in from the screen's corner with
    // its width and height less 1000 twips; in pixels.
    static QRect ownerGeometry(const QVariant& param, const QSize& screen);
    // A day page's header (the date at the right) and footer (the component's title at the
    // left, page number and page count at the right), on the page's browser.
    static void setUpBrowserHeader(cBrowserHeader& header, fThisDay& page);
    // The page the user chose in the host's own page set-up: the host's notify object may
    // carry it as pPageLayout. Invalid when the host has none; the calendars and day pages
    // then print on their own page.
    static QPageLayout hostPageLayout(const QObject* notify);
    // The page the next print uses: the host's choice, else landscape with 2 cm margins for a
    // calendar and portrait with 2 cm margins for a day page (on the printer's own paper).
    static QPageLayout nextPageLayout(const QObject* notify, bool dayPage);
    // Before the host's page set-up opens: tells a host whose notify object has
    // pNextPageLayout the page the next print would use, so that the set-up starts from it.
    static void offerNextPageLayout(QObject* notify, bool dayPage);
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/CLiturgicalMonth.h"

#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"
#include "host_window/cWordApplication.h"
#include "resources/ResourceStrings.h"
#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"

#include <QColor>
#include <QLocale>

namespace {

constexpr int kDaysInWeek = 7;

// The weekday (Qt's numbering, Monday 1) of the first column for `firstDay`.
int firstColumnDay(qint32 firstDay) {
    if (firstDay == 0)
        return int(QLocale().firstDayOfWeek());
    return firstDay == 1 ? int(Qt::Sunday) : firstDay - 1;
}

// A colour 0x00BBGGRR as HTML.
QColor colorOf(qint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

CLiturgicalMonth::CLiturgicalMonth() = default;
CLiturgicalMonth::~CLiturgicalMonth() = default;

QString CLiturgicalMonth::html(const MonthCalendarModel& month) const {
    // The month and weekday names of the edition's language.
    const QLocale locale = ResourceStrings::locale();
    QString out = QStringLiteral("<h1>") +
                  (locale.standaloneMonthName(month.month()) + QLatin1Char(' ') +
                   QString::number(month.year()))
                      .toHtmlEscaped() +
                  QStringLiteral("</h1>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                                 "<tr>");
    const int first = firstColumnDay(m_firstDay);
    for (int column = 0; column < kDaysInWeek; ++column) {
        const int weekday = (first - 1 + column) % kDaysInWeek + 1;
        out += QStringLiteral("<th>") +
               locale.dayName(weekday, QLocale::ShortFormat).toHtmlEscaped() +
               QStringLiteral("</th>");
    }
    out += QStringLiteral("</tr>\n<tr>");
    const int lead = (month.dateOfDay(1).dayOfWeek() - first + kDaysInWeek) % kDaysInWeek;
    for (int column = 0; column < lead; ++column)
        out += QStringLiteral("<td></td>");
    int column = lead;
    for (int day = 1; day <= month.daysInMonth(); ++day, ++column) {
        if (column == kDaysInWeek) {
            out += QStringLiteral("</tr>\n<tr>");
            column = 0;
        }
        // One paragraph a cell, the names on lines of their own: a cell of several paragraphs
        // does not survive the OpenDocument writer.
        QString style;
        out += QStringLiteral("<td");
        if (const std::optional<qint32> color = month.dayColor(day)) {
            const QColor shade = colorOf(*color);
            out += QStringLiteral(" bgcolor=\"") + shade.name() + QLatin1Char('"');
            // Names stay readable on the dark colours.
            if (shade.lightness() < 100)
                style = QStringLiteral(" style=\"color:#ffffff\"");
        }
        out += QLatin1Char('>') + QStringLiteral("<p") + style + QStringLiteral("><b>") +
               QString::number(day) + QStringLiteral("</b>");
        const bool named =
            m_showFeast && (!m_onlySundays || month.dateOfDay(day).dayOfWeek() == Qt::Sunday);
        for (int line = 1; named && line <= MonthCalendarModel::kLines; ++line) {
            const QString name = month.dayText(day, line);
            if (!name.isEmpty())
                out += QStringLiteral("<br>") + name.toHtmlEscaped();
        }
        out += QStringLiteral("</p></td>");
    }
    for (; column < kDaysInWeek; ++column)
        out += QStringLiteral("<td></td>");
    out += QStringLiteral("</tr>\n</table>\n");
    return out;
}

bool CLiturgicalMonth::ExportToWord(qint32 show) {
    ProcScope scope("CLiturgicalMonth.ExportToWord");
    bool result = false;
    scope.run([&] {
        if (m_month < 1 || m_month > 12 || m_year < 100 || m_year > 9999)
            throw Failure::invalidCall(QStringLiteral("month %1 of %2").arg(m_month).arg(m_year));
        if (m_firstDay < 0 || m_firstDay > kDaysInWeek)
            throw Failure::invalidCall(QStringLiteral("pFirstDay %1").arg(m_firstDay));
        MonthCalendarModel month;
        month.setCurrentDate(QDate(m_year, m_month, 1));
        cLiturgicalColors colors;
        colors.mSetDefaultColors();
        cFillCalendar fill;
        fill.setPVkIniFile(m_vkIniFile);
        fill.setPVersion(m_version);
        const bool server = m_sqlMode && !m_connectionString.isEmpty();
        fill.setPSQLMode(server ? -1 : 0);
        fill.setPConnectionString(server ? m_connectionString : QString());
        fill.setPoLitColors(&colors);
        fill.setPctMonth(&month);
        fill.mFillCalendar();

        m_document = nullptr;
        m_word = ObjectRegistry::CreateObject(QString::fromLatin1(cWordApplication::kProgId));
        QObject* documents = LateBinding::getObject(m_word.get(), "Documents");
        QObject* document = LateBinding::objectOf(LateBinding::call(documents, "Add"));
        if (!document)
            throw Failure::objectNotSet(QStringLiteral("Documents.Add"));
        LateBinding::call(document, "InsertHtml", {html(month)});
        LateBinding::call(document, "GoTo", {-1, QStringLiteral("\\StartOfDoc")});
        m_document = document;
        if (show != 0) {
            LateBinding::set(m_word.get(), "Visible", true);
            LateBinding::call(m_word.get(), "Activate");
        }
        result = true;
    });
    return result;
}

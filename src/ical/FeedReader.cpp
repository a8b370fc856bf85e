// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/FeedReader.h"

#include "calendar/CalendarRow.h"
#include "data/DataSource.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QHash>
#include <cmath>
#include <utility>

namespace {

constexpr qint32 kEngineError = -2147467259;
constexpr int kColorCount = 7;

// Day_Color as a colour code; -1 when it is none (null, a fraction, outside the table), so that
// one bad row costs its colour, not the whole feed.
qint32 colorCode(const QVariant& value) {
    bool ok = false;
    const double code = value.isNull() ? -1 : value.toDouble(&ok);
    if (!ok || code < 0 || code >= kColorCount || code != std::floor(code))
        return -1;
    return qint32(code);
}

} // namespace

FeedReader::FeedReader(QString iniFile, QString server)
    : m_iniFile(std::move(iniFile)), m_server(std::move(server)) {}

QString FeedReader::filesKey(const char* key) const {
    return modIni::read(m_iniFile, QStringLiteral("Files"), QString::fromLatin1(key)).trimmed();
}

QString FeedReader::literal(const QDate& date) const {
    return getSQLDate(OleDate::fromDate(date), 0, 0, 0, m_server.isEmpty() ? 0 : -1);
}

ConnectionPtr FeedReader::connect(Kept& kept, const QString& connectionString) {
    if (kept.connection && kept.connectionString == connectionString && kept.connection->isOpen() &&
        kept.connection->fileUnchanged())
        return kept.connection;
    kept.connection.reset();
    auto connection = std::make_shared<Connection>();
    connection->Open(connectionString);
    kept = {connectionString, connection};
    return connection;
}

CalendarFeed FeedReader::read(const QDate& first, const QDate& last, bool withDays,
                              bool withServices) {
    CalendarFeed feed;
    const auto rangeOf = [&](const QString& column) {
        return QStringLiteral(" WHERE %1 >= %2 AND %1 < %3")
            .arg(column, literal(first), literal(last.addDays(1)));
    };
    const QString range = rangeOf(QStringLiteral("Date"));

    // The calendar rows: the days themselves, and the names of the days that services fall on.
    QString liturgyString = m_server;
    if (m_server.isEmpty()) {
        const QString file = filesKey("LiturgyFile");
        if (file.isEmpty())
            throw Failure(
                kEngineError,
                QStringLiteral("The INI file '%1' names no liturgy database.").arg(m_iniFile));
        liturgyString = mADO::mGetConString(mVBFileDisk::resolveLetterCase(file), 0, QString());
    }
    const ConnectionPtr liturgy = connect(m_liturgy, liturgyString);
    const RowTable rows = liturgy->fetchAll(
        QStringLiteral("SELECT ID, Date, Day_Color, ShortName FROM tbCalenderData") + range +
        QStringLiteral(" ORDER BY Date, ID"));
    QHash<QDate, QString> keptDay; // the last row of a date is the day the church keeps
    QHash<qint32, qsizetype> dayOfId;
    for (int row = 0; row < rows.rowCount(); ++row) {
        CalendarFeed::Day day;
        day.id = rows.at(0, row).toInt();
        day.date = CalendarRow::civilDate(rows.at(1, row), "Date");
        day.colorCode = colorCode(rows.at(2, row));
        day.name = CalendarRow::text(rows.at(3, row));
        keptDay.insert(day.date, day.name);
        if (!withDays)
            continue;
        dayOfId.insert(day.id, feed.days.size());
        feed.days.append(day);
    }

    if (withDays && !feed.days.isEmpty()) {
        const RowTable readings = liturgy->fetchAll(
            QStringLiteral("SELECT tbReadings.CalendarID, tbReadings.Ref FROM tbReadings INNER "
                           "JOIN tbCalenderData ON tbReadings.CalendarID = tbCalenderData.ID") +
            rangeOf(QStringLiteral("tbCalenderData.Date")) +
            QStringLiteral(" ORDER BY tbReadings.CalendarID, tbReadings.SortOrder, "
                           "tbReadings.ID"));
        for (int row = 0; row < readings.rowCount(); ++row) {
            const auto day = dayOfId.constFind(readings.at(0, row).toInt());
            const QString ref = CalendarRow::text(readings.at(1, row)).trimmed();
            if (day != dayOfId.constEnd() && !ref.isEmpty())
                feed.days[*day].references.append(ref);
        }
    }

    if (!withServices)
        return feed;
    QString planString = m_server;
    if (m_server.isEmpty()) {
        const QString file = mVBFileDisk::resolveLetterCase(filesKey("PlanFile"));
        if (file.isEmpty() || !mVBFileDisk::fileExists(file))
            return feed;
        planString = mADO::mGetConString(file, 0, QString());
    }
    // On a server the plan lies beside the calendar, on the same connection.
    const ConnectionPtr plan = m_server.isEmpty() ? connect(m_plan, planString) : liturgy;
    // Services at the same time are ordered by their values, so that each keeps its place and
    // its identity from one read to the next.
    const RowTable services =
        plan->fetchAll(QStringLiteral("SELECT Date, Time, ServType, Location FROM tbMainPlan") +
                       range + QStringLiteral(" ORDER BY Date, Time, ServType, Location"));
    for (int row = 0; row < services.rowCount(); ++row) {
        CalendarFeed::Service service;
        service.date = CalendarRow::civilDate(services.at(0, row), "Date");
        const QVariant time = services.at(1, row);
        if (!time.isNull())
            service.time = OleDate::toTime(time.toDouble());
        service.kind = CalendarRow::text(services.at(2, row)).trimmed();
        service.place = CalendarRow::text(services.at(3, row)).trimmed();
        service.dayName = keptDay.value(service.date);
        feed.services.append(service);
    }
    return feed;
}

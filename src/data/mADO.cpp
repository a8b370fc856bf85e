// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/mADO.h"

#include "data/ConnectionCache.h"
#include "data/DataSource.h"
#include "support/CErrHandler.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"
#include "support/modLog.h"

#include <QStringBuilder>
#include <optional>

namespace {

constexpr qint16 kServerMode = -1;
constexpr qint16 kAccessMode = 0;

Failure noConnection() {
    return {3709, QStringLiteral("The connection cannot be used to perform this operation. It is "
                                 "either closed or invalid in this context.")};
}

// A value as the connection-string syntax reads it back whole: quoted (inner quotes doubled)
// when it holds a separator, starts with a quote or has blanks at either end.
QString connectionValue(const QString& value) {
    // Blanks at either end are what trimming would take away.
    const bool blankEnd = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool plain = !value.contains(QLatin1Char(';')) && !value.startsWith(QLatin1Char('"')) &&
                       !value.startsWith(QLatin1Char('\'')) && !blankEnd;
    if (plain)
        return value;
    return QLatin1Char('"') + QString(value).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

namespace mADO {

QString mGetConString(const QString& dataFile, qint16 sqlMode, const QString& connectionString,
                      const QString& prefix) {
    ProcScope scope("mADO.mGetConString");
    QString result;
    scope.run([&] {
        if (sqlMode == kServerMode) {
            if (prefix.isEmpty()) {
                result = connectionString;
                return;
            }
            result = QString(connectionString)
                         .replace(QStringLiteral("Provider"), QStringLiteral("Data Provider"),
                                  Qt::CaseSensitive) +
                     prefix;
            return;
        }
        if (sqlMode != kAccessMode)
            return;
        const QString jet =
            u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" % connectionValue(dataFile) % u';';
        result = prefix.isEmpty() ? jet : prefix + QStringLiteral("Data ") + jet;
    });
    return result;
}

ConnectionPtr getConnection(const QString& dataFile, const QString& connectionString,
                            const std::optional<FileIdentity>& seen) {
    ProcScope scope("mADO.getConnection");
    ConnectionPtr result;
    scope.run(
        [&] {
            ConnectionCache& cache = ConnectionCache::instance();
            // A server's string names no data file: its connection is found by the whole
            // string, or every query would open another server connection. A string some
            // connection was opened with is known without reading it again.
            const int same = cache.indexOfConnectionString(connectionString);
            const Connection* known = same >= 0 ? cache.connections()[same].get() : nullptr;
            std::optional<DataSource::Target> target;
            if (!known || !known->isOpen())
                target = cache.parsed(connectionString);
            const bool server = target ? DataSource::isPostgreSQL(*target) : known->isServer();
            const int found = server ? same : cache.indexOf(dataFile);
            if (found >= 0) {
                result = cache.connections()[found];
                return;
            }
            auto connection = std::make_shared<Connection>();
            if (!target)
                target = cache.parsed(connectionString);
            connection->Open(connectionString, *target, seen);
            cache.append(connection);
            result = connection;
        },
        [&](const Failure& failure) {
            ProcScope::handle(failure);
            modLog::writeRecord(
                {QStringLiteral("File: ") + dataFile,
                 QStringLiteral("Connection String: ") + DataSource::masked(connectionString),
                 QStringLiteral("mAdo"), QStringLiteral("getConnection")});
        });
    return result;
}

ResData getResData(const ConnectionPtr& connection, const QString& sql, qint16 mode, bool silent) {
    ProcScope scope("mADO.getResData");
    ResData result;
    scope.run(
        [&] {
            if (!connection)
                throw noConnection();
            switch (mode) {
            case 1:
                if (const auto value = connection->fetchFirstValue(sql))
                    result = ResData::fromString(value->toString(), *value);
                else
                    result = ResData::fromString(QString());
                return;
            case 2:
                result = ResData::fromRecordset(connection->openRecordset(sql));
                return;
            case 3: {
                RowTable rows = connection->fetchAll(sql);
                if (rows.rowCount() > 0)
                    result = ResData::fromTable(std::move(rows));
                return;
            }
            case 4:
                connection->execute(sql);
                result = ResData::fromBool(true);
                return;
            default:
                // Any other mode opens the statement like a read and gives nothing back.
                connection->fetchFirstValue(sql);
                return;
            }
        },
        [&](const Failure& failure) {
            if (!silent)
                errHandler().showFailure(failure.number(), failure.description(),
                                         QStringLiteral("mADO.getResData"));
            modLog::writeRecord({failure.number(), failure.description(), QStringLiteral("mADO"),
                                 QStringLiteral("getResData")});
        });
    return result;
}

bool closeConnection(const QString& dataFile) {
    ProcScope scope("mADO.closeConnection");
    bool result = false;
    scope.run([&] {
        ConnectionCache* cache = ConnectionCache::existing();
        if (dataFile.isEmpty() || !cache)
            return;
        // Every connection of the file goes; the result tells whether any did.
        for (int index = cache->indexOf(dataFile); index >= 0;
             index = cache->indexOf(dataFile, index)) {
            const ConnectionPtr connection = cache->connections()[index];
            connection->Close();
            cache->removeAt(index);
            result = true;
        }
    });
    return result;
}

void dropChangedConnections(const QString& dataFile) {
    ConnectionCache* cache = ConnectionCache::existing();
    if (dataFile.isEmpty() || !cache)
        return;
    const QString wanted = cache->upperCase(dataFile);
    for (int index = 0; index < cache->count();) {
        const ConnectionPtr connection = cache->connections()[index];
        if (!connection ||
            !ConnectionCache::mentions(connection->upperConnectionString(), wanted) ||
            connection->fileUnchanged()) {
            ++index;
            continue;
        }
        connection->Close();
        cache->removeAt(index);
    }
}

bool showConnections() {
    return false;
}

QString fixSQL(const QString& sql, qint16 sqlMode) {
    if (sqlMode == kAccessMode)
        return sql;
    if (sqlMode == kServerMode)
        ui().messageBox(UserInterface::Icon::None, UserInterface::Buttons::Ok, QString(),
                        QStringLiteral("The database server cannot run this request."),
                        QStringLiteral("mADO.fixSQL"));
    return {};
}

} // namespace mADO

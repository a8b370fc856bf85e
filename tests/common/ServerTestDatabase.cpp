// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/ServerTestDatabase.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString replacedKey(const QString& connectionString, const QString& key, const QString& value) {
    QString result = connectionString;
    const QRegularExpression pattern(QStringLiteral("(^|;)(%1=)[^;]*").arg(key),
                                     QRegularExpression::CaseInsensitiveOption);
    result.replace(pattern, QStringLiteral("\\1\\2") + value);
    return result;
}

QString keyOf(const QString& connectionString, const QString& key) {
    const QRegularExpression pattern(QStringLiteral("(?:^|;)%1=([^;]*)").arg(key),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(connectionString).captured(1);
}

} // namespace

ServerTestDatabase::ServerTestDatabase() {
    m_clusterString = qEnvironmentVariable("LC_TEST_POSTGRES");
    if (m_clusterString.isEmpty()) {
        m_skipReason = QStringLiteral("LC_TEST_POSTGRES is not set: no PostgreSQL cluster to test "
                                      "server mode against (scripts/dev.sh test starts one)");
        return;
    }
    m_name = QStringLiteral("lc_") + QUuid::createUuid().toString(QUuid::Id128);
    const QString failure = admin(QStringLiteral("CREATE DATABASE ") + m_name);
    if (!failure.isEmpty()) {
        m_skipReason = QStringLiteral("cannot create a test database: ") + failure;
        m_name.clear();
        return;
    }
    m_connectionString = replacedKey(m_clusterString, QStringLiteral("Database"), m_name);
}

ServerTestDatabase::~ServerTestDatabase() {
    if (!m_name.isEmpty())
        admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

QString ServerTestDatabase::withPassword(const QString& password) const {
    return replacedKey(m_connectionString, QStringLiteral("Password"), password);
}

QString ServerTestDatabase::admin(const QString& sql) const {
    const QString name = QStringLiteral("lc_test_admin");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(keyOf(m_clusterString, QStringLiteral("Server")));
        db.setPort(keyOf(m_clusterString, QStringLiteral("Port")).toInt());
        db.setDatabaseName(keyOf(m_clusterString, QStringLiteral("Database")));
        db.setUserName(keyOf(m_clusterString, QStringLiteral("User ID")));
        db.setPassword(keyOf(m_clusterString, QStringLiteral("Password")));
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(sql))
                failure = query.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return failure;
}

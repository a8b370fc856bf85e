// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// A database of its own on the throwaway PostgreSQL cluster that scripts/dev.sh starts and names
// in LC_TEST_POSTGRES, created for one test and dropped after it, so that test programs running
// side by side never meet. Without the variable there is no cluster: tests then skip.
class ServerTestDatabase {
public:
    ServerTestDatabase();
    ~ServerTestDatabase();
    ServerTestDatabase(const ServerTestDatabase&) = delete;
    ServerTestDatabase& operator=(const ServerTestDatabase&) = delete;

    // Why there is no database (no cluster, or it could not be made); empty when there is one.
    const QString& skipReason() const { return m_skipReason; }
    // The connection string of the test's own database.
    const QString& connectionString() const { return m_connectionString; }
    // The cluster's connection string with another password.
    QString withPassword(const QString& password) const;

private:
    // Runs `sql` on the cluster's own database; the server's reason when it fails.
    QString admin(const QString& sql) const;

    QString m_clusterString;
    QString m_connectionString;
    QString m_name;
    QString m_skipReason;
};

// Skips the test (with its reason) when there is no server database.
#define SKIP_WITHOUT_SERVER(db)                                                                    \
    do {                                                                                           \
        if (!(db).skipReason().isEmpty())                                                          \
            GTEST_SKIP() << (db).skipReason().toStdString();                                       \
    } while (0)

#pragma once

#include "common/TestEnv.h"
#include "data/Schema.h"
#include "support/OleDate.h"
#include "support/modLog.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

// Databases made through the schema module in the test's folder, filled through a writable
// connection of the test's own, and the log as the data layer leaves it.
class DataTest : public TestEnv {
protected:
    // Creates a database of `kind` named `name` in the test's folder and returns its path.
    QString createDatabase(const QString& name, Schema::Kind kind) const {
        const QString p = path(name);
        QString error;
        EXPECT_TRUE(Schema::create(p, kind, &error)) << error.toStdString();
        return p;
    }

    // Runs `sql` with `rows` bound one row after another on a writable connection.
    static void fill(const QString& file, const QString& sql, const QList<QVariantList>& rows) {
        const QString name = QStringLiteral("test_fill");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            db.transaction();
            QSqlQuery q(db);
            ASSERT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
            for (const QVariantList& row : rows) {
                for (int i = 0; i < row.size(); ++i)
                    q.bindValue(i, row[i]);
                ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase(name);
    }

    static double ole(int y, int m, int d) { return OleDate::fromDate(QDate(y, m, d)); }

    // The records of the log file, each without the version and time stamp before " Error: ".
    static QStringList logRecords() {
        QFile f(modLog::logFilePath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList records;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).remove(QLatin1Char('\r'));
            const qsizetype at = text.indexOf(QStringLiteral(" Error: "));
            if (at >= 0)
                records.append(text.mid(at + 8));
        }
        return records;
    }
};

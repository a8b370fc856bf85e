// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/SqlFile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool withDatabase(const QString& file, const std::function<bool(QSqlDatabase&)>& work) {
    static int counter = 0;
    const QString name = QStringLiteral("sql_file_%1").arg(++counter);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open())
            ok = work(db);
        else
            ADD_FAILURE() << "cannot open " << file.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

namespace SqlFile {

bool create(const QString& file, Schema::Kind kind) {
    QString error;
    if (Schema::create(file, kind, &error))
        return true;
    ADD_FAILURE() << "cannot create " << file.toStdString() << ": " << error.toStdString();
    return false;
}

bool exec(const QString& file, const QStringList& statements) {
    return withDatabase(file, [&](QSqlDatabase& db) {
        db.transaction();
        QSqlQuery q(db);
        for (const QString& sql : statements) {
            if (!q.exec(sql)) {
                ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
                db.rollback();
                return false;
            }
        }
        return db.commit();
    });
}

bool insert(const QString& file, const QString& sql, const QList<QVariantList>& rows) {
    return withDatabase(file, [&](QSqlDatabase& db) {
        db.transaction();
        QSqlQuery q(db);
        bool ok = q.prepare(sql);
        for (qsizetype i = 0; ok && i < rows.size(); ++i) {
            for (int v = 0; v < rows[i].size(); ++v)
                q.bindValue(v, rows[i][v]);
            ok = q.exec();
        }
        if (!ok) {
            ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
            db.rollback();
            return false;
        }
        return db.commit();
    });
}

QList<QVariantList> rows(const QString& file, const QString& sql) {
    QList<QVariantList> result;
    withDatabase(file, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
            return false;
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row.append(q.value(i));
            result.append(row);
        }
        return true;
    });
    return result;
}

QVariant value(const QString& file, const QString& sql) {
    const QList<QVariantList> all = rows(file, sql);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

} // namespace SqlFile

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "common/RowText.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"
#include "data/Recordset.h"
#include "data/ResData.h"
#include "data/RowTable.h"
#include "data/Schema.h"
#include "data/mADO.h"
#include "support/OleDate.h"
#include "support/modLog.h"

#include <QDate>
#include <QFile>
#include <QStringList>
#include <QVariantList>

// Databases made through the schema module in the test's folder, filled through a writable
// connection of the test's own, and the log as the data layer leaves it.
class DataTest : public TestEnv {
protected:
    // Creates a database of `kind` named `name` in the test's folder and returns its path.
    QString createDatabase(const QString& name, Schema::Kind kind) const {
        SqlFile::create(path(name), kind);
        return path(name);
    }

    // The Jet connection string of `file`, as the component writes it.
    static QString jet(const QString& file) { return mADO::mGetConString(file, 0, QString()); }
    // The component's connection to `file`.
    static ConnectionPtr connect(const QString& file) {
        return mADO::getConnection(file, jet(file));
    }

    // Runs `sql` with `rows` bound one row after another on a writable connection.
    static void fill(const QString& file, const QString& sql, const QList<QVariantList>& rows) {
        ASSERT_TRUE(SqlFile::insert(file, sql, rows));
    }

    // What a result holds, whole: its kind, then its text, its value, or each row of its
    // recordset or table with the columns joined by '|'. A recordset is read to its end.
    static QStringList resultLines(const ResData& r) {
        static const char* const kinds[] = {"Empty", "String", "Recordset", "Table", "Bool"};
        QStringList out{QString::fromLatin1(kinds[int(r.kind())])};
        if (r.kind() == ResData::Kind::String)
            out.append(r.toString());
        if (r.kind() == ResData::Kind::Bool)
            out.append(r.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        for (const RecordsetPtr rs = r.recordset(); rs && !rs->Eof(); rs->MoveNext()) {
            QStringList cells;
            for (int col = 0; col < rs->fieldCount(); ++col)
                cells.append(rs->value(col).toString());
            out.append(cells.join(QLatin1Char('|')));
        }
        out.append(rowLines(r.table(), QString()));
        return out;
    }

    // The rows of a table as text: rows joined by new lines.
    static QString rowsText(const RowTable& table) {
        return rowLines(table).join(QLatin1Char('\n'));
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

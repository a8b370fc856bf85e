// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The Jet translator, its bridge to the server's dialect and the connection-string parser on any
// text; a data file's path goes
// into a connection string and comes back out unchanged.
#include "FuzzInput.h"
#include "FuzzWorld.h"
#include "data/DataSource.h"
#include "data/JetDialect.h"
#include "data/PostgresDialect.h"
#include "data/mADO.h"
#include "support/Failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWorld::folder();
    FuzzInput in(data, size);
    const QString path = in.line();
    const QString text = QString::fromUtf8(in.rest());

    // A statement translates or fails with a Failure; nothing else.
    try {
        (void)JetDialect::toSQLite(text);
    } catch (const Failure&) {
    }
    try {
        const JetDialect::Translation t = JetDialect::toSQLiteWithParameters(text);
        FuzzWorld::check(t.text.count(u'?') >= t.dates.size(), "a parameter per date literal");
    } catch (const Failure&) {
    }
    try {
        const QString server = PostgresDialect::toPostgreSQL(text);
        // A statement without quotes, brackets or date literals only gains the place of nulls.
        if (!text.contains(u'\'') && !text.contains(u'"') && !text.contains(u'[') &&
            !text.contains(u'#')) {
            qsizetype at = 0;
            for (const QChar c : server)
                at += at < text.size() && text.at(at) == c;
            FuzzWorld::check(at == text.size(), "the statement kept as given");
        }
    } catch (const Failure&) {
    }
    double value = 0;
    (void)JetDialect::parseDateLiteral(text, &value);
    (void)DataSource::parse(text);

    const QString connection = mADO::mGetConString(path, 0, QString());
    const DataSource::Target target = DataSource::parse(connection);
    FuzzWorld::check(target.kind == DataSource::Target::Kind::JetFile, "a Jet string");
    FuzzWorld::check(target.dataSource == path, "the data file reads back");
    FuzzWorld::clearReports();
    return 0;
}

#pragma once

#include <QMap>
#include <QString>

// What a connection string names and which file serves it.
namespace DataSource {

struct Target {
    enum class Kind { None, JetFile, Server };
    Kind kind = Kind::None;
    QString provider;   // the provider that serves the data ("Data Provider" behind a shape)
    QString dataSource; // the data file of a Jet string, the server of another
    QMap<QString, QString> keys; // every key (upper case) and its value
};

// Splits a connection string of "key=value;" pairs (keys without regard to letter case,
// values optionally quoted). A Jet or ACE provider makes a JetFile target.
Target parse(const QString& connectionString);

// The SQLite file that serves the data file `dataFile`: the file itself when it is an SQLite
// database (found without regard to letter case). Throws Failure naming the file when it is
// missing, is an Access file that cannot be read yet, or is neither.
QString sqliteFileFor(const QString& dataFile);

// Whether the file at `path` begins like an Access (Jet or ACE) database.
bool isAccessFile(const QString& path);

} // namespace DataSource

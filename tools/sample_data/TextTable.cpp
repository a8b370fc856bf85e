// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "TextTable.h"

#include <QFile>

namespace TextTable {

bool read(const QString& path, int columns, QList<Record>* records, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), path, columns, records, error);
}

bool parse(const QByteArray& text, const QString& name, int columns, QList<Record>* records,
           QString* error) {
    records->clear();
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() != columns) {
            if (error)
                *error = QStringLiteral("%1, line %2: %3 fields where %4 are expected")
                             .arg(name)
                             .arg(i + 1)
                             .arg(fields.size())
                             .arg(columns);
            return false;
        }
        for (QString& field : fields) {
            field = field.trimmed();
            if (field == QLatin1String("-"))
                field.clear();
        }
        records->append(Record{i + 1, fields});
    }
    return true;
}

} // namespace TextTable

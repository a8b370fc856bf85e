// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The data tables of the generator are plain text so that a person can read and correct them:
// one record a line, fields separated by '|', spaces around a field ignored, '#' starting a
// comment line, '-' standing for an empty field.
namespace TextTable {

struct Record {
    int line = 0; // 1-based line number in the file, for messages
    QStringList fields;
};

// The records of `path`, each with exactly `columns` fields. False, with `error` naming the file
// and line, when the file cannot be read or a record has another number of fields.
bool read(const QString& path, int columns, QList<Record>* records, QString* error);
// The same for a text already in memory; `name` is used in messages.
bool parse(const QByteArray& text, const QString& name, int columns, QList<Record>* records,
           QString* error);

} // namespace TextTable

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Schema.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVariantList>

// A database for the content and day page tests, made by the schema module and filled through
// QtSql with the rows a test names. Null values are null QVariants.
class TestDatabase {
public:
    // Creates the database at `path`; the test fails when it cannot.
    TestDatabase(const QString& path, Schema::Kind kind);

    const QString& path() const { return m_path; }

    // Runs a statement with positional values; the test fails when it cannot.
    void exec(const QString& sql, const QVariantList& values = {});

    void addDay(qint32 id, const QDate& date, const QVariant& feastRef, const QVariant& shortName);
    void addReading(qint32 id, qint32 calendarID, qint32 sortOrder, qint32 type, qint32 contentID,
                    const QString& ref, const QString& typeString);
    void addLink(qint32 calendarID, qint32 componentID, qint32 contentID);
    void addContent(qint32 id, const QVariant& name, const QVariant& html);
    void addBibleText(qint32 id, const QVariant& html);
    void addLyrics(qint32 id, const QVariant& html);
    void addUserText(qint32 id, const QVariant& text);
    void addOrdo(const QDate& date, const QVariant& text);

private:
    QString m_path;
};

// The date value of a date.
double oleDate(const QDate& date);

// An INI text (CR LF lines; "Files" and "FILES" are one section) naming the liturgy database, the
// service database and the template folder.
QByteArray iniText(const QString& liturgyFile, const QString& serviceFile = QString(),
                   const QString& templatePath = QString());

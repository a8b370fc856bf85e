// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/ContentTestData.h"

#include "common/SqlFile.h"
#include "support/OleDate.h"

#include <gtest/gtest.h>

TestDatabase::TestDatabase(const QString& path, Schema::Kind kind) : m_path(path) {
    SqlFile::create(path, kind);
}

void TestDatabase::exec(const QString& sql, const QVariantList& values) {
    ASSERT_TRUE(SqlFile::insert(m_path, sql, {values}));
}

void TestDatabase::addDay(qint32 id, const QDate& date, const QVariant& feastRef,
                          const QVariant& shortName) {
    exec(QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, ShortName) "
                        "VALUES (?, ?, ?, 0, ?)"),
         {id, oleDate(date), feastRef, shortName});
}

void TestDatabase::addReading(qint32 id, qint32 calendarID, qint32 sortOrder, qint32 type,
                              qint32 contentID, const QString& ref, const QString& typeString) {
    exec(QStringLiteral("INSERT INTO tbReadings (ID, CalendarID, SortOrder, Type, ContentID, "
                        "Ref, TypeString) VALUES (?, ?, ?, ?, ?, ?, ?)"),
         {id, calendarID, sortOrder, type, contentID, ref, typeString});
}

void TestDatabase::addLink(qint32 calendarID, qint32 componentID, qint32 contentID) {
    exec(QStringLiteral(
             "INSERT INTO tbContentLinks (CalendarID, ComponentID, ContentID) VALUES (?, ?, ?)"),
         {calendarID, componentID, contentID});
}

void TestDatabase::addContent(qint32 id, const QVariant& name, const QVariant& html) {
    exec(QStringLiteral("INSERT INTO tbContent (ID, Navn, Text, HTM_Data) VALUES (?, ?, ?, ?)"),
         {id, name, QStringLiteral("plain"), html});
}

void TestDatabase::addBibleText(qint32 id, const QVariant& html) {
    exec(QStringLiteral("INSERT INTO tbBibleText (ID, Text, HTM_Data) VALUES (?, ?, ?)"),
         {id, QStringLiteral("plain"), html});
}

void TestDatabase::addLyrics(qint32 id, const QVariant& html) {
    exec(QStringLiteral("INSERT INTO tbLyrics (ID, Lyrics, HTM_Data) VALUES (?, ?, ?)"),
         {id, QStringLiteral("plain"), html});
}

void TestDatabase::addUserText(qint32 id, const QVariant& text) {
    exec(QStringLiteral("INSERT INTO tbUserText (ID, Text) VALUES (?, ?)"), {id, text});
}

void TestDatabase::addOrdo(const QDate& date, const QVariant& text) {
    exec(QStringLiteral("INSERT INTO tbOrdo (itemDate, itemOrdo) VALUES (?, ?)"),
         {oleDate(date), text});
}

double oleDate(const QDate& date) {
    return OleDate::fromDate(date);
}

QByteArray iniText(const QString& liturgyFile, const QString& serviceFile,
                   const QString& templatePath) {
    QByteArray text = "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\n";
    if (!serviceFile.isEmpty())
        text += "ServiceFile=" + serviceFile.toUtf8() + "\r\n";
    if (!templatePath.isEmpty())
        text += "TemplatePath=" + templatePath.toUtf8() + "\r\n";
    return text;
}

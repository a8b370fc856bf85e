// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// One element of the liturgy as the day page shows it (a reading, a prayer, another text): its
// component (what kind of element), its content (which text), its caption and the database of
// its text. mCreateContent fetches the stored HTML fragment of the text.
class cLiturgyItem {
public:
    // What mCreateContent fetches: the HTML fragment.
    static constexpr qint32 kReadHtml = 128;

    qint32 pComponentID() const { return m_componentID; }
    void setPComponentID(qint32 value) { m_componentID = value; }
    // 0 or below: no text. Above 10000: the user's own text numbered from 10001.
    qint32 pContentID() const { return m_contentID; }
    void setPContentID(qint32 value) { m_contentID = value; }
    QString pTitle() const { return m_title; }
    void setPTitle(const QString& value) { m_title = value; }
    // The database of the text (for hymns the hymn book).
    QString pDataFile() const { return m_dataFile; }
    void setPDataFile(const QString& value) { m_dataFile = value; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& value) { m_connectionString = value; }
    qint16 pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(qint16 value) { m_sqlMode = value; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& value) { m_vkIniFile = value; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 value) { m_version = value; }
    qint32 pTypeOfRead() const { return m_typeOfRead; }
    void setPTypeOfRead(qint32 value) { m_typeOfRead = value; }
    // The trimmed HTML fragment that mCreateContent read.
    QString pHTMData() const { return m_htmData; }
    void setPHTMData(const QString& value) { m_htmData = value; }

    // Reads the element's text into pHTMData; true when its row exists. A failure is reported
    // and leaves pHTMData as it was; a missing row is no failure.
    bool mCreateContent();

    // The hymn number within its hymn book of a hymn content ID (collection × 100000 + number;
    // numbers above 2000 carry a variant in their thousands except in editions 1007 and 10024).
    static qint32 hymnNumber(qint32 contentID, qint32 version);

private:
    qint32 resolveHymnValue(qint32 contentID) const { return hymnNumber(contentID, m_version); }

    qint32 m_componentID = 0;
    qint32 m_contentID = 0;
    QString m_title;
    QString m_dataFile;
    QString m_connectionString;
    qint16 m_sqlMode = 0;
    QString m_vkIniFile;
    qint32 m_version = 0;
    qint32 m_typeOfRead = 0;
    QString m_htmData;
};

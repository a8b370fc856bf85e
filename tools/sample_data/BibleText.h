// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

// The text of a Bible passage, plain and as an HTML fragment with verse numbers.
struct BiblePassage {
    QString text;
    QString html;
    int verses = 0;
};

// Reads passages from an installed SWORD Bible module (the World English Bible of Debian's
// sword-text-web package by default). Each distinct reference is read once and kept.
class BibleText {
public:
    BibleText();
    ~BibleText();
    BibleText(const BibleText&) = delete;
    BibleText& operator=(const BibleText&) = delete;

    // Opens the module whose name or abbreviation is `module` from the SWORD library at
    // `libraryPath` (empty: the system's configuration). False with `error` when it is missing.
    bool open(const QString& module, const QString& libraryPath, QString* error);

    // Reads the table of how the lectionary's verses are read (verses.txt): where its verse
    // numbers differ from the module's and where its references divide a verse into parts.
    // False with `error` naming the line when a verse is not in the module or a verse does not
    // hold the words that begin its parts.
    bool loadVerses(const QByteArray& text, const QString& name, QString* error);

    // The passage of a reference such as "Isaiah 52:13-53:12", "Genesis 2:15-17; 3:1-7" or
    // "Luke 1:46b-55" in the lectionary's numbering, with only the verses and parts of verses
    // named, without footnotes, psalm superscriptions or what the module stores after a book,
    // and with single spaces. "Romans 14:23+" is the text that the module's versification
    // merges into the end of that verse, numbered as the verses of `shownAs` ("Romans
    // 16:25-27"). False with `error` when the reference names no verse of the module or a part
    // of a verse that the verse table does not divide.
    bool passage(const QString& reference, BiblePassage* out, QString* error,
                 const QString& shownAs = QString());
    // Where the first verse of `reference` stands in the module (-1: nowhere), for reading
    // passages in the module's order.
    long position(const QString& reference);
    // The name of the translation, as the module describes itself.
    QString translation() const;
    // The words of the module's verses of `reference` as its markup separates them, added to
    // `words`: the module's own vocabulary, against which rendered text can be checked.
    bool markedWords(const QString& reference, QSet<QString>* words, QString* error);

    // The reference in the form the SWORD parser reads: part-verse letters removed.
    static QString swordReference(const QString& reference);

private:
    struct Library;
    // The clean text of one of the module's verses (its OSIS reference).
    QString verseText(const QByteArray& osis, bool appended);
    bool read(const QString& reference, BiblePassage* out, QString* error, const QString& shownAs);

    std::unique_ptr<Library> m_library;
    QHash<QString, BiblePassage> m_cache;
    QHash<QByteArray, QString> m_verses; // clean text by OSIS reference, '+' for appended text
    QHash<QByteArray, QList<QByteArray>> m_map;  // lectionary verse -> the module's verses
    QHash<QByteArray, QStringList> m_partStarts; // verse -> the words that begin its second and later pieces
};

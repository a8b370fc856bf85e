#pragma once

#include <QHash>
#include <QSet>
#include <QString>
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

    // The passage of a reference such as "Isaiah 52:13-53:12", "Genesis 2:15-17; 3:1-7" or
    // "Luke 1:46b-55" (part-verse letters read as the whole verse), without footnotes and with
    // only the verses named. "Romans 14:23+" is the text that the module's versification
    // merges into the end of that verse, numbered as the verses of `shownAs` ("Romans
    // 16:25-27"). False with `error` when the reference names no verse of the module.
    bool passage(const QString& reference, BiblePassage* out, QString* error,
                 const QString& shownAs = QString());
    // The words of the module's verses of `reference` as its markup separates them, added to
    // `words`: the module's own vocabulary, against which rendered text can be checked.
    bool markedWords(const QString& reference, QSet<QString>* words, QString* error);

    // The reference in the form the SWORD parser reads: part-verse letters removed.
    static QString swordReference(const QString& reference);

private:
    struct Library;
    std::unique_ptr<Library> m_library;
    QHash<QString, BiblePassage> m_cache;
};

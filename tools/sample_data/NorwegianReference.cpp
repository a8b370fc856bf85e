// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "NorwegianReference.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>

namespace {

QString bookName(const QString& english) {
    static const QHash<QString, QString> names{
        {"Genesis", "1 Mos"},
        {"Exodus", "2 Mos"},
        {"Leviticus", "3 Mos"},
        {"Numbers", "4 Mos"},
        {"Deuteronomy", "5 Mos"},
        {"Joshua", "Jos"},
        {"Judges", "Dom"},
        {"Ruth", "Rut"},
        {"1 Samuel", "1 Sam"},
        {"2 Samuel", "2 Sam"},
        {"1 Kings", "1 Kong"},
        {"2 Kings", "2 Kong"},
        {"1 Chronicles", "1 Krøn"},
        {"2 Chronicles", "2 Krøn"},
        {"Ezra", "Esra"},
        {"Nehemiah", "Neh"},
        {"Esther", "Est"},
        {"Job", "Job"},
        {"Psalm", "Sal"},
        {"Proverbs", "Ordsp"},
        {"Ecclesiastes", "Fork"},
        {"Song of Solomon", "Høys"},
        {"Isaiah", "Jes"},
        {"Jeremiah", "Jer"},
        {"Lamentations", "Klag"},
        {"Ezekiel", "Esek"},
        {"Daniel", "Dan"},
        {"Hosea", "Hos"},
        {"Joel", "Joel"},
        {"Amos", "Am"},
        {"Obadiah", "Obad"},
        {"Jonah", "Jona"},
        {"Micah", "Mi"},
        {"Nahum", "Nah"},
        {"Habakkuk", "Hab"},
        {"Zephaniah", "Sef"},
        {"Haggai", "Hag"},
        {"Zechariah", "Sak"},
        {"Malachi", "Mal"},
        {"Matthew", "Matt"},
        {"Mark", "Mark"},
        {"Luke", "Luk"},
        {"John", "Joh"},
        {"Acts", "Apg"},
        {"Romans", "Rom"},
        {"1 Corinthians", "1 Kor"},
        {"2 Corinthians", "2 Kor"},
        {"Galatians", "Gal"},
        {"Ephesians", "Ef"},
        {"Philippians", "Fil"},
        {"Colossians", "Kol"},
        {"1 Thessalonians", "1 Tess"},
        {"2 Thessalonians", "2 Tess"},
        {"1 Timothy", "1 Tim"},
        {"2 Timothy", "2 Tim"},
        {"Titus", "Tit"},
        {"Philemon", "Filem"},
        {"Hebrews", "Hebr"},
        {"James", "Jak"},
        {"1 Peter", "1 Pet"},
        {"2 Peter", "2 Pet"},
        {"1 John", "1 Joh"},
        {"2 John", "2 Joh"},
        {"3 John", "3 Joh"},
        {"Jude", "Jud"},
        {"Revelation", "Åp"},
    };
    return names.value(english);
}

// How many verses a psalm's heading takes in the Hebrew numbering that Norwegian Bibles
// follow, where English ones print it before verse 1.
int psalmHeadingVerses(int psalm) {
    static const QList<int> two{51, 52, 54, 60};
    static const QList<int> one{3,  4,  5,  6,  7,  8,  9,  12, 18, 19,  20,  21,  22, 30, 31,
                                34, 36, 38, 39, 40, 41, 42, 44, 45, 46,  47,  48,  49, 53, 55,
                                56, 57, 58, 59, 61, 62, 63, 64, 65, 67,  68,  69,  70, 75, 76,
                                77, 80, 81, 83, 84, 85, 88, 89, 92, 102, 108, 140, 142};
    return two.contains(psalm) ? 2 : one.contains(psalm) ? 1 : 0;
}

// A verse in Norwegian numbering, which follows the Hebrew Bible in these places.
void renumber(const QString& book, int* chapter, int* verse) {
    if (book == QLatin1String("Psalm")) {
        *verse += psalmHeadingVerses(*chapter);
    } else if (book == QLatin1String("Isaiah") && *chapter == 9) {
        if (*verse == 1) {
            *chapter = 8;
            *verse = 23;
        } else {
            --*verse;
        }
    } else if (book == QLatin1String("Malachi") && *chapter == 4) {
        *chapter = 3;
        *verse += 18;
    } else if (book == QLatin1String("Joel") && *chapter == 2 && *verse >= 28) {
        *chapter = 3;
        *verse -= 27;
    }
}

} // namespace

QString NorwegianReference::of(const QString& reference) {
    static const QRegularExpression parts(QStringLiteral("^((?:\\d )?\\D+?) (\\d.*)$"));
    static const QRegularExpression token(
        QStringLiteral("(\\d+):(\\d+)([a-e]?)|(\\d+)([a-e]?)|\\s*([-,;])\\s*"));
    const QRegularExpressionMatch whole = parts.match(reference.trimmed());
    const QString book = whole.captured(1);
    const QString name = bookName(book);
    if (!whole.hasMatch() || name.isEmpty())
        return reference;
    const QString rest = whole.captured(2);
    // A reference without a colon names whole chapters ("Psalm 122").
    if (!rest.contains(QLatin1Char(':')))
        return name + QLatin1Char(' ') + rest;
    QString out = name + QLatin1Char(' ');
    int chapter = 0;
    int written = -1;
    QString separator;
    for (auto it = token.globalMatch(rest); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(6).isEmpty()) {
            separator = m.captured(6);
            continue;
        }
        const bool explicitChapter = !m.captured(1).isEmpty();
        if (explicitChapter)
            chapter = m.captured(1).toInt();
        int verse = (explicitChapter ? m.captured(2) : m.captured(4)).toInt();
        const QString part = explicitChapter ? m.captured(3) : m.captured(5);
        int shownChapter = chapter;
        renumber(book, &shownChapter, &verse);
        // Verses of one chapter are joined by a point, chapters by a semicolon.
        if (separator == QLatin1String("-"))
            out += QLatin1Char('-');
        else if (separator == QLatin1String(",") && !explicitChapter)
            out += QLatin1Char('.');
        else if (!separator.isEmpty())
            out += QStringLiteral("; ");
        if (shownChapter != written || (explicitChapter && separator != QLatin1String("-")))
            out += QStringLiteral("%1,").arg(shownChapter);
        out += QString::number(verse) + part;
        written = shownChapter;
        separator.clear();
    }
    return out;
}

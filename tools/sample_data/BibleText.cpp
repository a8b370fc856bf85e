// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "BibleText.h"

#include "TextTable.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <listkey.h>
#include <markupfiltmgr.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

namespace {

// One verse of a reference: where the module keeps it and the number it is shown under.
struct Verse {
    QByteArray osis;
    long index = 0;
    int chapter = 0;
    int verse = 0;
};

} // namespace

struct BibleText::Library {
    // The module reads at this key, which it does not own: a verse is found by its place, as
    // parsing its name again for every verse costs more than reading it. Declared first, so
    // that it outlives the module.
    sword::VerseKey cursor;
    std::unique_ptr<sword::SWMgr> manager;
    sword::SWModule* module = nullptr;
    // The verses of each reference parsed so far: a passage is placed in the module's order
    // before it is read.
    QHash<QString, QList<Verse>> verseLists;
    QHash<QByteArray, long> places; // the module's place of each verse of those lists

    QList<Verse> verses(const QString& reference);
    // Puts the module at the verse of OSIS reference `osis`.
    void seek(const QByteArray& osis);
};

BibleText::BibleText() = default;
BibleText::~BibleText() = default;

bool BibleText::open(const QString& module, const QString& libraryPath, QString* error) {
    // The library reports on stderr by itself; the generator reports its own failures.
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    auto library = std::make_unique<Library>();
    auto* filters = new sword::MarkupFilterMgr(sword::FMT_PLAIN);
    if (libraryPath.isEmpty())
        library->manager = std::make_unique<sword::SWMgr>(filters);
    else
        library->manager =
            std::make_unique<sword::SWMgr>(libraryPath.toLocal8Bit().constData(), true, filters);
    const QByteArray wanted = module.toUtf8();
    for (const auto& entry : library->manager->getModules()) {
        sword::SWModule* candidate = entry.second;
        const char* abbreviation = candidate->getConfigEntry("Abbreviation");
        if (wanted == candidate->getName() ||
            (abbreviation && wanted == QByteArray(abbreviation))) {
            library->module = candidate;
            break;
        }
    }
    if (!library->module) {
        if (error)
            *error = QStringLiteral("The Bible module \"%1\" is not installed (Debian package "
                                    "sword-text-web).")
                         .arg(module);
        return false;
    }
    library->cursor.setVersificationSystem(
        static_cast<sword::VerseKey*>(library->module->getKey())->getVersificationSystem());
    library->cursor.setPersist(true);
    m_library = std::move(library);
    m_cache.clear();
    m_verses.clear();
    return true;
}

QString BibleText::swordReference(const QString& reference) {
    static const QRegularExpression partVerse(QStringLiteral("(\\d)[a-e]\\b"));
    QString result = reference;
    result.replace(partVerse, QStringLiteral("\\1"));
    return result;
}

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<BR>"));
}

// Whether markup-free text is shown between `from` and `to` of a raw entry: text outside
// tags, notes and titles.
bool visibleText(const QString& raw, qsizetype from, qsizetype to) {
    int hidden = 0;
    bool inTag = false;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('<')) {
            inTag = true;
            const QStringView rest = QStringView(raw).mid(i);
            const bool opens = rest.startsWith(u"<note") || rest.startsWith(u"<title");
            const qsizetype end = raw.indexOf(QLatin1Char('>'), i);
            if (opens && !(end > 0 && raw.at(end - 1) == QLatin1Char('/')))
                ++hidden;
            else if (rest.startsWith(u"</note") || rest.startsWith(u"</title"))
                --hidden;
        } else if (c == QLatin1Char('>')) {
            inTag = false;
        } else if (!inTag && hidden == 0 && !c.isSpace()) {
            return true;
        }
    }
    return false;
}

// Where the entry goes on with the text of following verses that the module's versification
// merges into it (the doxology of Romans after 14:23): a pre-verse milestone with text on both
// sides. -1 when the entry holds its own verse only.
qsizetype appendedStart(const QString& raw) {
    static const QRegularExpression milestone(
        QStringLiteral("<div [^>]*subType=\"x-preverse\" sID=[^>]*>"));
    for (auto it = milestone.globalMatch(raw); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (visibleText(raw, 0, m.capturedStart()) && visibleText(raw, m.capturedEnd(), raw.size()))
            return m.capturedStart();
    }
    return -1;
}

QChar lastVisible(const QString& raw) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    const QString text = QString(raw).remove(tag);
    return text.isEmpty() ? QChar() : text.back();
}

// Footnotes go. Where one stood between a word (or its punctuation) and the next word, a space
// takes its place: the notes sit between words without one ("God<note/>created").
QString withoutNotes(const QString& raw) {
    static const QRegularExpression note(QStringLiteral("<note[^>]*/>|<note[^>]*>.*?</note>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString out;
    qsizetype last = 0;
    for (auto it = note.globalMatch(raw); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += raw.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QChar left = lastVisible(out);
        const QString right = raw.mid(last).remove(note).remove(tag);
        if (left.isNull() || right.isEmpty() || left.isSpace() || right.front().isSpace())
            continue;
        const bool opening =
            left == u'\u201C' || left == u'\u2018' || left == u'(' || left == u'\u2014';
        const QChar next = right.front();
        if (!opening && (next.isLetterOrNumber() || next == u'\u201C' || next == u'('))
            out += QLatin1Char(' ');
    }
    out += raw.mid(last);
    return out;
}

// The verses of a reference in the module's versification.
sword::ListKey verseList(sword::SWModule& module, const QString& reference) {
    sword::VerseKey parser;
    parser.setVersificationSystem(
        static_cast<sword::VerseKey*>(module.getKey())->getVersificationSystem());
    return parser.parseVerseList(BibleText::swordReference(reference).toUtf8().constData(), parser,
                                 true);
}

QList<Verse> versesOf(sword::SWModule& module, const QString& reference) {
    QList<Verse> result;
    sword::ListKey verses = verseList(module, reference);
    for (verses = sword::TOP; !verses.popError(); verses++) {
        module.setKey(verses);
        const auto* key = static_cast<const sword::VerseKey*>(module.getKey());
        result.append(
            {QByteArray(key->getOSISRef()), key->getIndex(), key->getChapter(), key->getVerse()});
    }
    return result;
}

// The parts of a verse that a reference reads (0 is part a): "8-15a" reads 15 up to part a,
// "4b-9" reads 4 from part b on, "14a" and "20c" read that part alone.
struct PartRange {
    int from = 0;
    int to = 0;
};

QHash<QPair<int, int>, PartRange> partsNamed(const QString& reference) {
    static const QRegularExpression book(QStringLiteral("^(\\d\\s+)?\\D+"));
    static const QRegularExpression token(QStringLiteral("(?:(\\d+):)?(\\d+)([a-e]?)"));
    QHash<QPair<int, int>, PartRange> parts;
    const qsizetype begin = book.match(reference).capturedEnd();
    const QString rest = reference.mid(std::max<qsizetype>(begin, 0));
    int chapter = 0;
    const auto neighbour = [&rest](qsizetype i, int step) {
        for (; i >= 0 && i < rest.size(); i += step) {
            if (!rest.at(i).isSpace())
                return rest.at(i);
        }
        return QChar();
    };
    for (auto it = token.globalMatch(rest); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.hasCaptured(1) && !m.captured(1).isEmpty())
            chapter = m.captured(1).toInt();
        if (m.captured(3).isEmpty())
            continue;
        const int part = m.captured(3).at(0).unicode() - 'a';
        const bool starts = neighbour(m.capturedEnd(), 1) == QLatin1Char('-');
        const bool ends = neighbour(m.capturedStart() - 1, -1) == QLatin1Char('-');
        parts.insert({chapter, m.captured(2).toInt()},
                     {ends ? 0 : part, starts ? std::numeric_limits<int>::max() : part});
    }
    return parts;
}

// Where the parts of a verse begin, each of `starts` at the beginning of a word, in order, and
// where the verse ends; empty when one is not found.
QList<qsizetype> partOffsets(const QString& text, const QStringList& starts) {
    QList<qsizetype> offsets{0};
    for (const QString& start : starts) {
        const qsizetype at = text.indexOf(start, offsets.last() + 1);
        if (at <= 0 || !text.at(at - 1).isSpace())
            return {};
        offsets.append(at);
    }
    offsets.append(text.size());
    return offsets;
}

// Runs of blanks become one space; no space stays at a line's ends. A closing quotation mark
// that a footnote separated from the next word gets its space.
QString singleSpaced(QString text) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    static const QRegularExpression lineEnds(QStringLiteral(" ?\\n ?"));
    static const QRegularExpression closedQuote(QStringLiteral("\u201D(?=\\p{L})"));
    return text.replace(blanks, QStringLiteral(" "))
        .replace(lineEnds, QStringLiteral("\n"))
        .replace(closedQuote, QStringLiteral("\u201D "))
        .trimmed();
}

} // namespace

QList<Verse> BibleText::Library::verses(const QString& reference) {
    auto known = verseLists.constFind(reference);
    if (known != verseLists.constEnd())
        return known.value();
    const QList<Verse> list = versesOf(*module, reference);
    for (const Verse& verse : list)
        places.insert(verse.osis, verse.index);
    verseLists.insert(reference, list);
    return list;
}

void BibleText::Library::seek(const QByteArray& osis) {
    const auto place = places.constFind(osis);
    if (place == places.constEnd()) {
        module->setKey(osis.constData());
        return;
    }
    cursor.setIndex(place.value());
    module->setKey(cursor);
}

bool BibleText::loadVerses(const QByteArray& text, const QString& name, QString* error) {
    const auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!m_library)
        return failed(QStringLiteral("No Bible module is open."));
    QList<TextTable::Record> records;
    if (!TextTable::parse(text, name, 3, &records, error))
        return false;
    m_map.clear();
    m_partStarts.clear();
    m_cache.clear();
    m_verses.clear();
    for (const TextTable::Record& record : records) {
        const QString where = QStringLiteral("%1, line %2: ").arg(name).arg(record.line);
        const QList<Verse> verses = m_library->verses(record.fields.at(1));
        if (verses.size() != 1)
            return failed(where + QStringLiteral("\"%1\" is not one verse of the Bible module.")
                                      .arg(record.fields.at(1)));
        const QByteArray& osis = verses.first().osis;
        const QString& value = record.fields.at(2);
        if (record.fields.at(0) == QLatin1String("map")) {
            QList<QByteArray> targets;
            if (!value.isEmpty()) {
                for (const Verse& target : m_library->verses(value))
                    targets.append(target.osis);
                if (targets.isEmpty())
                    return failed(where + QStringLiteral("\"%1\" names no verse of the Bible "
                                                         "module.")
                                              .arg(value));
            }
            m_map.insert(osis, targets);
        } else if (record.fields.at(0) == QLatin1String("part")) {
            const QStringList starts = value.split(QStringLiteral(" / "));
            if (partOffsets(verseText(osis, false), starts).isEmpty())
                return failed(where + QStringLiteral("%1 does not hold \"%2\" at the beginning of "
                                                     "a word, in this order.")
                                          .arg(record.fields.at(1), value));
            m_partStarts.insert(osis, starts);
        } else {
            return failed(where + QStringLiteral("\"map\" or \"part\" is expected, not \"%1\".")
                                      .arg(record.fields.at(0)));
        }
    }
    return true;
}

long BibleText::position(const QString& reference) {
    if (!m_library)
        return -1;
    QString wanted = reference.trimmed();
    if (wanted.endsWith(QLatin1Char('+')))
        wanted.chop(1);
    const QList<Verse> verses = m_library->verses(wanted);
    return verses.isEmpty() ? -1 : verses.first().index;
}

QString BibleText::translation() const {
    if (!m_library)
        return {};
    const char* description = m_library->module->getConfigEntry("Description");
    return description ? QString::fromUtf8(description)
                       : QString::fromUtf8(m_library->module->getName());
}

QString BibleText::verseText(const QByteArray& osis, bool appended) {
    // The module's glossary follows the end of Revelation inside its last verse.
    static const QRegularExpression bookEnd(
        QStringLiteral("<div [^>]*eID=\"[^\"]*\"[^>]*type=\"book\"[^>]*/>"));
    // The lectionary numbers psalms from their first verse after the superscription, which the
    // module keeps inside verse 1.
    static const QRegularExpression superscription(
        QStringLiteral("<title [^>]*type=\"psalm\"[^>]*>.*?</title>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordTag(QStringLiteral("</?w\\b[^>]*>"));
    // Passages of the lectionary share many verses; each is rendered once.
    const QByteArray cacheKey = appended ? osis + '+' : osis;
    const auto cached = m_verses.constFind(cacheKey);
    if (cached != m_verses.constEnd())
        return cached.value();
    sword::SWModule& module = *m_library->module;
    m_library->seek(osis);
    QString raw = QString::fromUtf8(module.getRawEntry());
    const QRegularExpressionMatch end = bookEnd.match(raw);
    if (end.hasMatch())
        raw.truncate(end.capturedEnd());
    raw.remove(superscription);
    const qsizetype split = appendedStart(raw);
    if (appended && split < 0)
        return {};
    const QString own = appended ? raw.mid(split) : split < 0 ? raw : raw.left(split);
    // Every word is marked with its Strong's number: the plain text shows nothing of that
    // markup, and the library's filters spend most of their time going through it.
    const QByteArray source = withoutNotes(own).remove(wordTag).toUtf8();
    const QString text =
        singleSpaced(QString::fromUtf8(module.renderText(source.constData()).c_str()));
    m_verses.insert(cacheKey, text);
    return text;
}

bool BibleText::passage(const QString& reference, BiblePassage* out, QString* error,
                        const QString& shownAs) {
    const auto cached = m_cache.constFind(reference);
    if (cached != m_cache.constEnd()) {
        *out = cached.value();
        return true;
    }
    if (!m_library) {
        if (error)
            *error = QStringLiteral("No Bible module is open.");
        return false;
    }
    BiblePassage result;
    if (!read(reference, &result, error, shownAs))
        return false;
    m_cache.insert(reference, result);
    *out = result;
    return true;
}

bool BibleText::read(const QString& reference, BiblePassage* out, QString* error,
                     const QString& shownAs) {
    const auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // "Romans 14:23+" is what the module appends to that verse, shown under the verse numbers
    // of `shownAs`.
    QString wanted = reference.trimmed();
    const bool appended = wanted.endsWith(QLatin1Char('+'));
    if (appended)
        wanted.chop(1);
    const QHash<QPair<int, int>, PartRange> parts = partsNamed(wanted);
    QStringList plain;
    QString html = QStringLiteral("<P>");
    int lastChapter = -1;
    for (const Verse& verse : m_library->verses(wanted)) {
        const auto mapped = m_map.constFind(verse.osis);
        const QList<QByteArray> sources =
            mapped == m_map.constEnd() ? QList<QByteArray>{verse.osis} : mapped.value();
        QStringList texts;
        for (const QByteArray& source : sources) {
            const QString text = verseText(source, appended);
            if (!text.isEmpty())
                texts.append(text);
        }
        QString text = texts.join(QLatin1Char(' '));
        if (text.isEmpty())
            continue;
        const auto part = parts.constFind({verse.chapter, verse.verse});
        if (part != parts.constEnd()) {
            const QList<qsizetype> offsets = partOffsets(text, m_partStarts.value(verse.osis));
            const int count = int(offsets.size()) - 1;
            if (count < 2 || part->from >= count)
                return failed(QStringLiteral("The reference \"%1\" names a part of %2:%3 that the "
                                             "verse table does not divide.")
                                  .arg(reference)
                                  .arg(verse.chapter)
                                  .arg(verse.verse));
            const int last = std::min(part->to, count - 1);
            text = text.mid(offsets.at(part->from), offsets.at(last + 1) - offsets.at(part->from))
                       .trimmed();
        }
        QString number = QString::number(verse.verse);
        if (appended)
            number = shownAs.section(QLatin1Char(':'), -1).trimmed();
        // A passage that crosses chapters shows the chapter at the first verse of each.
        else if (verse.chapter != lastChapter && lastChapter != -1)
            number = QStringLiteral("%1:%2").arg(verse.chapter).arg(verse.verse);
        if (out->verses > 0)
            html += QLatin1Char(' ');
        html += QStringLiteral("<SUP>%1</SUP>&nbsp;%2").arg(number, escaped(text));
        plain.append(number + QLatin1Char(' ') + text);
        lastChapter = verse.chapter;
        ++out->verses;
    }
    if (out->verses == 0)
        return failed(QStringLiteral("The reference \"%1\" names no verse of the Bible module.")
                          .arg(reference));
    html += QStringLiteral("</P>");
    out->text = plain.join(QLatin1Char('\n'));
    out->html = html;
    return true;
}

bool BibleText::markedWords(const QString& reference, QSet<QString>* words, QString* error) {
    if (!m_library) {
        if (error)
            *error = QStringLiteral("No Bible module is open.");
        return false;
    }
    static const QRegularExpression note(QStringLiteral("<note[^>]*/>|<note[^>]*>.*?</note>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression separator(QStringLiteral("[^\\w\\x{2019}']+"));
    QString wanted = reference.trimmed();
    if (wanted.endsWith(QLatin1Char('+')))
        wanted.chop(1);
    sword::ListKey verses = verseList(*m_library->module, wanted);
    for (verses = sword::TOP; !verses.popError(); verses++) {
        m_library->module->setKey(verses);
        QString raw = QString::fromUtf8(m_library->module->getRawEntry());
        raw.remove(note).replace(tag, QStringLiteral(" "));
        for (const QString& word : raw.split(separator, Qt::SkipEmptyParts))
            words->insert(word);
    }
    return true;
}

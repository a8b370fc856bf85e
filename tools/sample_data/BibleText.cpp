#include "BibleText.h"

#include <QRegularExpression>
#include <QStringList>
#include <listkey.h>
#include <markupfiltmgr.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

struct BibleText::Library {
    std::unique_ptr<sword::SWMgr> manager;
    sword::SWModule* module = nullptr;
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
    m_library = std::move(library);
    m_cache.clear();
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

} // namespace

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
    // "Romans 14:23+" is what the module appends to that verse, shown under the verse numbers
    // of `shownAs`.
    QString wanted = reference.trimmed();
    const bool appended = wanted.endsWith(QLatin1Char('+'));
    if (appended)
        wanted.chop(1);
    sword::ListKey verses = verseList(*m_library->module, wanted);
    BiblePassage result;
    QStringList plain;
    QString html = QStringLiteral("<P>");
    int lastChapter = -1;
    for (verses = sword::TOP; !verses.popError(); verses++) {
        m_library->module->setKey(verses);
        const auto* key = static_cast<const sword::VerseKey*>(m_library->module->getKey());
        const QString raw = QString::fromUtf8(m_library->module->getRawEntry());
        const qsizetype split = appendedStart(raw);
        if (appended && split < 0)
            continue;
        const QString own = appended ? raw.mid(split) : split < 0 ? raw : raw.left(split);
        const QByteArray source = withoutNotes(own).toUtf8();
        const QString text =
            QString::fromUtf8(m_library->module->renderText(source.constData()).c_str()).trimmed();
        if (text.isEmpty())
            continue;
        const int chapter = key->getChapter();
        const int verse = key->getVerse();
        QString number = QString::number(verse);
        if (appended)
            number = shownAs.section(QLatin1Char(':'), -1).trimmed();
        // A passage that crosses chapters shows the chapter at the first verse of each.
        else if (chapter != lastChapter && lastChapter != -1)
            number = QStringLiteral("%1:%2").arg(chapter).arg(verse);
        if (result.verses > 0)
            html += QLatin1Char(' ');
        html += QStringLiteral("<SUP>%1</SUP>&nbsp;%2").arg(number, escaped(text));
        plain.append(number + QLatin1Char(' ') + text);
        lastChapter = chapter;
        ++result.verses;
    }
    if (result.verses == 0) {
        if (error)
            *error = QStringLiteral("The reference \"%1\" names no verse of the Bible module.")
                         .arg(reference);
        return false;
    }
    html += QStringLiteral("</P>");
    result.text = plain.join(QLatin1Char('\n'));
    result.html = html;
    m_cache.insert(reference, result);
    *out = result;
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

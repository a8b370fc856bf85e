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

} // namespace

bool BibleText::passage(const QString& reference, BiblePassage* out, QString* error) {
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
    sword::VerseKey parser;
    parser.setVersificationSystem(
        static_cast<sword::VerseKey*>(m_library->module->getKey())->getVersificationSystem());
    sword::ListKey verses =
        parser.parseVerseList(swordReference(reference).toUtf8().constData(), parser, true);
    BiblePassage result;
    QStringList plain;
    QString html = QStringLiteral("<P>");
    int lastChapter = -1;
    for (verses = sword::TOP; !verses.popError(); verses++) {
        m_library->module->setKey(verses);
        const auto* key = static_cast<const sword::VerseKey*>(m_library->module->getKey());
        const QString text = QString::fromUtf8(m_library->module->renderText().c_str()).trimmed();
        if (text.isEmpty())
            continue;
        const int chapter = key->getChapter();
        const int verse = key->getVerse();
        QString number = QString::number(verse);
        // A passage that crosses chapters shows the chapter at the first verse of each.
        if (chapter != lastChapter && lastChapter != -1)
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

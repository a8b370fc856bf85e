// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/DayPageText.h"

#include "app/TerminalText.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kDefaultWidth = 80;
// Narrower than this, wrapping would leave a word a line.
constexpr int kNarrowest = 20;

enum class Kind { Paragraph, Title, Heading };

struct Block {
    Kind kind = Kind::Paragraph;
    QStringList lines{QString()}; // the lines that <br> separates
};

QString entity(const QString& name) {
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("mdash"), QStringLiteral("\u2014")},
        {QStringLiteral("lsquo"), QStringLiteral("\u2018")},
        {QStringLiteral("rsquo"), QStringLiteral("\u2019")},
        {QStringLiteral("ldquo"), QStringLiteral("\u201C")},
        {QStringLiteral("rdquo"), QStringLiteral("\u201D")},
        {QStringLiteral("hellip"), QStringLiteral("\u2026")},
        {QStringLiteral("aelig"), QStringLiteral("\u00E6")},
        {QStringLiteral("AElig"), QStringLiteral("\u00C6")},
        {QStringLiteral("oslash"), QStringLiteral("\u00F8")},
        {QStringLiteral("Oslash"), QStringLiteral("\u00D8")},
        {QStringLiteral("aring"), QStringLiteral("\u00E5")},
        {QStringLiteral("Aring"), QStringLiteral("\u00C5")},
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF)
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        return {};
    }
    return named.value(name);
}

bool isBlockTag(const QString& name) {
    static const char* const tags[] = {"p",  "div", "h1", "h2", "h3",    "h4",  "h5",        "h6",
                                       "li", "tr",  "ul", "ol", "table", "pre", "blockquote"};
    for (const char* tag : tags)
        if (name == QLatin1String(tag))
            return true;
    return false;
}

// The lines of `text` wrapped at spaces to `width`; a word longer than the width keeps a line.
QStringList wrap(const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

class Reader {
public:
    explicit Reader(const QString& html) : m_html(html) {}

    QList<Block> blocks() {
        for (qsizetype i = 0; i < m_html.size();) {
            if (m_html.at(i) == QLatin1Char('<')) {
                i = tag(i);
                continue;
            }
            if (m_html.at(i) == QLatin1Char('&')) {
                const qsizetype end = m_html.indexOf(QLatin1Char(';'), i);
                const QString decoded =
                    end > i && end - i <= 10 ? entity(m_html.mid(i + 1, end - i - 1)) : QString();
                if (!decoded.isEmpty()) {
                    text(decoded);
                    i = end + 1;
                    continue;
                }
            }
            text(QString(m_html.at(i)));
            ++i;
        }
        endBlock();
        return m_blocks;
    }

private:
    // Reads the tag at `at`; the index after it (or after the element, for one whose content is
    // no text).
    qsizetype tag(qsizetype at) {
        qsizetype end = m_html.indexOf(QLatin1Char('>'), at);
        if (end < 0)
            end = m_html.size() - 1;
        const QString inside = m_html.mid(at + 1, end - at - 1).trimmed();
        const bool closing = inside.startsWith(QLatin1Char('/'));
        const QString name = inside.mid(closing ? 1 : 0)
                                 .section(QRegularExpression(QStringLiteral("[\\s/]")), 0, 0)
                                 .toLower();
        if (!closing && (name == QLatin1String("style") || name == QLatin1String("script") ||
                         name == QLatin1String("title"))) {
            const qsizetype close =
                m_html.indexOf(QStringLiteral("</") + name, end, Qt::CaseInsensitive);
            if (close < 0)
                return m_html.size();
            const qsizetype after = m_html.indexOf(QLatin1Char('>'), close);
            return after < 0 ? m_html.size() : after + 1;
        }
        if (name == QLatin1String("br")) {
            m_current.lines.append(QString());
        } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
            text(QStringLiteral(" "));
        } else if (isBlockTag(name)) {
            endBlock();
            if (!closing && name.size() == 2 && name.at(0) == QLatin1Char('h') &&
                name.at(1).isDigit())
                m_current.kind = name.at(1) <= QLatin1Char('3') ? Kind::Title : Kind::Heading;
            // One edition's pages set their headings as paragraphs of the class "Greeting".
            if (!closing && name == QLatin1String("p") &&
                inside.contains(
                    QRegularExpression(QStringLiteral("class\\s*=\\s*['\"]?greeting\\b"),
                                       QRegularExpression::CaseInsensitiveOption)))
                m_current.kind = Kind::Heading;
            if (!closing && name == QLatin1String("li"))
                text(QStringLiteral("- "));
        }
        return end + 1;
    }

    void text(const QString& piece) {
        for (const QChar c : piece) {
            // Line breaks in the file are spaces; control characters are shown harmless.
            const bool space = c.isSpace() || c == QChar(0x00A0);
            QString& line = m_current.lines.last();
            if (space) {
                if (!line.isEmpty() && !line.endsWith(QLatin1Char(' ')))
                    line += QLatin1Char(' ');
                continue;
            }
            line += TerminalText::printable(QString(c));
        }
    }

    void endBlock() {
        QStringList lines;
        for (const QString& line : std::as_const(m_current.lines)) {
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        }
        if (!lines.isEmpty()) {
            m_current.lines = lines;
            m_blocks.append(m_current);
        }
        m_current = Block();
    }

    const QString& m_html;
    QList<Block> m_blocks;
    Block m_current;
};

} // namespace

QString DayPageText::fromHtml(const QByteArray& html, int width) {
    width = qMax(width, kNarrowest);
    const QList<Block> blocks = Reader(QString::fromUtf8(html)).blocks();
    QString out;
    bool afterHeading = false;
    for (const Block& block : blocks) {
        // A heading's text follows it directly; every other block stands apart.
        if (!out.isEmpty() && !(afterHeading && block.kind == Kind::Paragraph))
            out += QLatin1Char('\n');
        qsizetype longest = 0;
        for (const QString& line : block.lines) {
            for (const QString& wrapped : wrap(line, width)) {
                out += wrapped + QLatin1Char('\n');
                longest = qMax(longest, wrapped.size());
            }
        }
        afterHeading = block.kind != Kind::Paragraph;
        if (afterHeading)
            out += QString(longest, QLatin1Char(block.kind == Kind::Title ? '=' : '-')) +
                   QLatin1Char('\n');
    }
    return out;
}

int DayPageText::terminalWidth(FILE* out) {
    winsize size{};
    if (isatty(fileno(out)) && ioctl(fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && columns > 0 ? columns : kDefaultWidth;
}

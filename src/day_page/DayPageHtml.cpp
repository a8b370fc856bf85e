// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageHtml.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>

namespace {

// Elements without content, and those whose end the parser implies; neither nests.
bool nests(const QString& name) {
    static const QSet<QString> flat{
        QStringLiteral("area"),    QStringLiteral("base"),  QStringLiteral("br"),
        QStringLiteral("col"),     QStringLiteral("embed"), QStringLiteral("hr"),
        QStringLiteral("img"),     QStringLiteral("input"), QStringLiteral("link"),
        QStringLiteral("meta"),    QStringLiteral("param"), QStringLiteral("source"),
        QStringLiteral("wbr"),     QStringLiteral("p"),     QStringLiteral("li"),
        QStringLiteral("dt"),      QStringLiteral("dd"),    QStringLiteral("option"),
        QStringLiteral("!doctype")};
    return !flat.contains(name);
}

// The parts of a table, which go with the table they are in.
bool tablePart(const QString& name) {
    static const QSet<QString> parts{
        QStringLiteral("tr"),      QStringLiteral("td"),       QStringLiteral("th"),
        QStringLiteral("tbody"),   QStringLiteral("thead"),    QStringLiteral("tfoot"),
        QStringLiteral("caption"), QStringLiteral("colgroup"), QStringLiteral("col")};
    return parts.contains(name);
}

// One open element: its name and whether its tags were kept.
struct Open {
    QString name;
    bool kept;
};

// The end of the tag that starts at `start` ('<'): one past its '>', quotes respected; -1 when
// the text ends first.
qsizetype tagEnd(const QString& html, qsizetype start) {
    QChar quote;
    for (qsizetype i = start + 1; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

QString DayPageHtml::cutNote() {
    return QCoreApplication::translate("DayPageHtml",
                                       "This page is too long to be shown whole; its end is left "
                                       "out.");
}

QString DayPageHtml::flattenedNote() {
    return QCoreApplication::translate("DayPageHtml", "Part of this page was nested too deeply "
                                                      "and is shown flattened.");
}

QString DayPageHtml::bounded(const QString& html) {
    QString text = html;
    const bool cut = text.size() > kMaxLength;
    if (cut) {
        // At a tag, so that no tag is cut in two.
        const qsizetype at = text.lastIndexOf(QLatin1Char('<'), kMaxLength);
        text.truncate(at > 0 ? at : kMaxLength);
    }
    QString out;
    out.reserve(text.size());
    QList<Open> open;
    QList<bool> tables; // whether each open table's tags are kept
    bool flattened = false;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), i);
        if (lt < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, lt - i);
        if (QStringView(text).mid(lt, 4) == QLatin1String("<!--")) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), lt + 4);
            i = close < 0 ? text.size() : close + 3;
            continue;
        }
        const qsizetype end = tagEnd(text, lt);
        if (end < 0) {
            out += QStringView(text).mid(lt);
            break;
        }
        const QStringView tag = QStringView(text).mid(lt, end - lt);
        i = end;
        const bool closing = tag.size() > 1 && tag.at(1) == QLatin1Char('/');
        qsizetype n = closing ? 2 : 1;
        while (n < tag.size() && (tag.at(n).isLetterOrNumber() || tag.at(n) == QLatin1Char('!')))
            ++n;
        const QString name = tag.mid(closing ? 2 : 1, n - (closing ? 2 : 1)).toString().toLower();
        if (name.isEmpty()) {
            out += tag;
            continue;
        }
        const bool selfClosing = tag.endsWith(QLatin1String("/>"));
        bool keep = true;
        if (name == QLatin1String("table")) {
            if (!closing && !selfClosing) {
                keep = tables.size() < kMaxTableDepth && open.size() < kMaxDepth;
                tables.append(keep);
                open.append({name, keep});
            } else if (closing) {
                // Implied ends of the elements still open inside the table.
                while (!open.isEmpty() && open.last().name != name)
                    open.removeLast();
                if (!open.isEmpty())
                    open.removeLast();
                keep = tables.isEmpty() || tables.takeLast();
            }
        } else if (tablePart(name)) {
            keep = tables.isEmpty() || tables.last();
            if (!keep && closing)
                out += name == QLatin1String("tr") ? QStringLiteral("<br>") : QStringLiteral(" ");
        } else if (nests(name) && !selfClosing) {
            if (!closing) {
                keep = open.size() < kMaxDepth;
                open.append({name, keep});
            } else {
                qsizetype at = open.size() - 1;
                while (at >= 0 && open.at(at).name != name)
                    --at;
                if (at >= 0) {
                    keep = open.at(at).kept;
                    open.resize(at);
                }
            }
        }
        if (keep)
            out += tag;
        else
            flattened = true;
    }
    if (flattened)
        out += QStringLiteral("\r\n<P><B>") + flattenedNote() + QStringLiteral("</B></P>");
    if (cut)
        out += QStringLiteral("\r\n<P><B>") + cutNote() + QStringLiteral("</B></P>");
    return out;
}

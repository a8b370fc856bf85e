// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/OdtText.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

QByteArray odtContent(const QString& file) {
    // Found in the system's folders, whatever PATH a test has set up.
    const QString unzip = QStandardPaths::findExecutable(
        QStringLiteral("unzip"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    if (unzip.isEmpty())
        return {};
    QProcess process;
    process.start(unzip, {QStringLiteral("-p"), file, QStringLiteral("content.xml")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QString odtText(const QString& file) {
    const QByteArray xml = odtContent(file);
    if (xml.isEmpty())
        return QStringLiteral("<unreadable>");
    QXmlStreamReader reader(xml);
    QHash<QString, QString> backgrounds;
    QString styleName;
    QStringList lines;
    QStringList cells;
    QStringList cellParagraphs;
    QString cellColour;
    QString paragraph;
    int tableDepth = 0;
    int paragraphDepth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes a = reader.attributes();
            if (name == u"style") {
                styleName = a.value(QStringLiteral("style:name")).toString();
            } else if (name == u"table-cell-properties") {
                const QString colour = a.value(QStringLiteral("fo:background-color")).toString();
                if (!colour.isEmpty() && colour != u"transparent")
                    backgrounds.insert(styleName, colour);
            } else if (name == u"table") {
                ++tableDepth;
            } else if (name == u"table-row") {
                cells.clear();
            } else if (name == u"table-cell") {
                cellParagraphs.clear();
                cellColour =
                    backgrounds.value(a.value(QStringLiteral("table:style-name")).toString());
            } else if (name == u"p" || name == u"h") {
                if (paragraphDepth++ == 0)
                    paragraph.clear();
            } else if (name == u"s") {
                const int count = a.value(QStringLiteral("text:c")).toInt();
                paragraph += QString(qMax(1, count), QLatin1Char(' '));
            } else if (name == u"tab") {
                paragraph += QLatin1Char('\t');
            } else if (name == u"line-break") {
                paragraph += QLatin1Char('\n');
            }
        } else if (reader.isCharacters() && paragraphDepth > 0) {
            // As OpenDocument reads text: every run of white space is one space.
            static const QRegularExpression space(QStringLiteral("\\s+"));
            paragraph += reader.text().toString().replace(space, QStringLiteral(" "));
        } else if (reader.isEndElement()) {
            if (name == u"p" || name == u"h") {
                if (--paragraphDepth > 0)
                    continue;
                // Lines of a paragraph, without the white space at their ends.
                QStringList parts = paragraph.split(QLatin1Char('\n'));
                for (QString& part : parts)
                    part = part.trimmed();
                const QString text = parts.join(QLatin1Char('/'));
                if (tableDepth > 0)
                    cellParagraphs << text;
                else
                    lines << text;
            } else if (name == u"table-cell") {
                QString cell = cellParagraphs.join(QLatin1Char('/'));
                if (!cellColour.isEmpty())
                    cell += QStringLiteral(" [") + cellColour + QLatin1Char(']');
                cells << cell;
            } else if (name == u"table-row") {
                lines << cells.join(QStringLiteral(" | "));
            } else if (name == u"table") {
                --tableDepth;
            }
        }
    }
    if (reader.hasError())
        return QStringLiteral("<unreadable>");
    return lines.join(QLatin1Char('\n'));
}

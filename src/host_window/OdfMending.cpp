// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/OdfMending.h"

#include <QHash>
#include <QList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace OdfMending {

namespace {

const QString kStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kFo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");

// What the first reading finds: the background of each paragraph style, the properties of each
// cell style, and the colour of each cell in document order (empty for none).
struct Found {
    QHash<QString, QString> paragraphColors;
    QHash<QString, QXmlStreamAttributes> cellProperties;
    QList<QString> cellColors;
};

bool find(const QByteArray& content, Found* found) {
    QXmlStreamReader reader(content);
    QString style;
    QString family;
    int cellDepth = 0;
    bool cellColored = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.namespaceUri() == kTable &&
            reader.name() == QLatin1String("table-cell"))
            --cellDepth;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.namespaceUri() == kStyle && reader.name() == QLatin1String("style")) {
            style = a.value(kStyle, QStringLiteral("name")).toString();
            family = a.value(kStyle, QStringLiteral("family")).toString();
        } else if (reader.namespaceUri() == kStyle &&
                   reader.name() == QLatin1String("paragraph-properties") &&
                   family == QLatin1String("paragraph") &&
                   a.hasAttribute(kFo, QStringLiteral("background-color"))) {
            found->paragraphColors.insert(
                style, a.value(kFo, QStringLiteral("background-color")).toString());
        } else if (reader.namespaceUri() == kStyle &&
                   reader.name() == QLatin1String("table-cell-properties") &&
                   family == QLatin1String("table-cell")) {
            found->cellProperties.insert(style, a);
        } else if (reader.namespaceUri() == kTable &&
                   reader.name() == QLatin1String("table-cell")) {
            ++cellDepth;
            cellColored = false;
            found->cellColors.append(QString());
        } else if (cellDepth > 0 && !cellColored && reader.namespaceUri() == kText &&
                   (reader.name() == QLatin1String("p") || reader.name() == QLatin1String("h"))) {
            // The first paragraph of the cell gives its colour.
            cellColored = true;
            found->cellColors.last() = found->paragraphColors.value(
                a.value(kText, QStringLiteral("style-name")).toString());
        }
    }
    return !reader.hasError();
}

} // namespace

QByteArray mendContent(const QByteArray& content) {
    Found found;
    if (!find(content, &found))
        return content;
    // One new style for each cell style and colour met together.
    QHash<QString, QString> shadedStyles;
    QList<std::pair<QString, QString>> newStyles; // (cell style, colour) in the order met
    {
        QXmlStreamReader reader(content);
        qsizetype cell = 0;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement() || reader.namespaceUri() != kTable ||
                reader.name() != QLatin1String("table-cell"))
                continue;
            const QString color = found.cellColors.value(cell++);
            const QString style =
                reader.attributes().value(kTable, QStringLiteral("style-name")).toString();
            const QString key = style + QLatin1Char(' ') + color;
            if (color.isEmpty() || shadedStyles.contains(key))
                continue;
            shadedStyles.insert(key, QStringLiteral("LcShaded%1").arg(newStyles.size() + 1));
            newStyles.append({style, color});
        }
    }
    QByteArray out;
    QXmlStreamReader reader(content);
    QXmlStreamWriter writer(&out);
    qsizetype cell = 0;
    // A tab is held until what follows it shows whether it stands before a line break.
    bool tabHeld = false;
    QString heldSpace;
    const auto isText = [&reader](const char* name) {
        return reader.namespaceUri() == kText && reader.name() == QLatin1String(name);
    };
    while (!reader.atEnd()) {
        reader.readNext();
        if (tabHeld) {
            if (reader.isEndElement() && isText("tab"))
                continue;
            if (reader.isCharacters() && reader.isWhitespace()) {
                heldSpace += reader.text();
                continue;
            }
            if (!(reader.isStartElement() && isText("line-break"))) {
                writer.writeEmptyElement(kText, QStringLiteral("tab"));
                writer.writeCharacters(heldSpace);
            }
            tabHeld = false;
            heldSpace.clear();
        }
        if (reader.isStartElement() && isText("tab")) {
            tabHeld = true;
            continue;
        }
        if (reader.isEndElement() && reader.namespaceUri() == kOffice &&
            reader.name() == QLatin1String("automatic-styles")) {
            for (qsizetype i = 0; i < newStyles.size(); ++i) {
                const auto& [style, color] = newStyles[i];
                writer.writeStartElement(kStyle, QStringLiteral("style"));
                writer.writeAttribute(kStyle, QStringLiteral("name"),
                                      QStringLiteral("LcShaded%1").arg(i + 1));
                writer.writeAttribute(kStyle, QStringLiteral("family"),
                                      QStringLiteral("table-cell"));
                writer.writeStartElement(kStyle, QStringLiteral("table-cell-properties"));
                QXmlStreamAttributes properties = found.cellProperties.value(style);
                properties.append(kFo, QStringLiteral("background-color"), color);
                writer.writeAttributes(properties);
                writer.writeEndElement();
                writer.writeEndElement();
            }
        }
        if (reader.isStartElement() && reader.namespaceUri() == kTable &&
            reader.name() == QLatin1String("table-cell")) {
            const QString color = found.cellColors.value(cell++);
            QXmlStreamAttributes attributes = reader.attributes();
            const QString style = attributes.value(kTable, QStringLiteral("style-name")).toString();
            if (!color.isEmpty()) {
                QXmlStreamAttributes shaded;
                for (const QXmlStreamAttribute& a : attributes) {
                    if (a.namespaceUri() == kTable && a.name() == QLatin1String("style-name"))
                        shaded.append(kTable, QStringLiteral("style-name"),
                                      shadedStyles.value(style + QLatin1Char(' ') + color));
                    else
                        shaded.append(a);
                }
                writer.writeStartElement(kTable, QStringLiteral("table-cell"));
                writer.writeAttributes(shaded);
                continue;
            }
        }
        if (reader.isStartElement() && !reader.namespaceDeclarations().isEmpty()) {
            // Declared before the element, so that it keeps its own prefix.
            for (const QXmlStreamNamespaceDeclaration& ns : reader.namespaceDeclarations())
                writer.writeNamespace(ns.namespaceUri().toString(), ns.prefix().toString());
            writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
            writer.writeAttributes(reader.attributes());
            continue;
        }
        writer.writeCurrentToken(reader);
    }
    return reader.hasError() ? content : out;
}

} // namespace OdfMending

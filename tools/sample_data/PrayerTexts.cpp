// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "PrayerTexts.h"

#include "TextTable.h"

#include <QFile>
#include <QStringList>

namespace {

const QStringList& kinds() {
    static const QStringList list{QStringLiteral("collect"),        QStringLiteral("sentence"),
                                  QStringLiteral("call"),           QStringLiteral("thanksgiving"),
                                  QStringLiteral("entrance"),       QStringLiteral("gifts"),
                                  QStringLiteral("preface"),        QStringLiteral("communion"),
                                  QStringLiteral("aftercommunion"), QStringLiteral("peace"),
                                  QStringLiteral("blessing"),       QStringLiteral("acclamation")};
    return list;
}

QString indexKey(const QString& group, const QString& kind, const QString& language) {
    return group + QLatin1Char('/') + kind + QLatin1Char('/') + language;
}

} // namespace

QString PrayerText::html() const {
    QString result;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n")))
        result += QStringLiteral("<P>") + paragraph.toHtmlEscaped() + QStringLiteral("</P>");
    return result;
}

bool PrayerTexts::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return loadText(file.readAll(), path, error);
}

bool PrayerTexts::loadText(const QByteArray& text, const QString& name, QString* error) {
    m_texts.clear();
    m_index.clear();
    QList<TextTable::Record> records;
    if (!TextTable::parse(text, name, 5, &records, error))
        return false;
    for (const TextTable::Record& record : records) {
        const QStringList& f = record.fields;
        const QString where = QStringLiteral("%1, line %2").arg(name).arg(record.line);
        PrayerText entry;
        entry.id = int(m_texts.size()) + 1;
        entry.group = f.at(0);
        entry.kind = f.at(1);
        entry.language = f.at(2);
        entry.name = f.at(3);
        QStringList paragraphs = f.at(4).split(QStringLiteral("//"));
        for (QString& paragraph : paragraphs)
            paragraph = paragraph.trimmed();
        entry.text = paragraphs.join(QStringLiteral("\n\n"));
        if (entry.group.isEmpty() || entry.name.isEmpty() || entry.text.isEmpty() ||
            !kinds().contains(entry.kind) ||
            (entry.language != QLatin1String("en") && entry.language != QLatin1String("no"))) {
            if (error)
                *error = where + QStringLiteral(": incomplete text or unknown kind or language");
            return false;
        }
        const QString key = indexKey(entry.group, entry.kind, entry.language);
        if (m_index.contains(key)) {
            if (error)
                *error = where + QStringLiteral(": a second %1 text").arg(key);
            return false;
        }
        m_index.insert(key, int(m_texts.size()));
        m_texts.append(entry);
    }
    return true;
}

const PrayerText* PrayerTexts::find(const QString& group, const QString& kind,
                                    const QString& language) const {
    auto it = m_index.constFind(indexKey(group, kind, language));
    if (it == m_index.constEnd())
        it = m_index.constFind(indexKey(QStringLiteral("*"), kind, language));
    return it == m_index.constEnd() ? nullptr : &m_texts.at(it.value());
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// A proper text of the sample editions: a prayer, an antiphon, a blessing and so on.
struct PrayerText {
    int id = 0; // content number, the text's place in the table from 1
    QString group;
    QString kind;
    QString language;
    QString name;
    QString text; // paragraphs separated by a blank line

    // The text as an HTML fragment, one paragraph a <P>.
    QString html() const;
};

// The table of proper texts.
class PrayerTexts {
public:
    bool load(const QString& path, QString* error);
    bool loadText(const QByteArray& text, const QString& name, QString* error);

    // The text of `kind` in `language` for a prayer group: the group's own, else the one for
    // every group ('*'); null when there is neither.
    const PrayerText* find(const QString& group, const QString& kind,
                           const QString& language) const;
    const QList<PrayerText>& all() const { return m_texts; }

private:
    QList<PrayerText> m_texts;
    QMap<QString, int> m_index; // group/kind/language -> position
};

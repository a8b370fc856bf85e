// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/ShortTimes.h"

#include "calendar/CalendarRow.h"
#include "support/SystemFormats.h"

#include <QHash>
#include <cstring>

namespace {

// The texts made so far on this thread, for one locale and form; another locale or form (the
// user changed the system's settings, or a caller its default locale) starts afresh.
struct Known {
    static constexpr qsizetype kMaxTexts = 1024;

    QLocale locale;
    QString format;
    // By the stored value itself: the same value always gives the same text, and a value seen
    // before need not be converted again.
    QHash<quint64, QString> texts;
    // Counts the restarts, so that a ShortTimes of an earlier locale or form uses none of these.
    quint64 generation = 0;
};

Known& known() {
    thread_local Known texts;
    return texts;
}

} // namespace

ShortTimes::ShortTimes() : m_format(SystemFormats::shortTimeFormat()) {
    Known& known = ::known();
    if (known.format != m_format || known.locale != m_locale)
        known = {m_locale, m_format, {}, known.generation + 1};
    m_generation = known.generation;
}

QString ShortTimes::of(const QVariant& value) {
    Known& known = ::known();
    if (value.typeId() != QMetaType::Double || known.generation != m_generation)
        return value.isNull() ? QString() : format(value);
    quint64 key = 0;
    std::memcpy(&key, value.constData(), sizeof key);
    QHash<quint64, QString>& texts = known.texts;
    auto text = texts.constFind(key);
    if (text != texts.constEnd())
        return text.value();
    QString made = format(value);
    if (texts.size() >= Known::kMaxTexts)
        texts.clear();
    texts.insert(key, made);
    return made;
}

QString ShortTimes::format(const QVariant& value) const {
    return m_locale.toString(CalendarRow::timeOfDay(value, "Time"), m_format);
}

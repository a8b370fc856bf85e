// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/ShortTimes.h"

#include "calendar/CalendarRow.h"
#include "support/SystemFormats.h"

#include <QHash>

namespace {

// The texts made so far on this thread, for one locale and form; another locale or form (the
// user changed the system's settings, or a caller its default locale) starts afresh.
struct Known {
    static constexpr qsizetype kMaxTexts = 1024;

    QLocale locale;
    QString format;
    QHash<int, QString> texts; // by milliseconds since midnight
};

Known& known() {
    thread_local Known texts;
    return texts;
}

} // namespace

ShortTimes::ShortTimes() : m_format(SystemFormats::shortTimeFormat()) {}

QString ShortTimes::of(const QVariant& value) {
    if (value.isNull())
        return {};
    const QTime time = CalendarRow::timeOfDay(value, "Time");
    if (!time.isValid())
        return m_locale.toString(time, m_format);
    Known& known = ::known();
    if (known.format != m_format || known.locale != m_locale ||
        known.texts.size() >= Known::kMaxTexts)
        known = {m_locale, m_format, {}};
    const int key = time.msecsSinceStartOfDay();
    auto text = known.texts.constFind(key);
    if (text == known.texts.constEnd())
        text = known.texts.insert(key, m_locale.toString(time, m_format));
    return text.value();
}

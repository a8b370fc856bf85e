// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/ShortTimes.h"

#include "calendar/CalendarRow.h"
#include "support/SystemFormats.h"

#include <QLocale>

ShortTimes::ShortTimes() : m_format(SystemFormats::shortTimeFormat()) {}

QString ShortTimes::of(const QVariant& value) {
    if (value.isNull())
        return {};
    const QTime time = CalendarRow::timeOfDay(value, "Time");
    if (!time.isValid())
        return QLocale().toString(time, m_format);
    const int key = time.msecsSinceStartOfDay();
    auto known = m_texts.constFind(key);
    if (known == m_texts.constEnd())
        known = m_texts.insert(key, QLocale().toString(time, m_format));
    return known.value();
}

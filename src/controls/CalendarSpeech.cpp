// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/CalendarSpeech.h"

namespace {

const std::array<const char*, CalendarSpeech::kColors> kEnglishColors = {
    "white", "violet", "green", "red", "black", "blue", "scarlet"};
const std::array<const char*, CalendarSpeech::kColors> kNorwegianColors = {
    "hvit", "fiolett", "grønn", "rød", "svart", "blå", "skarlagen"};

} // namespace

CalendarSpeech::CalendarSpeech(const QLocale& locale) : m_locale(locale) {}

bool CalendarSpeech::norwegian() const {
    const QLocale::Language language = m_locale.language();
    return language == QLocale::NorwegianBokmal || language == QLocale::NorwegianNynorsk;
}

void CalendarSpeech::setColorTable(const ColorTable& colors) {
    m_colors = colors;
    m_hasColors = true;
}

QString CalendarSpeech::date(const QDate& date) const {
    return m_locale.toString(date, norwegian() ? QStringLiteral("dddd d. MMMM yyyy")
                                               : QStringLiteral("dddd d MMMM yyyy"));
}

QStringList CalendarSpeech::weekdays(int firstDayOfWeek) const {
    QStringList names;
    // Sunday = 1 here is day 7 to QLocale, Monday 1.
    for (int col = 0; col < 7; ++col)
        names.append(m_locale.dayName((firstDayOfWeek + 5 + col) % 7 + 1));
    return names;
}

QString CalendarSpeech::month(int month, int year) const {
    return m_locale.standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(year);
}

QString CalendarSpeech::range(const QDate& first, const QDate& last) const {
    const QString form =
        norwegian() ? QStringLiteral("d. MMMM yyyy") : QStringLiteral("d MMMM yyyy");
    return m_locale.toString(first, form) +
           (norwegian() ? QStringLiteral(" til ") : QStringLiteral(" to ")) +
           m_locale.toString(last, form);
}

QString CalendarSpeech::colorName(qint32 value) const {
    if (!m_hasColors)
        return {};
    for (int code = 0; code < kColors; ++code) {
        if (m_colors[size_t(code)] == value)
            return QString::fromUtf8(norwegian() ? kNorwegianColors[size_t(code)]
                                                 : kEnglishColors[size_t(code)]);
    }
    return {};
}

QString CalendarSpeech::service(const QString& time, const QString& type, const QString& location) {
    QString text;
    text.reserve(time.size() + 1 + type.size());
    text += time;
    text += QLatin1Char(' ');
    text += type;
    text = std::move(text).trimmed();
    if (!location.trimmed().isEmpty())
        text += QStringLiteral(" (") + location.trimmed() + QLatin1Char(')');
    return text;
}

QString CalendarSpeech::day(const QDate& date, const QStringList& names,
                            const QList<qint32>& colors, const QStringList& services,
                            int marker) const {
    QStringList parts{this->date(date)};
    for (const QString& name : names) {
        if (!name.trimmed().isEmpty())
            parts.append(name.trimmed());
    }
    QStringList colorNames;
    for (qint32 value : colors) {
        const QString name = colorName(value);
        if (!name.isEmpty() && !colorNames.contains(name))
            colorNames.append(name);
    }
    if (!colorNames.isEmpty())
        parts.append(
            colorNames.join(norwegian() ? QStringLiteral(" og ") : QStringLiteral(" and ")));

    const qsizetype count = services.isEmpty() ? (marker >= 3  ? 2
                                                  : marker > 0 ? 1
                                                               : 0)
                                               : services.size();
    if (count == 0)
        return parts.join(QStringLiteral(", "));
    QString said;
    if (services.isEmpty() && count > 1)
        said = norwegian() ? QStringLiteral("flere gudstjenester")
                           : QStringLiteral("several services");
    else if (norwegian())
        said = QString::number(count) +
               (count == 1 ? QStringLiteral(" gudstjeneste") : QStringLiteral(" gudstjenester"));
    else
        said = QString::number(count) +
               (count == 1 ? QStringLiteral(" service") : QStringLiteral(" services"));
    if (!services.isEmpty())
        said += QStringLiteral(": ") + services.join(QStringLiteral(", "));
    parts.append(said);
    return parts.join(QStringLiteral(", "));
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "resources/ResourceStrings.h"

#include "support/SharedState.h"

#include <QHash>

namespace ResourceStrings {

namespace {

// gLanguageOffset of the Norwegian block.
constexpr qint32 kNorwegianOffset = 1000;

const QHash<qint32, QString>& table() {
    static const QHash<qint32, QString> strings = {
        {1000, QStringLiteral("ENGLISH")},
        {1001, QStringLiteral("Month")},
        {1002, QStringLiteral("Week")},
        {1003, QStringLiteral("Calendar")},
        {1004, QStringLiteral("Readings")},
        {1005, QStringLiteral("Prayers")},
        {1006, QStringLiteral("Liturgies")},
        {1007, QStringLiteral("No program for OpenDocument text documents is installed. Install "
                              "LibreOffice Writer or choose one with your desktop's file "
                              "settings.")},
        {1008, QStringLiteral("Date of print:")},
        {1009, QStringLiteral("Standard")},
        {1010, QStringLiteral("Liturgies")},
        {1011, QStringLiteral("Liturgical Day")},
        {1012, QStringLiteral("Liturgy         ")},
        {2000, QStringLiteral("NORWEGIAN")},
        {2001, QStringLiteral("Måned")},
        {2002, QStringLiteral("Uke")},
        {2003, QStringLiteral("Kalender")},
        {2004, QStringLiteral("Lesninger")},
        {2005, QStringLiteral("Kollektbønn")},
        {2006, QStringLiteral("Gudstjenester")},
        {2007,
         QStringLiteral("Det er ikke installert noe program for OpenDocument-tekstdokumenter. "
                        "Installer LibreOffice Writer eller velg et program i skrivebordets "
                        "filinnstillinger.")},
        {2008, QStringLiteral("Utskriftsdato:")},
        {2009, QStringLiteral("Standard")},
        {2010, QStringLiteral("Gudstjenester")},
        {2011, QStringLiteral("Dag i kirkeåret")},
        {2012, QStringLiteral("Gudstjeneste")},
        {3000, QStringLiteral("FINNISH")},
        {4000, QStringLiteral("GERMAN")},
        {5000, QStringLiteral("SWEDISH")},
        {6000, QStringLiteral("ITALIAN")},
    };
    return strings;
}

} // namespace

QString LoadResString(qint32 id) {
    return table().value(id);
}

QString text(qint32 english) {
    return LoadResString(english + shared().gLanguageOffset);
}

QLocale locale() {
    return languageLocale();
}

QString todayCaption() {
    if (shared().gLanguageOffset == kNorwegianOffset)
        return QStringLiteral("G\u00e5 til i dag");
    return QStringLiteral("Go to Today");
}

QString nothingAppointed() {
    if (shared().gLanguageOffset == kNorwegianOffset)
        return QStringLiteral("Ingen lesninger er fastsatt for denne dagen.");
    return QStringLiteral("No readings are appointed for this day.");
}

} // namespace ResourceStrings

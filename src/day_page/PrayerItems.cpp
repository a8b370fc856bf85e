// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/PrayerItems.h"

namespace PrayerItems {

QList<Item> forEdition(qint32 version) {
    switch (version) {
    case 1:
        return {{QStringLiteral("Sentence of Scripture"), 3},
                {QStringLiteral("Responsive Call to Worship"), 167},
                {QStringLiteral("Prayer of the Day"), 201},
                {QStringLiteral("Great Thanksgiving"), 16}};
    case 1007:
    case 10024:
        return {{QStringLiteral("Entrance Antiphon"), 34},
                {QStringLiteral("Opening Prayer"), 201},
                {QStringLiteral("Prayer over the Gifts"), 13},
                {QStringLiteral("Preface"), 15},
                {QStringLiteral("Communion Antiphon"), 43},
                {QStringLiteral("Prayer after Communion"), 29}};
    case 1010:
        return {{QStringLiteral("Sentence"), 47}, {QStringLiteral("Collect"), 201}};
    case 1011:
        return {{QStringLiteral("Entrance Antiphon"), 2},
                {QStringLiteral("Opening Prayer"), 201},
                {QStringLiteral("Prayer over the Gifts"), 12},
                {QStringLiteral("Communion Antiphon"), 72},
                {QStringLiteral("Prayer after Communion"), 23}};
    case 1015:
        return {{QStringLiteral("Sentence"), 4},
                {QStringLiteral("Collect"), 201},
                {QStringLiteral("Introduction to the Peace"), 22},
                {QStringLiteral("Blessing"), 41}};
    case 39:
    case 47:
    case 49:
    case 490:
    case 1016:
        return {{QStringLiteral("Kollektbønn"), 201}};
    case 46:
    case 358:
    case 3580:
        return {{QStringLiteral("Kollektbön"), 201}};
    default:
        return {};
    }
}

} // namespace PrayerItems

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/PageSetupCodes.h"

#include <QStringList>

namespace PageSetupCodes {

std::array<QString, 3> expand(const QString& codes, const Facts& facts) {
    QStringList parts(1);
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QChar c = codes.at(i);
        if (c != QLatin1Char('&') || i + 1 >= codes.size()) {
            parts.last() += c;
            continue;
        }
        const QChar code = codes.at(++i);
        switch (code.unicode()) {
        case 'b':
            parts.append(QString());
            break;
        case 'D':
            parts.last() += facts.date;
            break;
        case 'p':
            parts.last() += QString::number(facts.page);
            break;
        case 'P':
            parts.last() += QString::number(facts.pages);
            break;
        case 'w':
            parts.last() += facts.title;
            break;
        case 'u':
            parts.last() += facts.address;
            break;
        case '&':
            parts.last() += QLatin1Char('&');
            break;
        default:
            parts.last() += c;
            parts.last() += code;
            break;
        }
    }
    if (parts.size() == 1)
        return {parts.first(), QString(), QString()};
    if (parts.size() == 2)
        return {parts.first(), QString(), parts.last()};
    return {parts.first(), parts.mid(1, parts.size() - 2).join(QString()), parts.last()};
}

} // namespace PageSetupCodes

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalText.h"

QString TerminalText::printable(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    return result;
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalMessages.h"

#include "support/CErrHandler.h"
#include "support/SharedState.h"

namespace {

constexpr const char* kHandlerMessage = "The following error has occurred in procedure:";

} // namespace

TerminalMessages::TerminalMessages(FILE* out) : HeadlessUserInterface(nullptr), m_out(out) {}

UserInterface::Answer TerminalMessages::messageBox(Icon icon, Buttons buttons, const QString& title,
                                                   const QString& text) {
    const Answer answer = HeadlessUserInterface::messageBox(icon, buttons, title, text);
    // The first message says what went wrong; what follows from it (a connection that was
    // never opened, a fill that stops) is for the log, which has every one.
    if (m_out && messageBoxes().size() == 1) {
        std::fprintf(m_out, "liturgy-calendar: %s\n", plainLine(text).toLocal8Bit().constData());
        std::fflush(m_out);
    }
    return answer;
}

QString TerminalMessages::plainLine(const QString& text) {
    QString line = text;
    if (text.startsWith(QLatin1String(kHandlerMessage)) && shared().errHandler)
        line = shared().errHandler->lastErrorDescription();
    // The first line says what went wrong; the database engine's own words follow it.
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return line.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalMessages.h"

#include "support/modLog.h"

namespace {

void messageToLog(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    // A remark made while writing the log is not written again.
    static thread_local bool writing = false;
    if (writing)
        return;
    writing = true;
    modLog::writeRecord({QStringLiteral("Qt"), message});
    writing = false;
}

} // namespace

TerminalMessages::TerminalMessages(FILE* out) : HeadlessUserInterface(nullptr), m_out(out) {}

UserInterface::Answer TerminalMessages::showMessage(Icon icon, Buttons buttons,
                                                    const QString& title, const QString& text,
                                                    const QString& details) {
    const Answer answer = HeadlessUserInterface::showMessage(icon, buttons, title, text, details);
    // The first message says what went wrong; what follows from it (a connection that was
    // never opened, a fill that stops) is for the log, which has every one.
    if (m_out && messageBoxes().size() == 1) {
        std::fprintf(m_out, "liturgy-calendar: %s\n", plainLine(text).toLocal8Bit().constData());
        std::fflush(m_out);
    }
    return answer;
}

QString TerminalMessages::plainLine(const QString& text) {
    // The first line says what went wrong; the database engine's own words follow it.
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return line.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void TerminalMessages::routeQtMessagesToLog() {
    qInstallMessageHandler(messageToLog);
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalProgress.h"

#include <QCoreApplication>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kBarWidth = 30;

} // namespace

TerminalProgress::TerminalProgress(FILE* stream, QString what, bool terminal)
    : m_stream(stream), m_what(std::move(what)), m_terminal(terminal) {}

bool TerminalProgress::isTerminal(FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

void TerminalProgress::update(qint64 done, qint64 total) {
    const int percent = total <= 0 ? 100 : int(done * 100 / total);
    const int step = m_terminal ? percent : percent / 25;
    if (step == m_shown)
        return;
    m_shown = step;
    const QString counted = QCoreApplication::translate("TerminalProgress", "%1% (%2 of %3 rows)")
                                .arg(percent)
                                .arg(done)
                                .arg(total);
    if (!m_terminal) {
        std::fprintf(m_stream, "%s: %s\n", qPrintable(m_what), qPrintable(counted));
        std::fflush(m_stream);
        return;
    }
    const int filled = percent * kBarWidth / 100;
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('-'));
    std::fprintf(m_stream, "\r%s [%s] %s%s", qPrintable(m_what), qPrintable(bar),
                 qPrintable(counted), percent == 100 ? "\n" : "");
    std::fflush(m_stream);
    m_open = percent != 100;
}

void TerminalProgress::interrupt() {
    if (!m_open)
        return;
    std::fputc('\n', m_stream);
    m_open = false;
}

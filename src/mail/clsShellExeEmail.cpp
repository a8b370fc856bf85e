// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "mail/clsShellExeEmail.h"

#include "support/ExternalProgram.h"
#include "support/ProcScope.h"

namespace {

// The classic answers of the shell that the failures of xdg-open stand for.
constexpr qint32 kFileNotFound = 2;
constexpr qint32 kNoAssociation = 31;
// xdg-open's exit codes.
constexpr int kXdgFileMissing = 2;
// How long the desktop may take to hand the request on.
constexpr int kWaitMs = 15000;

qint32 answerOf(const ExternalProgram::Result& run) {
    using ExternalProgram::Outcome;
    if (run.outcome == Outcome::StillRunning)
        return clsShellExeEmail::kHandedOver;
    if (run.outcome != Outcome::Finished)
        return kNoAssociation;
    if (run.exitCode == 0)
        return clsShellExeEmail::kHandedOver;
    return run.exitCode == kXdgFileMissing ? kFileNotFound : kNoAssociation;
}

} // namespace

QString clsShellExeEmail::encodeValue(const QString& value) {
    QString encoded;
    encoded.reserve(value.size());
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        const bool special =
            u < 0x20 || u == 0x7F || u == u'%' || u == u'&' || u == u'?' || u == u'#' || u == u'"';
        if (!special) {
            encoded += c;
            continue;
        }
        encoded += QStringLiteral("%%1").arg(uint(u), 2, 16, QLatin1Char('0')).toUpper();
    }
    return encoded;
}

void clsShellExeEmail::prepareSend() {
    ProcScope scope("clsShellExeEmail.prepareSend");
    scope.run([&] {
        const QString address = QStringLiteral("mailto:") + encodeValue(m_sendTo);
        QString parameters;
        const auto add = [&](const char* name, const QString& value) {
            parameters += QLatin1Char('&') + QLatin1String(name) + QLatin1Char('=') + value;
        };
        if (!m_cc.isEmpty())
            add("CC", encodeValue(m_cc));
        if (!m_bcc.isEmpty())
            add("BCC", encodeValue(m_bcc));
        if (!m_subject.isEmpty())
            add("Subject", encodeValue(m_subject));
        if (!m_body.isEmpty())
            add("Body", encodeValue(m_body + QStringLiteral("\r\n\r\n")));
        if (!m_attachments.isEmpty())
            add("Attach", QLatin1Char('"') + encodeValue(m_attachments) + QLatin1Char('"'));
        if (!parameters.isEmpty())
            parameters[0] = QLatin1Char('?');
        m_request = address + parameters;
    });
}

void clsShellExeEmail::Send() {
    ProcScope scope("clsShellExeEmail.Send");
    scope.run([&] {
        m_answer = 0;
        if (m_request.isEmpty())
            return;
        m_answer = answerOf(ExternalProgram::run(QStringLiteral("xdg-open"), {m_request}, kWaitMs));
    });
}

qint32 clsShellExeEmail::pResult() const {
    return m_answer >= 0 && m_answer <= 32 ? -1 : m_answer;
}

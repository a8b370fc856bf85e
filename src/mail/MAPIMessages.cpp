// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "mail/MAPIMessages.h"

#include "mail/MAPISession.h"
#include "mail/MailFailures.h"
#include "support/ExternalProgram.h"

namespace {

// xdg-email's exit codes.
constexpr int kSyntaxError = 1;
constexpr int kFileMissing = 2;
constexpr int kNoTool = 3;
constexpr int kNoPermission = 5;
// How long the mail client may take to show its compose window before it is left to run.
constexpr int kWaitMs = 15000;

} // namespace

void MAPIMessages::requireSession() const {
    if (!MAPISession::isOpen(m_sessionID))
        throw MailFailures::invalidSession();
}

void MAPIMessages::Compose() {
    requireSession();
    m_noteText.clear();
    m_subject.clear();
    m_attachmentName.clear();
    m_attachmentPath.clear();
    m_attachmentPosition = 0;
}

QStringList MAPIMessages::arguments() const {
    QStringList args;
    if (!m_subject.isEmpty())
        args << QStringLiteral("--subject") << m_subject;
    if (!m_noteText.isEmpty())
        args << QStringLiteral("--body") << m_noteText;
    if (!m_attachmentPath.isEmpty())
        args << QStringLiteral("--attach") << m_attachmentPath;
    return args;
}

void MAPIMessages::Send(bool dialog) {
    // The client always shows its compose window: the recipients are picked there.
    Q_UNUSED(dialog);
    requireSession();
    using ExternalProgram::Outcome;
    const ExternalProgram::Result run =
        ExternalProgram::run(MailFailures::mailProgram(), arguments(), kWaitMs);
    switch (run.outcome) {
    case Outcome::StillRunning:
        return;
    case Outcome::NotFound:
    case Outcome::FailedToStart:
        throw Failure::cannotCreateObject(MailFailures::mailProgram());
    case Outcome::Crashed:
        throw MailFailures::userAbort();
    case Outcome::Finished:
        break;
    }
    switch (run.exitCode) {
    case 0:
        return;
    case kSyntaxError:
        throw Failure::invalidCall(MailFailures::mailProgram() + QStringLiteral(" ") +
                                   arguments().join(QLatin1Char(' ')));
    case kFileMissing:
        throw Failure::fileNotFound(m_attachmentPath);
    case kNoPermission:
        throw Failure::pathFileAccess(m_attachmentPath);
    case kNoTool:
        throw MailFailures::loginFailure();
    default:
        throw MailFailures::userAbort();
    }
}

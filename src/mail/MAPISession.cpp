// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "mail/MAPISession.h"

#include "mail/MailFailures.h"
#include "support/ExternalProgram.h"

#include <QSet>

namespace {

QSet<qint32>& openSessions() {
    static QSet<qint32> sessions;
    return sessions;
}

qint32& lastSession() {
    static qint32 last = 0;
    return last;
}

} // namespace

MAPISession::~MAPISession() {
    openSessions().remove(m_sessionID);
}

void MAPISession::SignOn() {
    if (ExternalProgram::find(MailFailures::mailProgram()).isEmpty())
        throw MailFailures::loginFailure();
    if (m_sessionID != 0)
        return;
    m_sessionID = ++lastSession();
    openSessions().insert(m_sessionID);
}

void MAPISession::SignOff() {
    if (m_sessionID == 0)
        throw MailFailures::invalidSession();
    openSessions().remove(m_sessionID);
    m_sessionID = 0;
}

bool MAPISession::isOpen(qint32 sessionID) {
    return sessionID != 0 && openSessions().contains(sessionID);
}

qsizetype MAPISession::openCount() {
    return openSessions().size();
}

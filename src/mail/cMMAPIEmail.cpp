// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "mail/cMMAPIEmail.h"

#include "mail/MAPIMessages.h"
#include "mail/MAPISession.h"
#include "mail/MailFailures.h"
#include "mail/clsShellExeEmail.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"

#include <memory>

bool cMMAPIEmail::mSend() {
    ProcScope scope("cMMAPIEmail.mSend");
    bool result = false;
    m_noMailProgram = false;
    std::unique_ptr<QObject> session;
    bool signedOn = false;
    const auto signOff = [&] {
        if (!signedOn)
            return;
        signedOn = false;
        try {
            LateBinding::call(session.get(), "SignOff");
        } catch (...) {
            // A session that will not close is no reason to fail the message.
        }
    };
    scope.run(
        [&] {
            session = ObjectRegistry::CreateObject(QString::fromLatin1(MAPISession::kProgId));
            LateBinding::set(session.get(), "NewSession", false);
            LateBinding::set(session.get(), "DownLoadMail", false);
            LateBinding::set(session.get(), "LogonUI", true);
            LateBinding::call(session.get(), "SignOn");
            signedOn = true;

            std::unique_ptr<QObject> messages =
                ObjectRegistry::CreateObject(QString::fromLatin1(MAPIMessages::kProgId));
            LateBinding::set(messages.get(), "SessionID",
                             LateBinding::get(session.get(), "SessionID"));
            LateBinding::call(messages.get(), "Compose");
            LateBinding::set(messages.get(), "MsgNoteText", m_body);
            LateBinding::set(messages.get(), "MsgSubject", m_subject);
            LateBinding::set(messages.get(), "AttachmentName", m_attachFile);
            LateBinding::set(messages.get(), "AttachmentPathName", m_attachFile);
            const qint32 noteLength =
                qint32(LateBinding::get(messages.get(), "MsgNoteText").toString().size());
            LateBinding::set(messages.get(), "AttachmentPosition", noteLength - 1);
            LateBinding::call(messages.get(), "Send", {true});

            messages.reset();
            signOff();
            session.reset();
            result = true;
        },
        [&](const Failure& failure) {
            signOff();
            switch (failure.number()) {
            case 429:
                result = SendWithShellExecute();
                m_noMailProgram = !result;
                break;
            case MailFailures::kLoginFailure:
                // xdg-email found no program to compose with.
                m_noMailProgram = true;
                break;
            case MailFailures::kUserAbort:
            case MailFailures::kInvalidSession:
                break;
            default:
                ProcScope::handle(failure);
                break;
            }
        });
    return result;
}

bool cMMAPIEmail::SendWithShellExecute() {
    ProcScope scope("cMMAPIEmail.SendWithShellExecute");
    bool result = false;
    scope.run([&] {
        clsShellExeEmail mail;
        mail.setPBodyText(m_body);
        mail.setPSubjectText(m_subject);
        mail.setPAttachments(m_attachFile);
        mail.prepareSend();
        mail.Send();
        // Every failure of the desktop reads as -1, so only an answer above the failure codes
        // means the request was taken.
        result = mail.pResult() > 32;
    });
    return result;
}

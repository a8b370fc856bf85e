// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/FakePrograms.h"
#include "common/TestEnv.h"
#include "mail/MAPISession.h"
#include "mail/MailComponents.h"
#include "mail/cMMAPIEmail.h"
#include "mail/clsShellExeEmail.h"
#include "support/ObjectRegistry.h"

using namespace Qt::StringLiterals;

namespace {

class MailTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        registerMailComponents();
    }
    void TearDown() override {
        ObjectRegistry::registerFactory(QString::fromLatin1(MAPISession::kProgId), {});
        ObjectRegistry::registerFactory(u"MSMAPI.MAPIMessages"_s, {});
        TestEnv::TearDown();
    }
};

// The mail of a readings page through the mail client, and through the desktop when xdg-email
// is missing: what each program was given, the result, and what the user was told.
TEST_F(MailTest, ComposeThroughTheMailClientOrTheDesktop) {
    const QString page = writeFile(u"CEN1A.HTM"_s, "<p>Readings</p>");
    const QString subject = u"Readings 3/10/24 - Third Sunday in Lent"_s;
    const QStringList composed = {u"--subject"_s, subject,       u"--body"_s,
                                  u" "_s,         u"--attach"_s, page};
    const QStringList requested = {u"mailto:?Subject="_s + subject +
                                   u"&Body= %0D%0A%0D%0A&Attach=\""_s + page + u"\""_s};
    struct Case {
        const char* name;
        int mailExit; // -1: no xdg-email
        int openExit; // -1: no xdg-open
        bool result;
        QList<QStringList> mailRuns;
        QList<QStringList> openRuns;
        int messages;
        bool noMailProgram; // the caller is to tell the user
    };
    const Case cases[] = {
        {"client composes", 0, 0, true, {composed}, {}, 0, false},
        {"no client configured", 3, 0, false, {composed}, {}, 0, true},
        {"client gives up", 4, 0, false, {composed}, {}, 0, false},
        {"attachment refused", 2, 0, false, {composed}, {}, 1, false},
        {"no xdg-email: mailto", -1, 0, true, {}, {requested}, 0, false},
        {"no xdg-email, desktop fails", -1, 4, false, {}, {requested}, 0, true},
        {"nothing installed", -1, -1, false, {}, {}, 0, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui().clear();
        FakePrograms fakes(path(u"bin%1"_s.arg(++n)));
        if (c.mailExit >= 0)
            fakes.add(u"xdg-email"_s, c.mailExit);
        if (c.openExit >= 0)
            fakes.add(u"xdg-open"_s, c.openExit);
        cMMAPIEmail mail;
        mail.setPSubjectText(subject);
        mail.setPBodyText(u" "_s);
        mail.setPAttachFile(page);
        EXPECT_EQ(mail.mSend(), c.result);
        EXPECT_EQ(fakes.runs(u"xdg-email"_s), c.mailRuns);
        EXPECT_EQ(fakes.runs(u"xdg-open"_s), c.openRuns);
        EXPECT_EQ(ui().messageBoxes().size(), c.messages);
        EXPECT_EQ(mail.noMailProgram(), c.noMailProgram);
        EXPECT_EQ(MAPISession::openCount(), 0) << "a session was left open";
    }
}

// The "mailto:" requests: exactly as built from plain values, with the characters that would
// change the request's meaning percent-encoded.
TEST_F(MailTest, MailtoRequests) {
    struct Case {
        QString sendTo, cc, bcc, subject, body, attachments;
        QString request;
    };
    const Case cases[] = {
        {QString(), QString(), QString(), QString(), QString(), QString(), u"mailto:"_s},
        {QString(), QString(), QString(), u"Prayers 3/5/24 - Tuesday"_s, QString(),
         u"/tmp/lc/CEN2B.HTM"_s,
         u"mailto:?Subject=Prayers 3/5/24 - Tuesday&Attach=\"/tmp/lc/CEN2B.HTM\""_s},
        {u"lector@example.org"_s, u"a@example.org"_s, u"b@example.org"_s, u"S"_s, u"B"_s, QString(),
         u"mailto:lector@example.org?CC=a@example.org&BCC=b@example.org&Subject=S&Body=B%0D%0A%0D%0A"_s},
        {QString(), QString(), QString(), u"Q&A? #1 at 100%"_s, u"Line 1\nLine 2"_s,
         u"/tmp/a \"b\".htm"_s,
         u"mailto:?Subject=Q%26A%3F %231 at 100%25&Body=Line 1%0ALine 2%0D%0A%0D%0A"
         u"&Attach=\"/tmp/a %22b%22.htm\""_s},
        {u"x@y?cc=z"_s, QString(), QString(), QString(), QString(), QString(),
         u"mailto:x@y%3Fcc=z"_s},
    };
    for (const Case& c : cases) {
        clsShellExeEmail mail;
        mail.setPSendTo(c.sendTo);
        mail.setPCC(c.cc);
        mail.setPBCC(c.bcc);
        mail.setPSubjectText(c.subject);
        mail.setPBodyText(c.body);
        mail.setPAttachments(c.attachments);
        mail.prepareSend();
        EXPECT_EQ(mail.request(), c.request);
    }
    // Sending before anything was built is a failure of the desktop, as every other.
    clsShellExeEmail unbuilt;
    unbuilt.Send();
    EXPECT_EQ(unbuilt.pResult(), -1);
}

} // namespace

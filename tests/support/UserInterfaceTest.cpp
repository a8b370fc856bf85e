// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/HeadlessUserInterface.h"
#include "support/SharedState.h"

#include <cstdio>
#include <memory>

using namespace supporttest;
using namespace Qt::StringLiterals;
using Icon = UserInterface::Icon;
using Buttons = UserInterface::Buttons;
using Answer = UserInterface::Answer;

namespace {

// What was written to a stream.
QByteArray written(FILE* f) {
    std::fflush(f);
    std::rewind(f);
    QByteArray out;
    char buffer[256];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.append(buffer, qsizetype(n));
    return out;
}

} // namespace

class UserInterfaceTest : public SupportTest {};

TEST_F(UserInterfaceTest, HeadlessMessageBoxesAreWrittenAndRecorded) {
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::tmpfile(), &std::fclose);
    ASSERT_TRUE(out);
    HeadlessUserInterface headless(out.get());
    EXPECT_EQ(headless.messageBox(Icon::Critical, Buttons::Ok, u"Cendra"_s,
                                  u"Error (9) Subscript out of range"_s),
              Answer::Ok);
    headless.setAnswer(Answer::No);
    EXPECT_EQ(
        headless.messageBox(Icon::Question, Buttons::YesNo, QString(), u"Første linje\r\nandre"_s),
        Answer::No);
    // A box without a title takes the host's, once the component has it, else the product's.
    errHandler().setAppTitle(u"Host"_s);
    headless.messageBox(Icon::Information, Buttons::Ok, QString(), u"Saved"_s);

    // One line per box; a line break inside the text may reach the stream as LF alone.
    const QByteArray out1 = written(out.get());
    const QByteArray first = "Cendra: Error (9) Subscript out of range\n";
    EXPECT_TRUE(out1 == first + "Liturgy Calendar: Første linje\r\nandre\nHost: Saved\n" ||
                out1 == first + "Liturgy Calendar: Første linje\nandre\nHost: Saved\n")
        << out1.toStdString();
    EXPECT_EQ(boxTexts(headless.messageBoxes()),
              (QStringList{u"critical ok | Cendra | Error (9) Subscript out of range | "_s,
                           u"question yesno | Liturgy Calendar | Første linje\r\nandre | "_s,
                           u"info ok | Host | Saved | "_s}));
}

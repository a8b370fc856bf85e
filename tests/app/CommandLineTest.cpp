// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Command = CommandRequest::Command;

QStringList split(const char* line) {
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(CommandLineTest, ValidCommands) {
    struct Case {
        const char* line;
        Command command;
        QDate month;
        const char* ini;
        qint32 edition;
        bool json;
    };
    const Case cases[] = {
        {"version", Command::Version, {}, "", 1, false},
        {"--version", Command::Version, {}, "", 1, false},
        {"help", Command::Help, {}, "", 1, false},
        {"--help", Command::Help, {}, "", 1, false},
        {"month 2024-03", Command::Month, {2024, 3, 1}, "", 1, false},
        {"month 2024-03 --json", Command::Month, {2024, 3, 1}, "", 1, true},
        {"month --json --ini /a/b.ini 0100-12", Command::Month, {100, 12, 1}, "/a/b.ini", 1, true},
        {"week 9999-01 --edition 1011", Command::Week, {9999, 1, 1}, "", 1011, false},
        {"week 2024-02 --edition=-5 --ini=x.ini", Command::Week, {2024, 2, 1}, "x.ini", -5, false},
        {"edition", Command::Edition, {}, "", 1, false},
        {"edition --edition 1020 --ini h.ini", Command::Edition, {}, "h.ini", 1020, false},
        // The last of a repeated option counts.
        {"edition --edition 47 --edition 39", Command::Edition, {}, "", 39, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        CommandRequest request;
        QString error;
        ASSERT_TRUE(CommandLine::parse(split(c.line), &request, &error)) << error.toStdString();
        EXPECT_EQ(request.command, c.command);
        EXPECT_EQ(request.month, c.month);
        EXPECT_EQ(request.iniFile, QString::fromUtf8(c.ini));
        EXPECT_EQ(request.edition, c.edition);
        EXPECT_EQ(request.json, c.json);
    }
}

TEST(CommandLineTest, InvalidCommandsSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "no command given"},
        {"Month 2024-03", "unknown command 'Month'"},
        {"calendar", "unknown command 'calendar'"},
        {"month", "the month (YYYY-MM) is missing"},
        {"week --json", "the month (YYYY-MM) is missing"},
        {"month 2024-3", "'2024-3' is not a month of the form YYYY-MM"},
        {"month 2024-13", "'2024-13' is not a month of the form YYYY-MM"},
        {"month 2024-00", "'2024-00' is not a month of the form YYYY-MM"},
        {"month 0099-12", "'0099-12' is not a month of the form YYYY-MM"},
        {"month 2024-03-01", "'2024-03-01' is not a month of the form YYYY-MM"},
        {"month 2024-03 2024-04", "unexpected argument '2024-04'"},
        {"month 2024-03 --ini", "--ini needs a value"},
        {"month 2024-03 --ini=", "--ini needs a file"},
        {"month 2024-03 --server=", "--server needs a connection string"},
        {"version --server x", "unexpected argument '--server'"},
        {"month 2024-03 --edition abc", "the edition code 'abc' is not a number"},
        {"month 2024-03 --edition 99999999999", "the edition code '99999999999' is not a number"},
        {"month 2024-03 --JSON", "unexpected argument '--JSON'"},
        {"month 2024-03 --json=yes", "unexpected argument '--json=yes'"},
        {"edition --json", "unexpected argument '--json'"},
        {"edition 2024-03", "unexpected argument '2024-03'"},
        {"version --ini x", "unexpected argument '--ini'"},
        {"--help --ini x", "unexpected argument '--ini'"},
        {"-h", "unknown command '-h'"},
    };
    for (const auto& [line, message] : cases) {
        SCOPED_TRACE(line);
        CommandRequest request;
        QString error;
        EXPECT_FALSE(CommandLine::parse(split(line), &request, &error));
        EXPECT_EQ(error, QString::fromUtf8(message));
    }
}

} // namespace

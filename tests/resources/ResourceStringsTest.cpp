// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "resources/ResourceStrings.h"

#include "common/TestEnv.h"
#include "support/SharedState.h"

namespace {

class ResourceStringsTest : public TestEnv {};

struct Entry {
    qint32 english;
    const char* englishText;
    const char* norwegianText;
};

const Entry kEntries[] = {
    {1001, "Month", "Måned"},
    {1007,
     "No program for OpenDocument text documents is installed. Install LibreOffice Writer or "
     "choose one with your desktop's file settings.",
     "Det er ikke installert noe program for OpenDocument-tekstdokumenter. Installer LibreOffice "
     "Writer eller velg et program i skrivebordets filinnstillinger."},
    {1012, "Liturgy         ", "Gudstjeneste"}, // nine trailing blanks
};

TEST_F(ResourceStringsTest, BothBlocksByNumberAndThroughTheLanguageOffset) {
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(e.english);
        const QString english = QString::fromUtf8(e.englishText);
        const QString norwegian = QString::fromUtf8(e.norwegianText);
        EXPECT_EQ(ResourceStrings::LoadResString(e.english), english);
        EXPECT_EQ(ResourceStrings::LoadResString(e.english + 1000), norwegian);
        shared().gLanguageOffset = 0;
        EXPECT_EQ(ResourceStrings::text(e.english), english);
        shared().gLanguageOffset = 1000;
        EXPECT_EQ(ResourceStrings::text(e.english), norwegian);
    }
}

TEST_F(ResourceStringsTest, BlockNamesAndNumbersWithoutEntries) {
    const std::pair<qint32, const char*> cases[] = {
        {1000, "ENGLISH"}, {2000, "NORWEGIAN"}, {3000, "FINNISH"}, {4000, "GERMAN"},
        {5000, "SWEDISH"}, {6000, "ITALIAN"},   {0, ""},           {999, ""},
        {1013, ""},        {2013, ""},          {3001, ""},        {6001, ""},
        {7000, ""},        {-1001, ""},
    };
    for (const auto& [id, text] : cases) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ResourceStrings::LoadResString(id), QString::fromLatin1(text));
    }
}

} // namespace

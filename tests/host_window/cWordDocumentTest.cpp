// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/cWordDocument.h"

#include "common/TestEnv.h"
#include "host_window/cWordApplication.h"
#include "support/SharedState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class cWordDocumentTest : public TestEnv {};

// The name a document suggests for its file: the first line of its text with the day once, in
// the sortable form, whichever language the page's date was written in.
TEST_F(cWordDocumentTest, SuggestedNameCarriesTheDayOnce) {
    struct Case {
        qint32 languageOffset;
        QString html;
        QString expected;
    };
    const QDate exported(2026, 12, 7);
    const Case cases[] = {
        {0, u"<P>3/5/24 - Tuesday in Lent 3</P><P>Psalm 8</P>"_s,
         u"Tuesday in Lent 3 2024-03-05.odt"_s},
        {1000, u"<P>10.03.2024 - 4. s\u00f8ndag i fastetiden</P>"_s,
         u"4. s\u00f8ndag i fastetiden 2024-03-10.odt"_s},
        // A two-digit year is the one nearest the export.
        {0, u"<P>12/24/69 - Christmas Eve</P>"_s, u"Christmas Eve 2069-12-24.odt"_s},
        // Not a date before the dash: the export's day.
        {0, u"<P>Lauds - Psalm 63</P>"_s, u"Lauds - Psalm 63 2026-12-07.odt"_s},
        {0, u"<P>December 2026</P>"_s, u"December 2026 2026-12-07.odt"_s},
        {0, u"<P>Vespers: 1/2 \"A\" *</P>"_s, u"Vespers 1 2 A 2026-12-07.odt"_s},
        {0, u"<P> </P>"_s, u"Document 2026-12-07.odt"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html.toStdString());
        shared().gLanguageOffset = c.languageOffset;
        cWordApplication application(cWordApplication::Opening::Never);
        cWordDocument document(application);
        document.InsertHtml(c.html);
        EXPECT_EQ(document.suggestedName(exported), c.expected);
    }
}

} // namespace

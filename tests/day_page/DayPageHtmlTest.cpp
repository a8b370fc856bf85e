// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageHtml.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString repeated(const QString& text, qsizetype times) {
    QString out;
    for (qsizetype i = 0; i < times; ++i)
        out += text;
    return out;
}

QString note(const QString& text) {
    return u"\r\n<P><B>"_s + text + u"</B></P>"_s;
}

TEST(DayPageHtmlTest, DeepNestingIsFlattenedAndLongPagesAreCutWithANote) {
    const QString flat = note(DayPageHtml::flattenedNote());
    const QString block = u"<p>In the beginning.</p>"_s;
    const qsizetype blocks = DayPageHtml::kMaxLength / block.size() + 2;
    const QString cutAt = repeated(block, DayPageHtml::kMaxLength / block.size());
    const struct {
        QString html;
        QString bounded;
    } cases[] = {
        {u"<H3>3/10/24</H3><p title=\"a>b\">A<br/>B</p>"_s,
         u"<H3>3/10/24</H3><p title=\"a>b\">A<br/>B</p>"_s},
        {u"a<!-- <table> -->b"_s, u"ab"_s},
        // The two innermost tables lose their tags; cells and rows keep apart.
        {repeated(u"<table><tr><td>"_s, 6) + u"x"_s + repeated(u"</td></tr></table>"_s, 6),
         repeated(u"<table><tr><td>"_s, 4) + u"x"_s + repeated(u" <br>"_s, 2) +
             repeated(u"</td></tr></table>"_s, 4) + flat},
        {repeated(u"<span>"_s, 40) + u"x"_s + repeated(u"</span>"_s, 40),
         repeated(u"<span>"_s, 32) + u"x"_s + repeated(u"</span>"_s, 32) + flat},
        // Elements that are never closed still count; paragraphs and items do not nest.
        {repeated(u"<li><p><div>"_s, 33) + u"x"_s,
         repeated(u"<li><p><div>"_s, 32) + u"<li><p>x"_s + flat},
        {repeated(block, blocks), cutAt + note(DayPageHtml::cutNote())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.html.left(80).toStdString());
        EXPECT_EQ(DayPageHtml::bounded(c.html), c.bounded);
    }
}

} // namespace

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Day pages from a hostile liturgy database, shown, printed and exported: nothing of the
// machine is read or embedded, and deep or long pages are bounded with a note.
#include "common/TestEnv.h"
#include "day_page/DayPageHtml.h"
#include "day_page/ui/cBrowserHeader.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/cWordApplication.h"
#include "host_window/cWordDocument.h"
#include "host_window/ui/HostPrinting.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBrowser>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class HostilePageTest : public TestEnv {};

QString repeated(const QString& text, int times) {
    QString out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

QString pngDataAddress() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
}

// The widths of the pictures a PDF or an OpenDocument file holds, leaving out the transparent
// pixel that stands for every resource not loaded.
QList<int> pdfPictureWidths(const QByteArray& pdf) {
    QList<int> widths;
    static const QRegularExpression width(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)"));
    for (const QRegularExpressionMatch& m : width.globalMatch(QString::fromLatin1(pdf))) {
        if (m.captured(1).toInt() > 1)
            widths.append(m.captured(1).toInt());
    }
    return widths;
}

QByteArray unzip(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("unzip"), arguments);
    process.waitForFinished();
    return process.readAllStandardOutput();
}

QList<int> odtPictureWidths(const QString& odt) {
    QList<int> widths;
    for (const QByteArray& name : unzip({u"-Z1"_s, odt}).split('\n')) {
        if (!name.startsWith("Pictures/"))
            continue;
        const QImage image = QImage::fromData(unzip({u"-p"_s, odt, QString::fromUtf8(name)}));
        if (image.width() > 1)
            widths.append(image.width());
    }
    return widths;
}

TEST_F(HostilePageTest, NothingLocalIsReadAndLayoutIsBounded) {
    const QString local = path(u"photo.png"_s);
    QImage photo(16, 16, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    ASSERT_TRUE(photo.save(local));
    const QString fifo = path(u"pipe"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const QString obj = QString(QChar::ObjectReplacementCharacter);
    const QString nested =
        repeated(u"<table><tr><td>"_s, 25) + u"deep"_s + repeated(u"</td></tr></table>"_s, 25);
    const QString verse = u"<p>In the beginning was the Word.</p>\n"_s;
    const QString longPage = repeated(verse, 5 * 1024 * 1024 / int(verse.size()));
    struct Case {
        const char* name;
        QString html;
        // The end of the page's text as the window shows it, white space collapsed.
        QString tail;
        // The widths of the pictures that printing and export embed.
        QList<int> images;
    };
    const QList<Case> cases{
        {"device", u"<p>A<img src=\"file:///dev/zero\">B</p>"_s, u"A"_s + obj + u"B"_s, {}},
        {"pipe", u"<p>A<img src=\"file://%1\">B</p>"_s.arg(fifo), u"A"_s + obj + u"B"_s, {}},
        {"local file by path",
         u"<p>A<img src=\"%1\">B<img src=\"photo.png\"></p>"_s.arg(local),
         u"A"_s + obj + u"B"_s + obj,
         {}},
        {"network",
         u"<p>A<img src=\"http://127.0.0.1:9/x.png\">B</p>"_s,
         u"A"_s + obj + u"B"_s,
         {}},
        {"style sheets elsewhere",
         u"<p style=\"background-image: url(%1)\">A</p><style>@import url(%2);</style>"
         "<link rel=\"stylesheet\" type=\"text/css\" href=\"file:///dev/zero\">"_s.arg(local, fifo),
         u"A"_s,
         {}},
        {"data image",
         u"<p>A<img src=\"%1\">B</p>"_s.arg(pngDataAddress()),
         u"A"_s + obj + u"B"_s,
         {8}},
        {"deep nesting", nested, u"deep\n"_s + DayPageHtml::flattenedNote(), {}},
        {"5 MB", longPage, u"In the beginning was the Word.\n"_s + DayPageHtml::cutNote(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString pageFile = writeFile(u"page.htm"_s, c.html.toUtf8());
        // Set while its pane is put away, the page is laid out when the pane comes back.
        fThisDay page;
        page.show();
        page.hide();
        page.navigate(pageFile);
        const QString shown = page.WebBrowser1()->toPlainText();
        const QString tail = c.tail.simplified();
        EXPECT_EQ(shown.simplified().right(tail.size()), tail);
        EXPECT_LE(shown.size(), DayPageHtml::kMaxLength);
        page.show();
        EXPECT_GT(page.WebBrowser1()->document()->size().height(), 0);

        const QString pdf = path(u"page.pdf"_s);
        cBrowserHeader header;
        HostPrinting::setUpBrowserHeader(header, page);
        header.setOutputFile(pdf);
        ASSERT_TRUE(header.mPrintDirect());
        EXPECT_EQ(pdfPictureWidths(readFile(pdf)), c.images);

        ASSERT_TRUE(page.mCopy());
        cWordApplication word(cWordApplication::Opening::Never);
        cWordDocument document(word);
        document.Paste();
        const QString odt = path(u"page.odt"_s);
        document.SaveAs(odt);
        EXPECT_EQ(document.Content().simplified().right(tail.size()), tail);
        EXPECT_EQ(odtPictureWidths(odt), c.images);
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

} // namespace

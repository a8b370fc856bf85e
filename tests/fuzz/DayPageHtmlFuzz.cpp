// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Day-page HTML from the fuzzer's bytes, as a liturgy database could hold it, through what the
// window, printing and export do with a page: bounded, laid out with only the page's own
// resources, printed to a PDF and written as OpenDocument text. Nothing may crash or hang, and
// the bounds hold: the bounded text never grows past its cap and a second pass changes nothing.
#include "FuzzWorld.h"
#include "day_page/DayPageHtml.h"
#include "day_page/PageDocument.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextDocumentWriter>

namespace {

// Room for the two notes a page can get.
constexpr qsizetype kNotes = 400;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_day_page_html";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    FuzzWorld::folder();

    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString bounded = DayPageHtml::bounded(html);
    FuzzWorld::check(bounded.size() <= DayPageHtml::kMaxLength + kNotes,
                     "the bounded page stays within its cap");

    PageDocument page;
    page.setHtml(bounded);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        page.print(&writer);
    }
    FuzzWorld::check(pdf.data().startsWith("%PDF-"), "a page prints");

    QBuffer odt;
    QTextDocumentWriter export_(&odt, QByteArrayLiteral("odf"));
    FuzzWorld::check(export_.write(&page), "a page exports");
    FuzzWorld::clearReports();
    return 0;
}

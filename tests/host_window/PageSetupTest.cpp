// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "HostWindowFixture.h"
#include "common/PageText.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "day_page/ui/cBrowserHeader.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/HostPrinting.h"
#include "host_window/ui/fHoster.h"
#include "support/OleDate.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

// The page the user chose in the host's page set-up (carried by the notify object) reaches the
// calendars' and the day pages' print, previewed and printed on PDF; without a choice each
// prints on its own page.
namespace {

// The first page's size of a PDF written by Qt, in points.
QString mediaBox(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("no file");
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(file.readAll()));
    if (!m.hasMatch())
        return QStringLiteral("no page");
    return QStringLiteral("%1 x %2")
        .arg(qRound(m.captured(1).toDouble()))
        .arg(qRound(m.captured(2).toDouble()));
}

class PageSetupTest : public HostWindowTest {};

TEST_F(PageSetupTest, TheHostsChosenPageReachesEveryPrint) {
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(10, 12, 10, 12),
                         QPageLayout::Millimeter);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                             QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    // Without a choice the printer keeps its own paper.
    cZiRivedUvuridu::registerComponent();
    const QString paper = QPrinter().pageLayout().pageSize().key();
    struct Case {
        const char* name;
        bool dayPage;
        QPageLayout chosen;
        QString preview;
    };
    const Case cases[] = {
        {"month, nothing chosen", false, {}, paper + " landscape 20,20,20,20 mm"},
        {"month, A5", false, a5, "A5 portrait 10,12,10,12 mm"},
        {"day page, nothing chosen", true, {}, paper + " portrait 20,20,20,20 mm"},
        {"day page, Letter", true, letter, "Letter landscape 5,5,5,5 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fHoster& w = open(QStringLiteral("Brastume.MDB"), 1007);
        if (c.dayPage)
            w.UpdateDay();
        else
            w.onPaneAction(HostInteraction::PaneHidden, 4);
        // A host without a page set-up has no such property at all.
        notify.setProperty("pPageLayout",
                           c.chosen.isValid() ? QVariant::fromValue(c.chosen) : QVariant());
        QString seen;
        const std::unique_ptr<QTimer> watch = closeNextDialog([&seen](QDialog& dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
            seen = preview ? pageText(preview->printer()->pageLayout()) : QStringLiteral("other");
        });
        EXPECT_TRUE(QMetaObject::invokeMethod(&w, "doPrint", Q_ARG(QString, "ID_PREVIEW")));
        EXPECT_EQ(seen, c.preview);
    }

    // Printed on PDF without a dialog, the chosen paper replaces the PDF's own A4.
    fThisDay page;
    page.setPDate(OleDate::fromDate(QDate(2024, 3, 10)));
    page.navigate(writeFile(QStringLiteral("page.htm"), "<html><body><p>Amen.</p></body></html>"));
    cBrowserHeader header;
    HostPrinting::setUpBrowserHeader(header, page);
    header.setPageLayout(letter);
    header.setOutputFile(path(QStringLiteral("day.pdf")));
    ASSERT_TRUE(header.mPrintDirect());
    EXPECT_EQ(mediaBox(header.OutputFile()), QStringLiteral("792 x 612"));

    cZiRivedUvuridu month;
    HostPrinting::setUpPreview(&month, 1007, QStringLiteral("Parish Plan"));
    month.setPctMonth(window->monthCalendar());
    month.setPPageLayout(a5);
    month.setPOutputFile(path(QStringLiteral("month.pdf")));
    ASSERT_TRUE(month.mShowMonth(1, true));
    EXPECT_EQ(mediaBox(month.pOutputFile()), QStringLiteral("420 x 595"));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

} // namespace

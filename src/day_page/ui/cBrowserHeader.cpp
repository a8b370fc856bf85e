// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/ui/cBrowserHeader.h"

#include "controls/ui/PreviewNames.h"
#include "controls/ui/PrintTarget.h"
#include "day_page/PageDocument.h"
#include "day_page/PageSetupCodes.h"
#include "resources/ResourceStrings.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>
#include <memory>

namespace {

// What a user without settings of their own gets.
const char* const kDefaultHeader = "&w&b";
const char* const kDefaultFooter = "&u";
constexpr double kMarginMillimetres = 20;
constexpr double kPageTextPoints = 9;

// The three parts of a header or footer line across `band`.
void drawParts(QPainter& painter, const QRectF& band, const std::array<QString, 3>& parts,
               Qt::Alignment vertical) {
    const QFontMetricsF fm(painter.font(), painter.device());
    const double third = band.width() / 3;
    const Qt::Alignment sides[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        if (parts[size_t(i)].isEmpty())
            continue;
        // A long part may use the whole line when the others leave room.
        painter.drawText(band, int(sides[i] | vertical),
                         fm.elidedText(parts[size_t(i)], Qt::ElideRight,
                                       parts[size_t(1)].isEmpty() ? band.width() - third : third));
    }
}

} // namespace

cBrowserHeader::cBrowserHeader(QObject* parent) : QObject(parent) {
    InitRegistrySettings();
    m_footer = m_rememberedFooter;
    m_header = m_rememberedHeader;
}

cBrowserHeader::~cBrowserHeader() = default;

void cBrowserHeader::InitRegistrySettings() {
    // The browser here keeps no page-setup values of the user's or the machine's, so the
    // browser's own defaults are what is remembered.
    ProcScope scope("cBrowserHeader.InitRegistrySettings");
    m_rememberedFooter = QString::fromLatin1(kDefaultFooter);
    m_rememberedHeader = QString::fromLatin1(kDefaultHeader);
}

QTextBrowser* cBrowserHeader::browser() const {
    if (!m_browser)
        throw Failure::objectNotSet(QStringLiteral("WebBrowser"));
    auto* b = qobject_cast<QTextBrowser*>(m_browser.data());
    if (!b)
        throw Failure::typeMismatch(QStringLiteral("WebBrowser is not a browser"));
    return b;
}

void cBrowserHeader::setUp(QPrinter& printer) const {
    QTextBrowser* b = browser();
    if (m_pageLayout.isValid())
        printer.setPageLayout(m_pageLayout);
    else
        printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                         kMarginMillimetres),
                               QPageLayout::Millimeter);
    const QString title = b->document()->metaInformation(QTextDocument::DocumentTitle);
    printer.setDocName(m_documentName.isEmpty() ? title : m_documentName);
}

bool cBrowserHeader::mPreview() {
    ProcScope scope("cBrowserHeader.mPreview");
    bool result = false;
    scope.run([&] {
        QPrinter printer(QPrinter::ScreenResolution);
        setUp(printer);
        QPrintPreviewDialog dialog(&printer, browser()->window());
        dialog.setWindowTitle(printer.docName());
        PreviewNames::name(dialog, printer.docName());
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* p) {
            ProcScope paint("cBrowserHeader.mPreview");
            paint.run([&] { printOn(*p); });
        });
        dialog.exec();
        result = true;
    });
    return result;
}

bool cBrowserHeader::mPrint() {
    ProcScope scope("cBrowserHeader.mPrint");
    bool result = false;
    scope.run([&] {
        QPrinter printer(QPrinter::ScreenResolution);
        setUp(printer);
        QPrintDialog dialog(&printer, browser()->window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        printOn(printer);
        result = true;
    });
    return result;
}

bool cBrowserHeader::mPrintDirect() {
    ProcScope scope("cBrowserHeader.mPrintDirect");
    bool result = false;
    scope.run([&] {
        QPrinter printer(QPrinter::ScreenResolution);
        setUp(printer);
        PrintTarget target;
        target.prepare(printer, m_printerName, m_outputFile);
        // The target sets its own paper; a page the user chose replaces it.
        if (m_pageLayout.isValid())
            printer.setPageLayout(m_pageLayout);
        printOn(printer);
        target.commit();
        result = true;
    });
    return result;
}

int cBrowserHeader::printOn(QPrinter& printer) const {
    QTextBrowser* b = browser();
    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure::pathFileAccess(
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName());
    const QFont pageFont(QStringLiteral("Sans Serif"), int(kPageTextPoints));
    painter.setFont(pageFont);
    const QFontMetricsF fm(pageFont, painter.device());
    const double band = fm.height() * 2;
    const QRectF area(QPointF(0, 0),
                      QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    const QRectF body = area.adjusted(0, band, 0, -band);

    // The page is laid out afresh for the paper, so the browser's own layout stays as it is.
    const std::unique_ptr<PageDocument> doc = PageDocument::copyOf(*b->document());
    doc->documentLayout()->setPaintDevice(painter.device());
    doc->setPageSize(body.size());
    const int pages = qMax(1, doc->pageCount());

    PageSetupCodes::Facts facts;
    facts.date = SystemFormats::shortDate(now().date(), ResourceStrings::locale());
    facts.pages = pages;
    facts.title = b->document()->metaInformation(QTextDocument::DocumentTitle);
    facts.address = b->document()->metaInformation(QTextDocument::DocumentUrl);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !printer.newPage())
            throw Failure::pathFileAccess(printer.outputFileName());
        painter.save();
        painter.translate(body.left(), body.top() - (page - 1) * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, (page - 1) * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();

        facts.page = page;
        painter.setPen(Qt::black);
        drawParts(painter, QRectF(area.left(), area.top(), area.width(), fm.height()),
                  PageSetupCodes::expand(m_header, facts), Qt::AlignTop);
        drawParts(painter,
                  QRectF(area.left(), area.bottom() - fm.height(), area.width(), fm.height()),
                  PageSetupCodes::expand(m_footer, facts), Qt::AlignBottom);
    }
    if (!painter.end())
        throw Failure::pathFileAccess(printer.outputFileName());
    return pages;
}

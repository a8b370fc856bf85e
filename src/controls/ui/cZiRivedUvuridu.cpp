// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/cZiRivedUvuridu.h"

#include "controls/ui/CalendarGrid.h"
#include "controls/ui/CalendarPrinting.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/PreviewNames.h"
#include "controls/ui/PrintTarget.h"
#include "controls/ui/WeekCalendarView.h"
#include "support/ComponentInfo.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr int kPdfResolution = 1200;

QWidget* ownerWidget(QObject* parent) {
    if (!parent)
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(parent);
    if (!widget)
        throw Failure::typeMismatch(QStringLiteral("pfParent is not a window"));
    return widget;
}

} // namespace

cZiRivedUvuridu::cZiRivedUvuridu(QObject* parent) : QObject(parent) {}

cZiRivedUvuridu::~cZiRivedUvuridu() = default;

void cZiRivedUvuridu::registerComponent() {
    ObjectRegistry::registerFactory(QString::fromLatin1(kProgId),
                                    [] { return std::make_unique<cZiRivedUvuridu>(); });
}

bool cZiRivedUvuridu::mShowMonth(qint32 copies, bool direct) {
    return show("cZiRivedUvuridu.mShowMonth", Kind::Month, copies, direct);
}

bool cZiRivedUvuridu::mShowCalendar(qint32 copies, bool direct) {
    return show("cZiRivedUvuridu.mShowCalendar", Kind::Week, copies, direct);
}

bool cZiRivedUvuridu::show(const char* procedure, Kind kind, qint32 copies, bool direct) {
    ProcScope scope(procedure);
    bool result = false;
    scope.run([&] {
        const QPageLayout layout = pageLayout(kind, copies);
        if (direct && !m_outputFile.isEmpty()) {
            // A PDF needs no printer: the writer alone spares the printer system's set-up.
            PrintTarget target;
            QPdfWriter writer(target.beginFile(m_outputFile));
            writer.setResolution(kPdfResolution);
            writer.setPageLayout(layout);
            writer.setTitle(documentName());
            writer.setCreator(ComponentInfo::productName());
            render(writer, kind);
            target.commit();
            result = true;
            return;
        }
        // A printer keeps its paper unless the user chose one; the orientation and margins
        // are ours.
        QPrinter printer(QPrinter::HighResolution);
        printer.setCopyCount(copies);
        printer.setDocName(documentName());
        const auto applyLayout = [&] {
            if (m_pageLayout.isValid()) {
                printer.setPageLayout(layout);
                return;
            }
            printer.setPageOrientation(layout.orientation());
            printer.setPageMargins(layout.margins(), layout.units());
        };
        applyLayout();
        if (direct) {
            PrintTarget target;
            target.prepare(printer, m_printerName, m_outputFile);
            applyLayout();
            render(printer, kind);
            target.commit();
            result = true;
            return;
        }
        QWidget* owner = ownerWidget(m_parent);
        if (m_preview) {
            QPrintPreviewDialog dialog(&printer, owner);
            dialog.setWindowTitle(m_caption);
            const auto* grid = dynamic_cast<const CalendarGrid*>(m_calendar.data());
            PreviewNames::name(dialog, grid ? grid->gridTitle() : documentName());
            // The preview takes the place that the host gave its owner window.
            if (owner && !owner->geometry().isEmpty())
                dialog.setGeometry(owner->geometry());
            connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                    [this, kind, procedure](QPrinter* p) {
                        ProcScope paint(procedure);
                        paint.run([&] { render(*p, kind); });
                    });
            dialog.exec();
            result = true;
            return;
        }
        QPrintDialog dialog(&printer, owner);
        dialog.setWindowTitle(m_caption);
        if (dialog.exec() != QDialog::Accepted)
            return;
        render(printer, kind);
        result = true;
    });
    return result;
}

QPageLayout cZiRivedUvuridu::pageLayout(Kind kind, qint32 copies) const {
    if (!m_calendar)
        throw Failure::objectNotSet(QStringLiteral("pctMonth"));
    const bool fits = kind == Kind::Month ? qobject_cast<MonthCalendarView*>(m_calendar) != nullptr
                                          : qobject_cast<WeekCalendarView*>(m_calendar) != nullptr;
    if (!fits)
        throw Failure::typeMismatch(QStringLiteral("pctMonth is not a %1 calendar")
                                        .arg(kind == Kind::Month ? "month" : "week"));
    if (m_orientation != kPortrait && m_orientation != kLandscape)
        throw Failure::invalidCall(QStringLiteral("orientation %1").arg(m_orientation));
    if (m_scale < 1 || m_scale > 100)
        throw Failure::invalidCall(QStringLiteral("scale factor %1").arg(m_scale));
    if (copies < 1)
        throw Failure::invalidCall(QStringLiteral("%1 copies").arg(copies));
    for (const qint32 margin : m_margins)
        if (margin < 0)
            throw Failure::invalidCall(QStringLiteral("margin %1").arg(margin));

    if (m_pageLayout.isValid())
        return m_pageLayout;
    return QPageLayout(PrintTarget::pdfPaper(),
                       m_orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(m_margins[0] / kTwipsPerPoint, m_margins[1] / kTwipsPerPoint,
                                 m_margins[2] / kTwipsPerPoint, m_margins[3] / kTwipsPerPoint),
                       QPageLayout::Point);
}

QString cZiRivedUvuridu::documentName() const {
    return m_caption.isEmpty() ? m_header : m_caption;
}

void cZiRivedUvuridu::render(QPagedPaintDevice& device, Kind kind) const {
    if (!m_calendar)
        throw Failure::objectNotSet(QStringLiteral("pctMonth"));
    QPainter painter;
    if (!painter.begin(&device))
        throw Failure::pathFileAccess(m_outputFile.isEmpty() ? m_printerName : m_outputFile);
    CalendarPrinting::Page page;
    page.area = QRectF(QPointF(0, 0),
                       QSizeF(device.pageLayout().paintRectPixels(device.logicalDpiX()).size()));
    page.header = m_header;
    page.footer = m_footer;
    page.scale = m_scale / 100.0;
    if (kind == Kind::Month) {
        const auto* view = qobject_cast<const MonthCalendarView*>(m_calendar.data());
        CalendarPrinting::drawMonth(painter, page, view->model(), view->dayNames(),
                                    view->monthNames());
    } else {
        const auto* view = qobject_cast<const WeekCalendarView*>(m_calendar.data());
        CalendarPrinting::drawWeeks(painter, page, view->model(), view->dayNames(),
                                    view->monthNames(), [&device] { return device.newPage(); });
    }
    if (!painter.end())
        throw Failure::pathFileAccess(m_outputFile.isEmpty() ? m_printerName : m_outputFile);
}

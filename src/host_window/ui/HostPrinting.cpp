// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostPrinting.h"

#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/PrintTarget.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "day_page/ui/cBrowserHeader.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/mLateBound.h"
#include "resources/ResourceStrings.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"
#include "support/UserInterface.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QScreen>
#include <QTextBrowser>
#include <QWidget>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr qint32 kMarginTwips = 1134; // 2 cm
constexpr double kTwipsPerPoint = 20;
constexpr double kOwnerInset = 500;   // twips
constexpr double kOwnerShrink = 1000; // twips

int pixels(double twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}

} // namespace

void HostPrinting::prepareMonthForPaper(MonthCalendarModel& model) {
    model.setPrintColors(true);         // 95
    model.setPrintCurrentDate(false);   // 82
    model.setPrintOtherMonthDays(true); // 90
    model.setPrintCellMargin(25);       // 71, 16-bit
    model.setPrintGridWidth(4);         // 68, 32-bit
}

QString HostPrinting::printFooter() {
    return ResourceStrings::text(ResourceStrings::kDateOfPrint) + QLatin1Char(' ') +
           SystemFormats::longDate(now().date(), ResourceStrings::locale());
}

void HostPrinting::setUpPreview(QObject* preview, qint32 version, const QString& appTitle,
                                const QString& command) {
    LateBinding::set(preview, "pCountryVersion", version);
    LateBinding::set(preview, "pOrientation", cZiRivedUvuridu::kLandscape);
    // Another command leaves the component's default.
    if (command == QLatin1String("ID_PREVIEW") || command == QLatin1String("ID_PRINT"))
        LateBinding::set(preview, "pPreview", command == QLatin1String("ID_PREVIEW"));
    LateBinding::set(preview, "pMarginLeft", kMarginTwips);
    LateBinding::set(preview, "pMarginTop", kMarginTwips);
    LateBinding::set(preview, "pMarginRight", kMarginTwips);
    LateBinding::set(preview, "pMarginBottom", kMarginTwips);
    LateBinding::set(preview, "pHeader", appTitle);
    LateBinding::set(preview, "pFooter", printFooter());
}

QRect HostPrinting::ownerGeometry(const QVariant& param, const QSize& screen) {
    if (param.metaType().id() != QMetaType::QVariantList)
        return QRect(pixels(kOwnerInset), pixels(kOwnerInset),
                     pixels(screen.width() * kTwipsPerPixel - kOwnerShrink),
                     pixels(screen.height() * kTwipsPerPixel - kOwnerShrink));
    const QVariantList place = param.toList();
    if (place.size() < 4)
        throw Failure::subscriptOutOfRange(
            QStringLiteral("pParam holds %1 numbers").arg(place.size()));
    float twips[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        twips[i] = place.at(i).toFloat(&ok);
        if (!ok)
            throw Failure::typeMismatch(QStringLiteral("pParam(%1)").arg(i));
    }
    return QRect(pixels(twips[0]), pixels(twips[1]), pixels(twips[2]), pixels(twips[3]));
}

bool HostPrinting::doPrint(const Job& job, const QString& command) {
    ProcScope scope("fHoster.doPrint");
    bool result = false;
    scope.run([&] {
        if (job.dayPage) {
            result = doPrintBrowser(job.page, job.notify, command);
            return;
        }
        if (job.month)
            prepareMonthForPaper(job.month->model());
        const std::unique_ptr<QObject> preview =
            ObjectRegistry::CreateObject(QString::fromLatin1(cZiRivedUvuridu::kProgId));
        setUpPreview(preview.get(), job.version, job.appTitle, command);
        QObject* notify = job.notify;
        const QPageLayout chosen = hostPageLayout(notify);
        if (chosen.isValid())
            LateBinding::set(preview.get(), "pPageLayout", QVariant::fromValue(chosen));

        if (notify)
            mLateBound::call(notify, "mMsgFromClient", {qint32(4)});
        QWidget fDummy(job.owner, Qt::Window);
        fDummy.setObjectName(QStringLiteral("fDummy"));
        fDummy.setWindowTitle(job.appTitle);
        const QScreen* screen = QGuiApplication::primaryScreen();
        fDummy.setGeometry(ownerGeometry(notify ? LateBinding::get(notify, "pParam") : QVariant(),
                                         screen ? screen->geometry().size() : QSize()));

        LateBinding::set(preview.get(), "pfParent", QVariant::fromValue<QObject*>(&fDummy));
        QObject* calendar =
            job.week ? static_cast<QObject*>(job.weekCalendar) : static_cast<QObject*>(job.month);
        LateBinding::set(preview.get(), "pctMonth", QVariant::fromValue<QObject*>(calendar));
        LateBinding::set(preview.get(), "pScaleFactor", qint32(100));
        LateBinding::set(preview.get(), "pCaption", job.caption);
        LateBinding::call(preview.get(), job.week ? "mShowCalendar" : "mShowMonth",
                          {qint32(1), false});
        result = true;
    });
    return result;
}

QPageLayout HostPrinting::hostPageLayout(const QObject* notify) {
    // A host without a page set-up of its own has no such property: nothing is asked of it.
    if (!notify)
        return {};
    const QVariant chosen = notify->property("pPageLayout");
    return chosen.canConvert<QPageLayout>() ? chosen.value<QPageLayout>() : QPageLayout();
}

QPageLayout HostPrinting::nextPageLayout(const QObject* notify, bool dayPage) {
    const QPageLayout chosen = hostPageLayout(notify);
    if (chosen.isValid())
        return chosen;
    const double margin = kMarginTwips / kTwipsPerPoint;
    return QPageLayout(PrintTarget::pdfPaper(),
                       dayPage ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
}

void HostPrinting::offerNextPageLayout(QObject* notify, bool dayPage) {
    // Asked only of a host that declares it: another has no page set-up to start.
    if (!notify || notify->metaObject()->indexOfProperty("pNextPageLayout") < 0)
        return;
    notify->setProperty("pNextPageLayout", QVariant::fromValue(nextPageLayout(notify, dayPage)));
}

void HostPrinting::setUpBrowserHeader(cBrowserHeader& header, fThisDay& page) {
    // The host's title names the paper and the file, as the window's title does.
    const QString title = UserInterface::effectiveTitle(page.pAppTitle());
    header.setHeader(QStringLiteral("&b&b&D"));
    header.setFooter(title + QStringLiteral("&b&b&p/&P"));
    header.setWebBrowser(page.WebBrowser1());
    header.setDocumentName(
        title + QLatin1Char(' ') +
        SystemFormats::longDate(OleDate::toDate(page.pDate()), ResourceStrings::locale()));
}

bool HostPrinting::doPrintBrowser(fThisDay* page, QObject* notify, const QString& command) {
    ProcScope scope("fHoster.doPrintBrowser");
    bool result = false;
    scope.run([&] {
        cBrowserHeader header;
        if (!page)
            return;
        setUpBrowserHeader(header, *page);
        header.setPageLayout(hostPageLayout(notify));
        if (command == QLatin1String("ID_PREVIEW"))
            result = header.mPreview();
        else if (command == QLatin1String("ID_PRINT"))
            result = header.mPrint();
    });
    return result;
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "HostWindowFixture.h"
#include "common/PageText.h"
#include "common/TestEnv.h"
#include "controls/WeekCalendarModel.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "day_page/DayPageHtml.h"
#include "day_page/PageSetupCodes.h"
#include "day_page/ui/cBrowserHeader.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/cWordApplication.h"
#include "host_window/cWordDocument.h"
#include "host_window/ui/HostPrinting.h"
#include "host_window/ui/fHoster.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBrowser>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// Printing the calendars and the day pages: PDFs read back with poppler, the preview and the
// print dialog off screen, and the window's Print command with a recording print preview.

namespace {

// The standard output of a helper program (poppler's, unzip); a failure is the test's.
QByteArray output(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

// The text of a PDF as laid out, without empty lines: a wide gap (ten spaces or more, also at
// the start of a line) as " | ", a narrow one as one space.
QStringList pdfText(const QString& pdf) {
    static const QRegularExpression gap(QStringLiteral(" {10,}"));
    QStringList lines;
    for (QString line :
         QString::fromUtf8(output(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")}))
             .split(QLatin1Char('\n'))) {
        const QString l = line.replace(gap, QStringLiteral(" | ")).simplified();
        if (!l.isEmpty())
            lines.append(l);
    }
    return lines;
}

// "Pages", "Page size" and "Title" of pdfinfo.
QStringList pdfFacts(const QString& pdf) {
    QStringList facts;
    for (const QString& line :
         QString::fromUtf8(output(QStringLiteral("pdfinfo"), {pdf})).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")) ||
            line.startsWith(QLatin1String("Page size:")) ||
            line.startsWith(QLatin1String("Title:")))
            facts.append(line.simplified());
    return facts;
}

// Closes the next dialog that opens, noting its class, owner and caption.
std::unique_ptr<QTimer> noteNextDialog(QString* seen) {
    return ::closeNextDialog([seen](QDialog& dialog) {
        *seen = QString::fromLatin1(dialog.metaObject()->className()) + QLatin1Char(' ') +
                (dialog.parent() ? dialog.parent()->objectName() : QStringLiteral("-")) +
                QStringLiteral(" '") + dialog.windowTitle() + QLatin1Char('\'');
        // What a screen reader hears of it, and the controls it takes the focus to unnamed.
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        *seen += QStringLiteral(" heard '") + name(&dialog) + QLatin1Char('\'');
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (w->isVisible() && w->focusPolicy() != Qt::NoFocus && name(w).isEmpty())
                *seen += QLatin1Char(' ') + QString::fromLatin1(w->metaObject()->className());
        }
    });
}

// Stands in for the print preview component: every property set and every call is noted as
// one line, with what the call finds of its owner window and of the host's messages.
class RecordingPreview : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pCountryVersion READ zero WRITE setPCountryVersion)
    Q_PROPERTY(qint32 pOrientation READ zero WRITE setPOrientation)
    Q_PROPERTY(bool pPreview READ no WRITE setPPreview)
    Q_PROPERTY(qint32 pMarginLeft READ zero WRITE setPMarginLeft)
    Q_PROPERTY(qint32 pMarginTop READ zero WRITE setPMarginTop)
    Q_PROPERTY(qint32 pMarginRight READ zero WRITE setPMarginRight)
    Q_PROPERTY(qint32 pMarginBottom READ zero WRITE setPMarginBottom)
    Q_PROPERTY(QString pHeader READ none WRITE setPHeader)
    Q_PROPERTY(QString pFooter READ none WRITE setPFooter)
    Q_PROPERTY(QObject* pfParent READ nothing WRITE setPfParent)
    Q_PROPERTY(QObject* pctMonth READ nothing WRITE setPctMonth)
    Q_PROPERTY(qint32 pScaleFactor READ zero WRITE setPScaleFactor)
    Q_PROPERTY(QString pCaption READ none WRITE setPCaption)
public:
    // The lines of every preview made since the last clear, and the messages of the host.
    static QStringList& log() {
        static QStringList lines;
        return lines;
    }
    static QList<qint32>*& messages() {
        static QList<qint32>* m = nullptr;
        return m;
    }

    qint32 zero() const { return 0; }
    bool no() const { return false; }
    QString none() const { return {}; }
    QObject* nothing() const { return nullptr; }

#define RECORD(name, type)                                                                         \
    void set##name(type v) {                                                                       \
        note(#name, QVariant::fromValue(v));                                                       \
    }
    RECORD(PCountryVersion, qint32)
    RECORD(POrientation, qint32)
    RECORD(PPreview, bool)
    RECORD(PMarginLeft, qint32)
    RECORD(PMarginTop, qint32)
    RECORD(PMarginRight, qint32)
    RECORD(PMarginBottom, qint32)
    RECORD(PHeader, const QString&)
    RECORD(PFooter, const QString&)
    RECORD(PScaleFactor, qint32)
    RECORD(PCaption, const QString&)
#undef RECORD
    void setPfParent(QObject* v) {
        m_parent = qobject_cast<QWidget*>(v);
        log().append(QStringLiteral("pfParent=%1").arg(v ? v->objectName() : QStringLiteral("-")));
    }
    void setPctMonth(QObject* v) {
        log().append(QStringLiteral("pctMonth=%1").arg(v ? v->objectName() : QStringLiteral("-")));
    }
    Q_INVOKABLE bool mShowMonth(qint32 a, bool b) {
        return show("mShowMonth", a, b);
    }
    Q_INVOKABLE bool mShowCalendar(qint32 a, bool b) {
        return show("mShowCalendar", a, b);
    }

private:
    void note(const char* name, const QVariant& v) {
        QString n = QString::fromLatin1(name);
        n[0] = QLatin1Char('p');
        log().append(n + QLatin1Char('=') + v.toString());
    }
    bool show(const char* name, qint32 a, bool b) {
        QStringList seen;
        for (qint32 m : *messages())
            seen.append(QString::number(m));
        const QRect g = m_parent ? m_parent->geometry() : QRect();
        log().append(QStringLiteral("%1(%2, %3) owner '%4' of %5 at %6,%7 %8x%9 messages %10")
                         .arg(QLatin1String(name))
                         .arg(a)
                         .arg(b ? "true" : "false")
                         .arg(m_parent ? m_parent->windowTitle() : QString())
                         .arg(m_parent && m_parent->parent() ? m_parent->parent()->objectName()
                                                             : QStringLiteral("-"))
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(seen.join(QLatin1Char(' '))));
        return true;
    }
    QWidget* m_parent = nullptr;
};

class PrintTest : public HostWindowTest {
protected:
    // The preview component on one of the window's calendars, set up as the window sets it.
    std::unique_ptr<cZiRivedUvuridu> preview(QObject* calendar) {
        auto p = std::make_unique<cZiRivedUvuridu>();
        HostPrinting::setUpPreview(p.get(), 1007, QStringLiteral("Parish Plan"));
        p->setPctMonth(calendar);
        p->setPCaption(QStringLiteral("Parish Plan"));
        return p;
    }
};

TEST_F(PrintTest, CalendarsAndDayPagesOnPdf) {
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 1007);
    HostPrinting::prepareMonthForPaper(w.monthCalendar()->model());
    // The week filled for the month, as its tab fills it.
    w.selectPane(2);
    w.selectPane(1);

    QString verses;
    QStringList twoPages = {QStringLiteral("| 3/5/24")};
    for (int i = 1; i <= 70; ++i) {
        verses += QStringLiteral("<p>Verse %1 of the psalm.</p>").arg(i);
        twoPages.append(QStringLiteral("Verse %1 of the psalm.").arg(i));
        if (i == 35)
            twoPages << QStringLiteral("Liturgy Calendar | 1/2") << QStringLiteral("| 3/5/24");
    }
    twoPages << QStringLiteral("Liturgy Calendar | 2/2");
    // The month's grid and the week's rows, without the neighbouring months' days in the week.
    const QStringList grid = {"Sun | Mon | Tue | Wed Thu Fri Sat",
                              "25 | 26 | 27 | 28 29 1 | 2",
                              "3 | 4 | 5 | 6 | 7 | 8 | 9",
                              "Lent 3 | Tuesday in Lent 3",
                              "10 | 11 | 12 | 13 14 15 16",
                              "17 | 18 | 19 | 20 21 22 23",
                              "| Weekday",
                              "| Joseph",
                              "24 | 25 | 26 | 27 28 29 30",
                              "Palm Sunday"};
    const QString landscape = QStringLiteral("Page size: 842 x 595 pts (A4)");
    const QString portrait = QStringLiteral("Page size: 595 x 842 pts (A4)");
    const QString dayTitle = QStringLiteral("Title: Liturgy Calendar Sunday, March 10, 2024");
    const QString footer = QStringLiteral("Date of print: Tuesday, March 5, 2024");
    struct Case {
        QString name;
        std::function<bool(const QString& pdf)> print;
        QStringList facts;
        QStringList text;
    };
    auto dayPage = [&](const QString& body) {
        return [this, body](const QString& pdf) {
            fThisDay page;
            page.setPDate(OleDate::fromDate(QDate(2024, 3, 10)));
            page.navigate(writeFile(
                QStringLiteral("page.htm"),
                ("<html><head><title>Readings</title></head><body>" + body + "</body></html>")
                    .toUtf8()));
            cBrowserHeader header;
            HostPrinting::setUpBrowserHeader(header, page);
            header.setOutputFile(pdf);
            return header.mPrintDirect();
        };
    };
    const QList<Case> cases = {
        {QStringLiteral("month"),
         [&](const QString& pdf) {
             auto p = preview(w.monthCalendar());
             p->setPOutputFile(pdf);
             return p->mShowMonth(1, true);
         },
         {"Title: Parish Plan", "Pages: 1", landscape},
         QStringList{"Parish Plan", "| March 2024"} + grid +
             QStringList{"31 | 1 | 2 | 3 | 4 | 5 | 6", footer}},
        {QStringLiteral("week"),
         [&](const QString& pdf) {
             auto p = preview(w.weekCalendar());
             p->setPOutputFile(pdf);
             return p->mShowCalendar(1, true);
         },
         {"Title: Parish Plan", "Pages: 1", landscape},
         QStringList{"Parish Plan", "| March 2024"} + grid + QStringList{"31", footer}},
        {QStringLiteral("one page"),
         dayPage(QStringLiteral("<h1>First reading</h1><p>In the beginning.</p>")),
         {dayTitle, "Pages: 1", portrait},
         {"| 3/5/24", "First reading", "In the beginning.", "Liturgy Calendar 1/1"}},
        {QStringLiteral("two pages"), dayPage(verses), {dayTitle, "Pages: 2", portrait}, twoPages},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString pdf = path(c.name + QStringLiteral(".pdf"));
        ASSERT_TRUE(c.print(pdf));
        EXPECT_EQ(pdfFacts(pdf), c.facts);
        EXPECT_EQ(pdfText(pdf), c.text);
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// December 2026 in the week calendar, printed on PDF and read back: every name and every
// service whole, a row as tall as its text, and a day with more services than a page holds
// going on onto the next page.
TEST_F(PrintTest, ThePrintedWeekHoldsEveryServiceWhole) {
    const QStringList twoServices = {QStringLiteral("11:00 - Holy Trinity Church - High Mass"),
                                     QStringLiteral("18:00 - St. Mary's Church - Evensong")};
    QStringList manyServices;
    for (int hour = 6; hour < 22; ++hour)
        for (int minute : {0, 15, 30})
            manyServices.append(QStringLiteral("%1:%2 - Chapel - Prayer")
                                    .arg(hour, 2, 10, QLatin1Char('0'))
                                    .arg(minute, 2, 10, QLatin1Char('0')));
    const QString sundays =
        QStringLiteral("Parish Plan December 2026 Sun 6 Mon Tue Wed Thu Fri Sat 1 2 3 4 5 7 8 9 10 "
                       "11 12 14 15 16 17 18 19 21 22 23 24 25 26 ");
    const QString services = twoServices.join(QLatin1Char(' '));
    const QString printed = QStringLiteral("Date of print: Tuesday, March 5, 2024");
    struct Case {
        const char* name;
        QDate day; // the day of the services
        QStringList services;
        QString pages;
        QString text;
    };
    const Case cases[] = {
        {"two services every Sunday and on Christmas Eve",
         {},
         twoServices,
         "Pages: 1",
         sundays + "Second Sunday of Advent " + services + " 13 Third Sunday of Advent " +
             services + " 20 Fourth Sunday of Advent " + services + " 27 Christmas Eve " +
             services + " 28 Sunday after Christmas " + services + ' ' + printed + " 29 30 31"},
        // The day's row starts on the first page and goes on on the second.
        {"forty-eight services on one day", QDate(2026, 12, 9), manyServices, "Pages: 2",
         "Parish Plan December 2026 Sun 6 Mon 7 Second Sunday of Advent " + printed +
             " Tue Wed Thu Fri Sat 1 2 3 4 5 8 9 10 11 12 " +
             manyServices.mid(0, 34).join(QLatin1Char(' ')) +
             " Parish Plan December 2026 Sun 6 Mon 7 Tue 8 Wed 9 Thu Fri Sat 10 11 12 " +
             manyServices.mid(34).join(QLatin1Char(' ')) +
             " 13 14 15 16 17 18 19 21 22 23 24 25 26 Third Sunday of Advent 20 Fourth Sunday of "
             "Advent 27 Christmas Eve 28 Sunday after Christmas " +
             printed + " 29 30 31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WeekCalendarView week;
        week.setRange(QDate(2026, 12, 1), QDate(2026, 12, 31));
        WeekCalendarModel& model = week.model();
        model.setFirstDayOfWeek(1);
        const QList<std::pair<QDate, QString>> named = {
            {QDate(2026, 12, 6), QStringLiteral("Second Sunday of Advent")},
            {QDate(2026, 12, 13), QStringLiteral("Third Sunday of Advent")},
            {QDate(2026, 12, 20), QStringLiteral("Fourth Sunday of Advent")},
            {QDate(2026, 12, 24), QStringLiteral("Christmas Eve")},
            {QDate(2026, 12, 27), QStringLiteral("Sunday after Christmas")},
        };
        for (const auto& [date, name] : named) {
            const bool served = !c.day.isValid() || c.day == date;
            model.setDateText(date, name + (served ? QStringLiteral("\r\n") +
                                                         c.services.join(QStringLiteral("\r\n"))
                                                   : QString()));
            model.setDateColor(date, 1, 0xD777B3);
            model.setDateMarker(date, served ? 3 : 0);
        }
        if (c.day.isValid()) {
            model.setDateText(c.day, c.services.join(QStringLiteral("\r\n")));
            model.setDateMarker(c.day, 3);
        }
        const QString pdf = path(QStringLiteral("week.pdf"));
        auto p = preview(&week);
        p->setPOutputFile(pdf);
        ASSERT_TRUE(p->mShowCalendar(1, true));
        EXPECT_EQ(pdfFacts(pdf),
                  QStringList({"Title: Parish Plan", c.pages, "Page size: 842 x 595 pts (A4)"}));
        const QString text =
            QString::fromUtf8(output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
                .simplified();
        EXPECT_EQ(text, c.text);
    }
}

// The red of a day painted red: where it lies on the page, as a share of the page's width and
// height, and how many of its pixels are red.
struct RedArea {
    QRectF share;
    int pixels = 0;
};

RedArea redArea(const QString& pdf, const QString& prefix) {
    output(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), pdf, prefix});
    const QImage image(prefix + QStringLiteral(".png"));
    RedArea area;
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 40 && c.blue() < 40) {
                box |= QRect(x, y, 1, 1);
                ++area.pixels;
            }
        }
    }
    if (area.pixels)
        area.share =
            QRectF(double(box.left()) / image.width(), double(box.top()) / image.height(),
                   double(box.width()) / image.width(), double(box.height()) / image.height());
    return area;
}

TEST_F(PrintTest, ARedDayPrintsRedOnlyWithColours) {
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 1007);
    MonthCalendarModel& model = w.monthCalendar()->model();
    HostPrinting::prepareMonthForPaper(model);
    for (const bool colours : {true, false}) {
        SCOPED_TRACE(colours);
        model.setPrintColors(colours);
        const QString pdf = path(QStringLiteral("month%1.pdf").arg(colours));
        auto p = preview(w.monthCalendar());
        p->setPOutputFile(pdf);
        ASSERT_TRUE(p->mShowMonth(1, true));
        const RedArea red = redArea(pdf, path(QStringLiteral("month%1").arg(colours)));
        if (!colours) {
            EXPECT_EQ(red.pixels, 0);
            continue;
        }
        // Palm Sunday, the 24th: the whole cell in the first column of the fifth of six weeks.
        EXPECT_NEAR(red.share.center().x(), 0.13, 0.02);
        EXPECT_NEAR(red.share.center().y(), 0.71, 0.02);
        EXPECT_NEAR(red.share.width(), 0.12, 0.02);
        EXPECT_NEAR(red.share.height(), 0.11, 0.03);
    }
}

TEST_F(PrintTest, PreviewAndPrintDialogAreOwnedByTheOwnerWindowAndReturnWhenClosed) {
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 1007);
    QWidget owner(nullptr, Qt::Window);
    owner.setObjectName(QStringLiteral("fDummy"));
    struct Case {
        bool preview;
        bool result;
        QString dialog;
    };
    const QList<Case> cases = {
        {true, true,
         QStringLiteral("QPrintPreviewDialog fDummy 'Parish Plan' heard 'Print Preview: "
                        "March 2024'")},
        {false, false, QStringLiteral("QPrintDialog fDummy 'Parish Plan' heard 'Parish Plan'")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        auto p = preview(w.monthCalendar());
        p->setPPreview(c.preview);
        p->setPfParent(&owner);
        QString seen;
        const std::unique_ptr<QTimer> watch = noteNextDialog(&seen);
        EXPECT_EQ(p->mShowMonth(1, false), c.result);
        EXPECT_EQ(seen, c.dialog);
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(PrintTest, PrintCommandSetsUpThePreviewOrPrintsTheDayPage) {
    struct Case {
        QString command;
        int calendarMode; // 0: a day page is pending
        QVariant param;
        QStringList log;
        QString dialog;
    };
    const QString head = QStringLiteral("pCountryVersion=1007|pOrientation=2");
    const QString page = QStringLiteral(
        "pMarginLeft=1134|pMarginTop=1134|pMarginRight=1134|pMarginBottom=1134|"
        "pHeader=Parish Plan|pFooter=Date of print: Tuesday, March 5, 2024|pfParent=fDummy");
    const QString tail = QStringLiteral("pScaleFactor=100|pCaption=Parish Plan window");
    auto lines = [](const QString& text) { return text.split(QLatin1Char('|')); };
    const QList<Case> cases = {
        {QStringLiteral("ID_PREVIEW"), 1, QVariant(),
         lines(head + "|pPreview=true|" + page + "|pctMonth=ctMonth1|" + tail +
               "|mShowMonth(1, false) owner 'Parish Plan' of fHoster at 33,33 733x733 messages 4"),
         QString()},
        {QStringLiteral("ID_PRINT"), 2,
         QVariantList{1500.0, 3000.0f, 15000, QStringLiteral("9000")},
         lines(head + "|pPreview=false|" + page + "|pctMonth=ctCalendar1|" + tail +
               "|mShowCalendar(1, false) owner 'Parish Plan' of fHoster at 100,200 1000x600 "
               "messages 4"),
         QString()},
        {QStringLiteral("ID_OTHER"), 1, QVariant(QStringLiteral("1,2,3,4")),
         lines(head + "|" + page + "|pctMonth=ctMonth1|" + tail +
               "|mShowMonth(1, false) owner 'Parish Plan' of fHoster at 33,33 733x733 messages 4"),
         QString()},
        {QStringLiteral("ID_PREVIEW"),
         0,
         QVariant(),
         {},
         QStringLiteral("QPrintPreviewDialog fHoster 'Parish Plan Tuesday, March 5, 2024' "
                        "heard 'Print Preview: Parish Plan Tuesday, March 5, 2024'")},
    };
    int made = 0;
    const ObjectRegistry::Factory previous =
        ObjectRegistry::registerFactory(QString::fromLatin1(cZiRivedUvuridu::kProgId), [&made] {
            ++made;
            return std::make_unique<RecordingPreview>();
        });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        made = 0;
        fHoster& w = open(QStringLiteral("Brastume.MDB"), 1007);
        w.setPAppTitle(QStringLiteral("Parish Plan"));
        w.setWindowTitle(QStringLiteral("Parish Plan window"));
        if (c.calendarMode) {
            w.onPaneAction(HostInteraction::PaneHidden, 4);
            if (c.calendarMode == 2)
                w.onPaneAction(HostInteraction::PaneActivated, 2);
        } else {
            w.UpdateDay();
        }
        notify.param = c.param;
        notify.messages.clear();
        RecordingPreview::log().clear();
        RecordingPreview::messages() = &notify.messages;
        QString seen;
        const std::unique_ptr<QTimer> watch = c.dialog.isEmpty() ? nullptr : noteNextDialog(&seen);
        EXPECT_TRUE(QMetaObject::invokeMethod(&w, "doPrint", Q_ARG(QString, c.command)));
        EXPECT_EQ(RecordingPreview::log(), c.log);
        EXPECT_EQ(made, c.log.isEmpty() ? 0 : 1);
        EXPECT_EQ(seen, c.dialog);
        // The owner window is gone again.
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("fDummy")), nullptr);
    }
    ObjectRegistry::registerFactory(QString::fromLatin1(cZiRivedUvuridu::kProgId), previous);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// The page the user chose in the host's page set-up (carried by the notify object) reaches the
// calendars' and the day pages' print, previewed and printed on PDF; without a choice each
// prints on its own page.
TEST_F(PrintTest, TheHostsChosenPageReachesEveryPrint) {
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
    EXPECT_EQ(pdfFacts(header.OutputFile()).last(), "Page size: 792 x 612 pts (letter)");

    cZiRivedUvuridu month;
    HostPrinting::setUpPreview(&month, 1007, QStringLiteral("Parish Plan"));
    month.setPctMonth(window->monthCalendar());
    month.setPPageLayout(a5);
    month.setPOutputFile(path(QStringLiteral("month.pdf")));
    ASSERT_TRUE(month.mShowMonth(1, true));
    EXPECT_EQ(pdfFacts(month.pOutputFile()).last(), "Page size: 420 x 595 pts (A5)");
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// Day pages from a hostile liturgy database, shown, printed and exported: nothing of the
// machine is read or embedded, and deep or long pages are bounded with a note.
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

QList<int> odtPictureWidths(const QString& odt) {
    QList<int> widths;
    for (const QByteArray& name : output(u"unzip"_s, {u"-Z1"_s, odt}).split('\n')) {
        if (!name.startsWith("Pictures/"))
            continue;
        const QImage image =
            QImage::fromData(output(u"unzip"_s, {u"-p"_s, odt, QString::fromUtf8(name)}));
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

TEST(PageSetupCodesTest, PartsAndCodes) {
    PageSetupCodes::Facts facts;
    facts.date = QStringLiteral("3/5/24");
    facts.page = 2;
    facts.pages = 7;
    facts.title = QStringLiteral("Readings");
    facts.address = QStringLiteral("file:///tmp/CEN1.htm");
    // The codes, and the left, middle and right parts joined by '|'.
    const std::pair<const char*, const char*> cases[] = {
        {"&b&b&D", "||3/5/24"},
        {"Title&b&b&p/&P", "Title||2/7"},
        {"&w&b", "Readings||"},
        {"&u", "file:///tmp/CEN1.htm||"},
        {"A&bB", "A||B"},
        {"A&bB&bC&bD", "A|BC|D"},
        {"R&&D &x &", "R&D &x &||"},
        {"&&b&&p", "&b&p||"},
        {"", "||"},
    };
    for (const auto& [codes, parts] : cases) {
        const std::array<QString, 3> expanded =
            PageSetupCodes::expand(QString::fromUtf8(codes), facts);
        EXPECT_EQ(QStringList(expanded.begin(), expanded.end()).join(QLatin1Char('|')),
                  QString::fromUtf8(parts))
            << codes;
    }
}

} // namespace

#include "PrintTest.moc"

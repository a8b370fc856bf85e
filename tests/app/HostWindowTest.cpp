// The host application's window end to end: the component loaded from its library through its
// class object, as the program loads it, on a data set written by the generator. A click on a
// day of the month calendar shows that day's readings in the readings pane.
#include "app/HostWindow.h"

#include "SampleDataWriter.h"
#include "app/HostCommands.h"
#include "app/HostNotify.h"
#include "app/SSActiveToolBars.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"
#include "resources/mMain.h"
#include "support/OleDate.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Stands in for the desktop's handlers of mail and web addresses: it only notes them.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

constexpr int kGospel = 204;
constexpr int kLongGospel = 217;

struct Reading {
    QString heading; // "First Reading: Numbers 21:4-9"
    QString text;    // the passage as plain text
};

// What the database holds for a date: the name of its first calendar row and that row's
// readings as a readings page shows them.
struct DayReadings {
    QString name;
    QList<Reading> shown;
    QList<Reading> left; // held by the row but not shown (the gospel when a long one exists)
};

// Whether a plugin of Qt's print system (the CUPS one on Linux) is mapped into this process.
bool printSystemLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/printsupport/");
}

QString plainText(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText().simplified();
}

// The set is generated once for all tests: one year is enough for the dates clicked.
class HostWindowTest : public TestEnv {
protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        s_error = new QString;
        SampleDataOptions options;
        options.outDir = s_dir->path() + QStringLiteral("/set");
        options.fromYear = 2024;
        options.toYear = 2024;
        SampleDataWriter writer(options, [](const QString&) {});
        s_ok = writer.run(s_error);
    }
    static void TearDownTestSuite() {
        delete s_dir;
        delete s_error;
    }

    void SetUp() override {
        TestEnv::SetUp();
        ASSERT_TRUE(s_ok) << s_error->toStdString();
        // Off screen nobody answers a message box: each one is recorded and closed.
        answerMessageBoxes();
    }

    void TearDown() override {
        m_answer.stop();
        TestEnv::TearDown();
    }

    static QString setFile(const QString& name) {
        return s_dir->path() + QStringLiteral("/set/") + name;
    }

    static DayReadings expectedFor(const QDate& date) {
        DayReadings day;
        const QString file = setFile("Brastelo.MDB");
        const QList<QVariantList> first = SqlFile::rows(
            file, QStringLiteral("SELECT ID, ShortName FROM tbCalenderData WHERE Date = %1 "
                                 "ORDER BY ID LIMIT 1")
                      .arg(OleDate::fromDate(date), 0, 'f', 0));
        EXPECT_EQ(first.size(), 1) << date.toString(Qt::ISODate).toStdString();
        if (first.isEmpty())
            return day;
        day.name = first[0][1].toString();
        QList<std::pair<int, Reading>> all;
        bool hasLong = false;
        for (const QVariantList& r : SqlFile::rows(
                 file, QStringLiteral("SELECT r.Type, r.TypeString, r.Ref, b.HTM_Data FROM "
                                      "tbReadings r JOIN tbBibleText b ON b.ID = r.ContentID "
                                      "WHERE r.CalendarID = %1 ORDER BY r.SortOrder, r.ID")
                           .arg(first[0][0].toInt()))) {
            hasLong = hasLong || r[0].toInt() == kLongGospel;
            all.append({r[0].toInt(),
                        {r[1].toString() + QStringLiteral(": ") + r[2].toString(),
                         plainText(r[3].toString())}});
        }
        // The page lists the gospel last; a long gospel takes the place of the short one.
        for (const bool gospels : {false, true}) {
            for (const auto& [type, reading] : all) {
                const bool gospel = type == kGospel || type == kLongGospel;
                if (gospel != gospels)
                    continue;
                if (type == kGospel && hasLong)
                    day.left.append(reading);
                else
                    day.shown.append(reading);
            }
        }
        return day;
    }

    bool openWindow(HostWindow& window, const QDate& start) {
        HostWindow::Options options;
        options.iniFile = setFile(SampleDataWriter::iniFileName());
        options.edition = 1;
        options.date = start;
        QString error;
        window.resize(1280, 800);
        if (!window.open(options, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        return true;
    }

    static QWidget* monthCalendar(const HostWindow& window) {
        return window.componentWindow()->findChild<QWidget*>("ctMonth1");
    }

    static QTextBrowser* readingsBrowser(const HostWindow& window) {
        auto* pane = window.componentWindow()->findChild<QDockWidget*>("pane4");
        if (!pane || !pane->widget())
            return nullptr;
        return pane->widget()->findChild<QTextBrowser*>("WebBrowser1");
    }

    // Clicks the day's cell as a user does; false when the calendar does not show it.
    static bool clickDay(QWidget* month, const QDate& date) {
        QRect cell;
        QMetaObject::invokeMethod(month, "cellRect", Qt::DirectConnection,
                                  Q_RETURN_ARG(QRect, cell), Q_ARG(QDate, date));
        if (cell.isEmpty())
            return false;
        QTest::mouseClick(month, Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::qWait(10);
        return true;
    }

    static void clickMonthButton(QWidget* month, const QString& name) {
        for (QToolButton* button : month->findChildren<QToolButton*>()) {
            if (button->accessibleName() == name) {
                QTest::mouseClick(button, Qt::LeftButton);
                QTest::qWait(10);
                return;
            }
        }
        ADD_FAILURE() << "no button " << name.toStdString();
    }

    static void expectReadings(const QTextBrowser& browser, const QDate& date) {
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString());
        const DayReadings day = expectedFor(date);
        ASSERT_FALSE(day.shown.isEmpty()) << "the data set has no readings on this day";
        const QString page = browser.document()->toPlainText().simplified();
        qsizetype at = 0;
        for (const Reading& reading : day.shown) {
            const qsizetype heading = page.indexOf(reading.heading, at);
            EXPECT_GE(heading, at) << "missing or out of order: " << reading.heading.toStdString()
                                   << "\nin: " << page.left(400).toStdString();
            if (heading < 0)
                continue;
            at = heading + reading.heading.size();
            EXPECT_EQ(page.indexOf(reading.text, at), at + 1)
                << "the text under " << reading.heading.toStdString();
            at += reading.text.size();
        }
        for (const Reading& reading : day.left)
            EXPECT_FALSE(page.contains(reading.heading)) << reading.heading.toStdString();
    }

    QStringList messages;

private:
    void answerMessageBoxes() {
        QObject::connect(&m_answer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        m_answer.start(20);
    }

    QTimer m_answer;
    static QTemporaryDir* s_dir;
    static QString* s_error;
    static bool s_ok;
};

QTemporaryDir* HostWindowTest::s_dir = nullptr;
QString* HostWindowTest::s_error = nullptr;
bool HostWindowTest::s_ok = false;

} // namespace

TEST_F(HostWindowTest, ClickingADayShowsItsReadings) {
    HostWindow window;
    ASSERT_TRUE(openWindow(window, QDate(2024, 3, 1)));
    QWidget* month = monthCalendar(window);
    QTextBrowser* browser = readingsBrowser(window);
    ASSERT_NE(month, nullptr);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(browser->isVisible()) << "the readings pane is not the one in front";
    // A weekday of Lent without readings of its own: nothing of Lent 4 yet.
    const DayReadings lent4 = expectedFor(QDate(2024, 3, 10));
    ASSERT_FALSE(lent4.shown.isEmpty());
    EXPECT_FALSE(browser->document()->toPlainText().contains(lent4.shown.first().heading));

    struct Case {
        QDate date;
        const char* why;
    };
    const QList<Case> cases = {
        {QDate(2024, 3, 10), "a Sunday: four readings, the gospel last"},
        {QDate(2024, 3, 24), "the long gospel takes the place of the short one"},
        {QDate(2024, 3, 25), "two liturgical days: the first one's readings"},
        {QDate(2024, 3, 3), "back to an earlier day of the same month"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_TRUE(clickDay(month, c.date));
        expectReadings(*browser, c.date);
        // The host's status bar: the edition's name and the day's.
        EXPECT_EQ(window.statusBar()->currentMessage(),
                  mMain::getVersionName(1) + QStringLiteral(" - ") + expectedFor(c.date).name);
    }

    // The next month, reached by the calendar's own button, then one of its days.
    clickMonthButton(month, "Next month");
    ASSERT_TRUE(clickDay(month, QDate(2024, 4, 7)));
    expectReadings(*browser, QDate(2024, 4, 7));
    EXPECT_EQ(messages, QStringList());
    // Only a print needs the print system; a start and a look at some days do not load it.
    EXPECT_FALSE(printSystemLoaded());
}

TEST_F(HostWindowTest, EachHostServedToolRunsOncePerClick) {
    UrlRecorder urls;
    for (const char* scheme : {"mailto", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &urls, "open");
    HostWindow window;
    ASSERT_TRUE(openWindow(window, QDate(2024, 3, 10)));
    // Dialogs other than message boxes are noted by their class and closed.
    QStringList dialogs;
    bool accept = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && !qobject_cast<QMessageBox*>(dialog)) {
            dialogs.append(QString::fromLatin1(dialog->metaObject()->className()));
            accept ? dialog->accept() : dialog->reject();
        }
    });
    closer.start(20);
    const QString day = window.componentWindow()
                            ->findChild<QWidget*>("pane4")
                            ->findChild<QComboBox*>()
                            ->currentText();
    ASSERT_FALSE(day.isEmpty());

    struct Case {
        const char* id;
        QStringList dialogs;
        int messages;
        QStringList urls;
    };
    QUrl search("https://duckduckgo.com/");
    QUrlQuery query;
    query.addQueryItem("q", day);
    search.setQuery(query);
    const QList<Case> cases = {
        {"ID_ABOUT", {}, 1, {}},
        {"ID_PAGE_SETUP", {"QPageSetupDialog"}, 0, {}},
        {"ID_NEW_EMAIL", {}, 0, {"mailto:"}},
        {"ID_SEARCH_ON_WEB", {}, 0, {search.toString()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        dialogs.clear();
        messages.clear();
        urls.opened.clear();
        QAction* tool = window.toolbar()->findChild<QAction*>(QLatin1String(c.id));
        ASSERT_NE(tool, nullptr);
        ASSERT_TRUE(tool->isEnabled());
        QTest::mouseClick(window.toolbar()->widgetForAction(tool), Qt::LeftButton);
        QTest::qWait(100);
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(messages.size(), c.messages);
        QStringList opened;
        for (const QUrl& url : urls.opened)
            opened.append(url.toString());
        EXPECT_EQ(opened, c.urls);
    }
    // A cancelled page set-up chose nothing; an accepted one starts from the last choice and
    // is handed to the component's printing through the notify object.
    EXPECT_FALSE(window.notify()->pPageLayout().isValid());
    const QPageLayout chosen(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                             QMarginsF(8, 9, 10, 11), QPageLayout::Millimeter);
    window.commands()->printer().setPageLayout(chosen);
    accept = true;
    QTest::mouseClick(
        window.toolbar()->widgetForAction(window.toolbar()->findChild<QAction*>("ID_PAGE_SETUP")),
        Qt::LeftButton);
    QTest::qWait(100);
    EXPECT_TRUE(window.notify()->pPageLayout().isEquivalentTo(chosen));
    for (const char* scheme : {"mailto", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

#include "HostWindowTest.moc"

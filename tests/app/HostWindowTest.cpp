// The host application's window end to end: the component loaded from its library through its
// class object, as the program loads it, on a data set written by the generator. The tools
// that the host serves itself run once per click. (The user's journeys through the window are
// in tests/journeys/.)
#include "app/HostWindow.h"

#include "SampleDataWriter.h"
#include "app/HostCommands.h"
#include "app/HostNotify.h"
#include "app/SSActiveToolBars.h"
#include "common/TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

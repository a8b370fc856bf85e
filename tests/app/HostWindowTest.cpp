// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The host application's window end to end: the component loaded from its library through its
// class object, as the program loads it, on a data set written by the generator. The tools
// that the host serves itself run once per click. (The user's journeys through the window are
// in tests/journeys/.)
#include "app/HostWindow.h"

#include "SampleDataWriter.h"
#include "SampleSet.h"
#include "app/FirstStart.h"
#include "app/HostCommands.h"
#include "app/HostNotify.h"
#include "app/SSActiveToolBars.h"
#include "common/PageText.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"
#include "support/BuildInfo.h"
#include "support/ComponentInfo.h"
#include "support/OleDate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDialog>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <libical/ical.h>

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
    static void SetUpTestSuite() { s_set = new SampleSet(2024, 2024); }
    static void TearDownTestSuite() { delete s_set; }

    void SetUp() override {
        TestEnv::SetUp();
        ASSERT_TRUE(s_set->ok()) << s_set->error().toStdString();
        // Off screen nobody answers a message box: each one is recorded and closed.
        answerMessageBoxes();
    }

    void TearDown() override {
        m_answer.stop();
        TestEnv::TearDown();
    }

    static QString setFile(const QString& name) { return s_set->file(name); }

    bool openWindow(HostWindow& window, const QDate& start, qint32 edition = 1) {
        HostWindow::Options options;
        // Another edition from its own INI file, as a person starts it.
        options.iniFile = setFile(edition == 1 ? SampleDataWriter::iniFileName()
                                               : SampleDataWriter::editionIniFileName(edition));
        options.edition = edition;
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
    static inline SampleSet* s_set = nullptr;
};

} // namespace

TEST_F(HostWindowTest, EachHostServedToolRunsOncePerClick) {
    UrlRecorder urls;
    for (const char* scheme : {"mailto", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &urls, "open");
    HostWindow window;
    ASSERT_TRUE(openWindow(window, QDate(2024, 3, 10)));
    // Dialogs other than message boxes are noted by their class and closed.
    QStringList dialogs;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && !qobject_cast<QMessageBox*>(dialog)) {
            dialogs.append(QString::fromLatin1(dialog->metaObject()->className()));
            dialog->reject();
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
        QStringList messages;
        QStringList urls;
    };
    QUrl search("https://duckduckgo.com/");
    QUrlQuery query;
    query.addQueryItem("q", day);
    search.setQuery(query);
    const QList<Case> cases = {
        // The host's title and the build's version, never the library's own name.
        {"ID_ABOUT",
         {},
         {QStringLiteral("Liturgy Calendar %1.%2.%3\nThe church year, its readings and prayers.")
              .arg(buildinfo::kMajor)
              .arg(buildinfo::kMinor)
              .arg(buildinfo::kRevision)},
         {}},
        {"ID_PAGE_SETUP", {"QPageSetupDialog"}, {}, {}},
        {"ID_NEW_EMAIL", {}, {}, {"mailto:"}},
        {"ID_SEARCH_ON_WEB", {}, {}, {search.toString()}},
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
        EXPECT_EQ(messages, c.messages);
        QStringList opened;
        for (const QUrl& url : urls.opened)
            opened.append(url.toString());
        EXPECT_EQ(opened, c.urls);
    }
    // A cancelled page set-up chose nothing.
    EXPECT_FALSE(window.notify()->pPageLayout().isValid());
    for (const char* scheme : {"mailto", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

// A window that cannot start says why on the terminal and, in the edition's language, in a
// message with the window's title (which a picture's run answers and writes out), and fails.
// Without its window program the front program has no message box: the desktop's notification
// tool tells a person who asked for the window.
TEST_F(HostWindowTest, AFailureToStartIsShownInTheEditionsLanguage) {
    const QString notComponent =
        QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6";
    ASSERT_TRUE(QFileInfo::exists(notComponent));
    const QString missing = path("missing/libVoVoruzevUdadudar.so.1");
    const QString noHelpers = path("missing");
    const QString noWindow = noHelpers + "/liturgy-calendar-window";
    // The notification's body is markup, where a folder's & and < must stay text.
    const QString oddHelpers = path("R&D <old>");
    const auto noticeOf = [](const QString& detail) {
        return "--app-name=Liturgy Calendar\n--icon=liturgy-calendar\n--urgency=critical\nLiturgy "
               "Calendar\nThe program cannot start: its window program is missing or damaged.\n\n"
               "Reinstall Liturgy Calendar. If the fault remains, give your support the details: "
               "cannot start the window program " +
               detail + "/liturgy-calendar-window: No such file or directory\n";
    };
    // The notification tool, as the desktop has it: it writes down what it is given.
    const QString notice = path("notice.txt");
    writeFile("notify-send", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + notice.toUtf8() + "'\n");
    QFile::setPermissions(path("notify-send"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray searchPath = qgetenv("PATH");
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("PATH", QFile::encodeName(dir()) + ':' + searchPath);
    qputenv("DISPLAY", ":1");

    const QString ini = setFile(SampleDataWriter::iniFileName());
    const QStringList picture = {"--ini", ini, "--screenshot", path("shot.png"), "--edition"};
    const QString reinstall = "The program cannot start: its calendar component is missing or "
                              "damaged.\n\nReinstall Liturgy Calendar. If the fault remains, give "
                              "your support the details.\n";
    const QString reinstallNb = "Programmet kan ikke starte: kalenderkomponenten mangler eller er "
                                "skadet.\n\nInstaller Liturgisk kalender på nytt. Hvis feilen "
                                "består, gi brukerstøtten detaljene.\n";
    struct Case {
        QString library; // the component's library named by the environment, if any
        QString helpers; // the helper folder named by the environment, if any
        QStringList arguments;
        QString err;
        QString notice = {};
    };
    const Case cases[] = {
        {notComponent,
         {},
         picture + QStringList{"1"},
         "liturgy-calendar: " + notComponent +
             " is not the component's library\nliturgy-calendar: Liturgy Calendar: " + reinstall},
        {missing,
         {},
         picture + QStringList{"1"},
         "liturgy-calendar: the component's library " + missing +
             " does not exist\nliturgy-calendar: Liturgy Calendar: " + reinstall},
        {notComponent,
         {},
         picture + QStringList{"47"},
         "liturgy-calendar: " + notComponent +
             " er ikke komponentens bibliotek\nliturgy-calendar: Liturgisk kalender: " +
             reinstallNb},
        {missing,
         {},
         picture + QStringList{"47"},
         "liturgy-calendar: komponentens bibliotek " + missing +
             " finnes ikke\nliturgy-calendar: Liturgisk kalender: " + reinstallNb},
        {{},
         {},
         {"--ini", "nothing.ini", "--screenshot", "shot.png", "--edition", "47"},
         "liturgy-calendar: INI-filen 'nothing.ini' finnes ikke\nliturgy-calendar: Liturgisk "
         "kalender: Programmet kan ikke starte: INI-filen det fikk, finnes ikke.\n\nKontroller "
         "filnavnet som er gitt med --ini.\n"},
        {{},
         noHelpers,
         {"--ini", ini},
         "liturgy-calendar: cannot start the window program " + noWindow +
             ": No such file or directory\n",
         noticeOf(noHelpers)},
        {{},
         oddHelpers,
         {"--ini", ini},
         "liturgy-calendar: cannot start the window program " + oddHelpers +
             "/liturgy-calendar-window: No such file or directory\n",
         noticeOf(path("R&amp;D &lt;old&gt;"))},
        {{},
         noHelpers,
         {"--ini", ini, "--edition", "47"},
         "liturgy-calendar: kan ikke starte vindusprogrammet " + noWindow +
             ": No such file or directory\n",
         "--app-name=Liturgisk kalender\n--icon=liturgy-calendar\n--urgency=critical\n"
         "Liturgisk kalender\nProgrammet kan ikke starte: vindusprogrammet mangler eller er "
         "skadet.\n\nInstaller Liturgisk kalender på nytt. Hvis feilen består, gi brukerstøtten "
         "detaljene: kan ikke starte vindusprogrammet " +
             noWindow + ": No such file or directory\n"},
        // A picture has nobody to tell.
        {{},
         noHelpers,
         picture + QStringList{"1"},
         "liturgy-calendar: cannot start the window program " + noWindow +
             ": No such file or directory\n"},
    };
    const QByteArray buildHelpers = qgetenv(ComponentInfo::kHelperFolderVariable);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        qputenv("LC_COMPONENT_LIBRARY", c.library.toUtf8());
        qputenv(ComponentInfo::kHelperFolderVariable,
                c.helpers.isEmpty() ? buildHelpers : c.helpers.toUtf8());
        QFile::remove(notice);
        const ProgramRun run = runProgram(LC_APP_PROGRAM, c.arguments);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(QString::fromUtf8(readFile(notice)), c.notice);
    }
    qunsetenv("LC_COMPONENT_LIBRARY");
    qputenv("DISPLAY", display);
    qputenv("PATH", searchPath);
    qputenv(ComponentInfo::kHelperFolderVariable, buildHelpers);
}

// A window that with its frame is bigger than the screen's free area would run off it; there
// it opens maximised, within the free area, and elsewhere at its own size.
TEST_F(HostWindowTest, OpensMaximisedWhereTheScreenIsSmaller) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const std::pair<QSize, bool> sizes[] = {{free.size() + QSize(1, 0), true},
                                            {free.size() - QSize(100, 0), true},
                                            {free.size() - QSize(0, 20), true},
                                            {free.size() - QSize(100, 100), false}};
    for (const auto& [size, bigger] : sizes) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        HostWindow window;
        window.resize(size);
        window.showFitted();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.isMaximized(), bigger);
        if (bigger)
            EXPECT_EQ(window.frameGeometry(), free);
        else
            EXPECT_EQ(window.size(), size);
        EXPECT_TRUE(free.contains(window.frameGeometry()));
    }
}

// Page Setup opens on the page the next print would use: the day page's portrait or, once the
// month calendar is worked in, the calendar's landscape, both with 2 cm margins on the printer's
// paper. OK without a change chooses nothing, so the next month still prints landscape; a change is
// the choice.
TEST_F(HostWindowTest, PageSetupStartsFromTheNextPrint) {
    HostWindow window;
    ASSERT_TRUE(openWindow(window, QDate(2024, 3, 10)));
    const QString paper = QPrinter().pageLayout().pageSize().key();
    struct Case {
        const char* name;
        bool monthInFront;
        const char* pick; // the orientation the person clicks, if any
        QString shown;
        QString chosen;
    };
    const Case cases[] = {
        {"day page, OK", false, nullptr, paper + " portrait 20,20,20,20 mm", "nothing"},
        {"month, OK", true, nullptr, paper + " landscape 20,20,20,20 mm", "nothing"},
        {"month, OK again", true, nullptr, paper + " landscape 20,20,20,20 mm", "nothing"},
        {"month, portrait picked", true, "Portrait", paper + " landscape 20,20,20,20 mm",
         paper + " portrait 20,20,20,20 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A click on a day of the month calendar brings the calendar to the front.
        if (c.monthInFront) {
            QWidget* month = window.componentWindow()->findChild<QWidget*>("ctMonth1");
            QTest::mouseClick(month, Qt::LeftButton, {}, month->rect().center());
        }
        QTest::qWait(20);
        QString shown;
        QTimer person;
        QObject::connect(&person, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
            if (!dialog || !shown.isEmpty())
                return;
            shown = pageText(dialog->printer()->pageLayout());
            if (c.pick) {
                for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
                    if (button->text().remove(QLatin1Char('&')) == QLatin1String(c.pick))
                        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
            }
            QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Return); });
        });
        person.start(20);
        QTest::mouseClick(window.toolbar()->widgetForAction(
                              window.toolbar()->findChild<QAction*>("ID_PAGE_SETUP")),
                          Qt::LeftButton);
        QTest::qWait(100);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(pageText(window.notify()->pPageLayout()), c.chosen);
    }
}

// The first start without a data set: the person is asked, and declining writes nothing; agreeing
// shows the progress dialog, with the lines make-sample-data prints, while it writes the set; a
// generator that is missing or fails is said so in a message.
class FirstStartTest : public TestEnv {};

TEST_F(FirstStartTest, OffersTheDefaultDataSetAndShowsItsProgress) {
    const QString title = "Liturgy Calendar";
    const QString failed = "The default data set could not be created: ";
    writeFile("blocked", "a file where the set's folder would be");
    const QString ok = path("first/liturgy-calendar");
    const QString blocked = path("blocked/liturgy-calendar");
    // An installation's layout without the generator: the helper folder, and no bin/ beside it.
    const QString bare = path("bare/libexec/VoVoruzevUdadudar");
    const QString missing = "make-sample-data was not found next to the program (" +
                            path("bare/bin/make-sample-data") + ")";
    const QString cantWrite = "make-sample-data: The folder '" + blocked + "' cannot be created.";
    const QString declined = "no data set was created; create it with: make-sample-data --out ";
    struct Case {
        const char* button; // what the person presses in the question
        const char* stop;   // how the person stops the progress once it shows a step, if at all
        QString folder;
        bool created;
        QString declined = {}; // the error when nothing was tried
        QString failure = {};  // why the generator failed, in the error and in a message
        QString helpers = {};  // the helper folder; empty: the build tree's
    };
    const Case cases[] = {
        {"Cancel", nullptr, ok, false, declined + ok},
        {"&Create", "Escape", ok, false, declined + ok},
        {"&Create", "Cancel", ok, false, declined + ok},
        {"&Create", nullptr, ok, true},
        {"&Create", nullptr, blocked, false, {}, cantWrite},
        {"&Create", nullptr, path("other/liturgy-calendar"), false, {}, missing, bare},
    };
    const QByteArray buildHelpers = qgetenv(ComponentInfo::kHelperFolderVariable);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + (c.stop ? c.stop : "") + " " +
                     c.folder.toStdString());
        qputenv(ComponentInfo::kHelperFolderVariable,
                c.helpers.isEmpty() ? buildHelpers : c.helpers.toUtf8());
        QStringList messages;
        QStringList steps;
        QTimer person;
        QObject::connect(&person, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                const QString shown = box->windowTitle() + " | " + box->text();
                if (!messages.contains(shown))
                    messages << shown;
                // The question's chosen button, or the failure message's only one.
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == QLatin1String(c.button) ||
                        box->standardButton(button) == QMessageBox::Ok)
                        QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
                const QString shown = progress->windowTitle() + " | " + progress->labelText();
                if (!steps.contains(shown))
                    steps << shown;
                if (!c.stop || !shown.contains("Reading the Bible texts"))
                    return;
                if (QLatin1String(c.stop) == QLatin1String("Escape"))
                    QTest::keyClick(progress, Qt::Key_Escape);
                else if (auto* button = progress->findChild<QPushButton*>())
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        person.start(5);
        FirstStart::Request request;
        request.folder = c.folder;
        request.fromYear = 2025;
        request.toYear = 2025;
        QString error;
        EXPECT_EQ(FirstStart::offer(nullptr, title, request, &error), c.created);
        person.stop();
        EXPECT_EQ(error, c.failure.isEmpty()
                             ? c.declined
                             : "the default data set could not be created: " + c.failure);
        EXPECT_EQ(QFileInfo::exists(c.folder + "/liturgy.ini"), c.created);
        QStringList asked{title + " | " + FirstStart::question(c.folder)};
        if (!c.failure.isEmpty())
            asked << title + " | " + failed + c.failure;
        EXPECT_EQ(messages, asked);
        // While writing, the dialog shows the generator's lines: the Bible texts are read first.
        const bool progressShown = std::any_of(steps.begin(), steps.end(), [](const QString& s) {
            return s.startsWith(FirstStart::progressTitle() + " | Reading the Bible texts");
        });
        EXPECT_EQ(progressShown, c.created || c.stop) << steps.join('\n').toStdString();
    }
    qputenv(ComponentInfo::kHelperFolderVariable, buildHelpers);
}

#include "HostWindowTest.moc"

TEST_F(HostWindowTest, FileExportCalendarWritesTheChosenKindsOfTheRange) {
    // The dates are shown, and typed, in the short form of the edition's language.
    const struct {
        qint32 edition;
        const char* database;
        QLocale::Language language;
        const char* shown;
        const char* typed;
        const char* files; // the file dialog's labels and buttons
        const char* written;
    } cases[] = {
        {1, "Brastelo.MDB", QLocale::English, "3/1/2024 to 2/28/2025", "6/15/2024",
         "Look in:|File &name:|Files of type:|&Save|Cancel",
         "The calendar was written to %1: %2 days, 0 services."},
        {47, "Velmarka.MDB", QLocale::NorwegianBokmal, "01.03.2024 to 28.02.2025", "15.06.2024",
         "Se i:|Fil&navn:|Filtype:|&Lagre|Avbryt",
         "Kalenderen ble skrevet til %1: %2 dager, 0 gudstjenester."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        messages.clear();
        HostWindow window;
        ASSERT_TRUE(openWindow(window, QDate(2024, 3, 1), c.edition));
        const QString file = path(QStringLiteral("parish-%1.ics").arg(c.edition));
        // The person: in the export dialog, types the first day over the one offered (this
        // month), leaves the services out and exports; in the file dialog, names the file.
        QStringList seen;
        QTimer person;
        QElapsedTimer waiting;
        waiting.start();
        QObject::connect(&person, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            // The export's closing message is answered, and checked, with every other message.
            if (!modal || qobject_cast<QMessageBox*>(modal))
                return;
            if (seen.contains(modal->objectName())) {
                // A dialog the person does not expect is closed after a while and named, so
                // that the test fails saying what it was instead of waiting for ever.
                if (waiting.elapsed() < 15000)
                    return;
                seen.append(QStringLiteral("unexpected %1 '%2'")
                                .arg(QString::fromLatin1(modal->metaObject()->className()),
                                     modal->windowTitle()));
                modal->close();
                waiting.restart();
                return;
            }
            auto* files = qobject_cast<QFileDialog*>(modal);
            auto* name = files ? files->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            // The person types the name once the field has the keyboard. Typed earlier, the
            // dialog keeps a folder it matched on the way selected, and Return opens that
            // folder instead of saving.
            if (files && QApplication::focusWidget() != name)
                return;
            waiting.restart();
            seen.append(modal->objectName());
            if (modal->objectName() == QLatin1String("exportCalendar")) {
                auto* from = modal->findChild<QWidget*>("from")->findChild<QLineEdit*>();
                auto* to = modal->findChild<QWidget*>("to")->findChild<QLineEdit*>();
                seen.append(from->text() + QStringLiteral(" to ") + to->text());
                from->selectAll();
                QTest::keyClicks(from, QLatin1String(c.typed));
                QTest::mouseClick(modal->findChild<QWidget*>("services"), Qt::LeftButton);
                // Pressed after this tick, so that the file dialog it opens finds the person
                // again.
                QTimer::singleShot(0, modal, [modal] { QTest::keyClick(modal, Qt::Key_Return); });
            } else if (name) {
                // What the dialog says, in the edition's language.
                QStringList texts;
                for (const QLabel* label : files->findChildren<QLabel*>())
                    texts << label->text();
                for (const QPushButton* button : files->findChildren<QPushButton*>())
                    texts << button->text();
                seen.append(texts.join(QLatin1Char('|')));
                name->selectAll();
                QTest::keyClicks(name, file);
                // The suggestions of the file name's completer close first, as a person closes
                // them.
                QTimer::singleShot(0, name, [name] {
                    if (QWidget* suggestions = QApplication::activePopupWidget())
                        QTest::keyClick(suggestions, Qt::Key_Escape);
                    QTest::keyClick(name, Qt::Key_Return);
                });
            }
        });
        person.start(20);
        QMenuBar* bar = window.menuBar();
        QMenu* fileMenu = bar->findChild<QMenu*>("&File");
        ASSERT_NE(fileMenu, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(fileMenu->menuAction()).center());
        QAction* item = fileMenu->findChild<QAction*>("exportCalendar");
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(fileMenu->isVisible());
        QTest::mouseClick(fileMenu, Qt::LeftButton, {}, fileMenu->actionGeometry(item).center());
        QTest::qWait(100);
        person.stop();
        // Then turns the month, which reads from the database the window had open before the
        // export.
        QWidget* month = window.componentWindow()->findChild<QWidget*>("ctMonth1");
        QTest::mouseClick(month, Qt::LeftButton);
        QTest::keyClick(month, Qt::Key_PageDown);

        // The days of the edition's data from the typed date (the data end with 2024), each
        // under its UID; a row without a name under its weekday.
        QStringList expected;
        for (const QVariantList& row :
             SqlFile::rows(setFile(QLatin1String(c.database)),
                           QStringLiteral("SELECT ID, Date, ShortName FROM tbCalenderData WHERE "
                                          "Date >= %1 ORDER BY Date, ID")
                               .arg(OleDate::fromDate(QDate(2024, 6, 15))))) {
            const QDate date = OleDate::toDate(row[1].toDouble());
            const QString name = row[2].toString().isEmpty()
                                     ? QLocale(c.language).dayName(date.dayOfWeek())
                                     : row[2].toString();
            expected << QStringLiteral("day-%1-%2-%3@liturgy-calendar %4")
                            .arg(c.edition)
                            .arg(row[0].toString(), date.toString("yyyyMMdd"), name);
        }
        QStringList events;
        icalcomponent* calendar = icalparser_parse_string(readFile(file).constData());
        ASSERT_NE(calendar, nullptr) << seen.join(QStringLiteral(" | ")).toStdString();
        for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             e; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            events << QString::fromUtf8(icalcomponent_get_uid(e)) + ' ' +
                          QString::fromUtf8(icalcomponent_get_summary(e));
        icalcomponent_free(calendar);
        EXPECT_EQ(events, expected);
        EXPECT_EQ(seen, QStringList({"exportCalendar", c.shown, "calendarFile", c.files}));
        EXPECT_EQ(messages,
                  QStringList{QString::fromUtf8(c.written).arg(file).arg(expected.size())});
    }
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "HostWindowFixture.h"
#include "common/FakePrograms.h"
#include "common/OdtText.h"
#include "common/SqlFile.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/CLiturgicalMonth.h"
#include "host_window/DocumentComponents.h"
#include "host_window/cWordApplication.h"
#include "host_window/cWordDocument.h"
#include "host_window/ui/fHoster.h"
#include "mail/MailComponents.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

namespace {

class HostExportTest : public HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        registerDocumentComponents();
        registerMailComponents();
    }
    // The readings page of 5 March 2024, shown.
    fThisDay& readings() {
        makeData(u"Brastume.MDB"_s);
        SqlFile::exec(path(u"Brastume.MDB"_s),
                      {u"INSERT OR IGNORE INTO tbReadings (ID, CalendarID, SortOrder, Type, "
                       "ContentID, Ref, TypeString) VALUES (1, 2, 1, 204, 1, "
                       "'John 2:13-22', 'Gospel')"_s,
                       u"INSERT OR IGNORE INTO tbBibleText (ID, Text, HTM_Data) VALUES (1, "
                       "'plain', '<P>Zeal for your house will consume me.</P>')"_s,
                       u"INSERT OR IGNORE INTO tbReadings (ID, CalendarID, SortOrder, Type, "
                       "ContentID, Ref, TypeString) VALUES (2, 2, 2, 208, 2, "
                       "'Psalm 8', 'Psalm')"_s,
                       u"INSERT OR IGNORE INTO tbBibleText (ID, Text, HTM_Data) VALUES (2, "
                       "'plain', '<P><SUP>1</SUP>&nbsp;Yahweh, our Lord, how majestic is your "
                       "name in all the earth!<BR>You have set your glory above the heavens! "
                       "<SUP>2</SUP>&nbsp;From the lips of babes<BR>because of your "
                       "adversaries.</P>')"_s});
        fHoster& w = open(u"Brastume.MDB"_s, 47);
        w.onPaneAction(HostInteraction::PaneExpanding, 4);
        return *w.dayPage(4);
    }
    QString exportFolder() const { return path(u"data/Brekka Data as/Exports/"_s); }
    QStringList exported() const { return QDir(exportFolder()).entryList(QDir::Files); }
};

// Copying with a selection, without one, and on a blank page: what the clipboard holds and
// what stays selected.
TEST_F(HostExportTest, CopyLeavesClipboardAndSelectionAsWritten) {
    fThisDay& page = readings();
    QTextBrowser* browser = page.WebBrowser1();
    const QString whole = browser->toPlainText();
    struct Case {
        const char* name;
        QString select; // empty: nothing selected
        bool blank;
        bool result;
        QString text;      // the clipboard's plain text
        QString selection; // left selected
    };
    const Case cases[] = {
        {"selection", u"John 2:13-22"_s, false, true, u"John 2:13-22"_s, u"John 2:13-22"_s},
        {"nothing selected", {}, false, true, whole, {}},
        {"blank page", {}, true, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui().setClipboardHtml({}, {});
        if (c.blank)
            page.navigate(u"About:Blank"_s);
        browser->setTextCursor(c.select.isEmpty() ? QTextCursor(browser->document())
                                                  : browser->document()->find(c.select));
        EXPECT_EQ(page.mCopy(), c.result);
        EXPECT_EQ(ui().clipboardText(), c.text);
        // The HTML is the same fragment.
        EXPECT_EQ(QTextDocumentFragment::fromHtml(ui().clipboardHtml()).toPlainText(), c.text);
        EXPECT_EQ(browser->textCursor().selectedText(), c.selection);
    }
}

// The day page into the word processor: pasted into a new document that is written into the
// export folder and opened by the desktop. (Without a word processor: see the failures below.)
TEST_F(HostExportTest, DayPageIntoTheWordProcessor) {
    FakePrograms fakes(path(u"bin"_s));
    fakes.add(u"xdg-open"_s);
    fakes.add(u"xdg-mime"_s, 0, u"writer.desktop"_s);
    fThisDay& page = readings();
    ui().clear();
    EXPECT_FALSE(window->openInMSWord());
    const QString file = u"Tuesday in Lent 3 2024-03-05.odt"_s;
    EXPECT_EQ(exported(), QStringList{file});
    EXPECT_EQ(fakes.runs(u"xdg-open"_s), QList<QStringList>{{exportFolder() + file}});
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    // The psalm's lines end in line breaks, with no tab before them.
    const QByteArray content = odtContent(exportFolder() + file);
    EXPECT_EQ(content.count("<text:tab/>"), 0);
    EXPECT_EQ(content.count("<text:line-break/>"), 2);
    EXPECT_EQ(odtText(exportFolder() + file),
              u"3/5/24 - Tuesday in Lent 3\nPsalm: Psalm 8\n1\u00a0Yahweh, our Lord, how majestic "
              "is your name in all the earth!/You have set your glory above the heavens! "
              "2\u00a0From the lips of babes/because of your adversaries.\nGospel: John "
              "2:13-22\nZeal for your house will consume me."_s);
    EXPECT_TRUE(page.WebBrowser1()->textCursor().selectedText().isEmpty());
}

// The name a document suggests for its file: the first line of its text with the day once, in
// the sortable form, whichever language the page's date was written in.
TEST_F(HostExportTest, SuggestedNameCarriesTheDayOnce) {
    struct Case {
        qint32 languageOffset;
        QString html;
        QString expected;
    };
    const QDate exported(2026, 12, 7);
    const Case cases[] = {
        {0, u"<P>3/5/24 - Tuesday in Lent 3</P><P>Psalm 8</P>"_s,
         u"Tuesday in Lent 3 2024-03-05.odt"_s},
        {1000, u"<P>10.03.2024 - 4. s\u00f8ndag i fastetiden</P>"_s,
         u"4. s\u00f8ndag i fastetiden 2024-03-10.odt"_s},
        // A two-digit year is the one nearest the export.
        {0, u"<P>12/24/69 - Christmas Eve</P>"_s, u"Christmas Eve 2069-12-24.odt"_s},
        // Not a date before the dash: the export's day.
        {0, u"<P>Lauds - Psalm 63</P>"_s, u"Lauds - Psalm 63 2026-12-07.odt"_s},
        {0, u"<P>December 2026</P>"_s, u"December 2026 2026-12-07.odt"_s},
        {0, u"<P>Vespers: 1/2 \"A\" *</P>"_s, u"Vespers 1 2 A 2026-12-07.odt"_s},
        {0, u"<P> </P>"_s, u"Document 2026-12-07.odt"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html.toStdString());
        shared().gLanguageOffset = c.languageOffset;
        cWordApplication application(cWordApplication::Opening::Never);
        cWordDocument document(application);
        document.InsertHtml(c.html);
        EXPECT_EQ(document.suggestedName(exported), c.expected);
    }
}

// The month into the word processor when no day page is pending: the month and year, the
// weekdays from the system's first day, each day with its names, shaded with its colour.
TEST_F(HostExportTest, MonthIntoTheWordProcessor) {
    FakePrograms fakes(path(u"bin"_s));
    fakes.add(u"xdg-open"_s);
    fakes.add(u"xdg-mime"_s, 0, u"writer.desktop"_s);
    fHoster& w = open(u"Brastume.MDB"_s, 47);
    w.onPaneAction(HostInteraction::PaneHidden, 4);
    ASSERT_FALSE(w.interaction().state().dayPagePending);
    EXPECT_TRUE(w.openInMSWord());
    const QString file = u"March 2024 2024-03-05.odt"_s;
    EXPECT_EQ(exported(), QStringList{file});
    EXPECT_EQ(fakes.runs(u"xdg-open"_s), QList<QStringList>{{exportFolder() + file}});
    EXPECT_EQ(odtText(exportFolder() + file), u"March 2024\n"
                                              "Sun | Mon | Tue | Wed | Thu | Fri | Sat\n"
                                              " |  |  |  |  | 1 | 2\n"
                                              "3/Lent 3 [#b377d7] | 4 | 5/Tuesday in Lent 3 "
                                              "[#b377d7] | 6 | 7 | 8 | 9\n"
                                              "10 | 11 | 12 | 13 | 14 | 15 | 16\n"
                                              "17 | 18 | 19/Weekday/Joseph [#ffffff] | 20 | 21 "
                                              "| 22 | 23\n"
                                              "24/Palm Sunday [#c60000] | 25 | 26 | 27 | 28 | 29 "
                                              "| 30\n"
                                              "31 |  |  |  |  |  | \n"_s);
    // The coloured days are shaded whole (odtText shows a cell's own shade only), and their
    // names are broken into lines with no tab before the breaks.
    const QByteArray content = odtContent(exportFolder() + file);
    EXPECT_EQ(content.count("<text:tab/>"), 0);
    EXPECT_EQ(content.count("<text:line-break/>"), 5);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// Sending the pending day page opens the mail client with a copy of the page attached, named
// for its content and kept a day; a blank page, or no day page pending, sends nothing.
TEST_F(HostExportTest, SendTheDayPage) {
    FakePrograms fakes(path(u"bin"_s));
    fakes.add(u"xdg-email"_s);
    fThisDay& page = readings();
    const QString folder = path(u"cache/Brekka Data as/Mail/"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString old = writeFile(u"cache/Brekka Data as/Mail/old.html"_s, "old");
    const QString recent = writeFile(u"cache/Brekka Data as/Mail/recent.html"_s, "recent");
    for (const auto& [file, age] : {std::pair{old, 25}, std::pair{recent, 23}}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(now().addSecs(-age * 3600), QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(window->doSend(u"ID_SEND"_s));
    const QString name = u"Readings 5 Mar 2024 - Tuesday in Lent 3.html"_s;
    const QString copy = folder + name;
    const QList<QStringList> sent = {{u"--subject"_s, u"Readings 3/5/24 - Tuesday in Lent 3"_s,
                                      u"--body"_s,
                                      u"Readings 3/5/24 - Tuesday in Lent 3\n\nThe page is "
                                      "attached: open it in a web browser to read or print it."_s,
                                      u"--attach"_s, copy}};
    EXPECT_EQ(fakes.runs(u"xdg-email"_s), sent);
    EXPECT_EQ(readFile(copy), readFile(page.assembly().TempPath() + page.LocationName()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({name, u"recent.html"_s}));
    // A blank page has no file to send.
    page.navigate(u"About:Blank"_s);
    EXPECT_FALSE(window->doSend(u"ID_SEND"_s));
    EXPECT_EQ(fakes.runs(u"xdg-email"_s), sent);
    window->onPaneAction(HostInteraction::PaneHidden, 4);
    EXPECT_FALSE(window->doSend(u"ID_SEND"_s));
    EXPECT_EQ(fakes.runs(u"xdg-email"_s), sent);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// Every failure of exporting and sending names what a user installs or does here, in the box's
// text and behind "Show Details" alike: never a Windows product or the library's own name. Without
// a mail program the page is offered as a file to attach by hand.
TEST_F(HostExportTest, FailuresNameWhatThisDesktopHas) {
    const QString noWriter =
        u"No program for OpenDocument text documents is installed. Install "
        "LibreOffice Writer or choose one with your desktop's file settings."_s;
    const QString noMail = u"No mail program is set up on this computer, so the page cannot be "
                           "sent from here.\r\nSave the page as a file to attach to a message by "
                           "hand?"_s;
    const QString saved = exportFolder() + u"Readings 5 Mar 2024 - Tuesday in Lent 3.html"_s;
    enum class Act { DayToWriter, MonthToWriter, Send };
    struct Case {
        const char* name;
        Act act;
        QString handler; // what xdg-mime names for OpenDocument text
        int openExit;
        UserInterface::Answer answer;
        QStringList texts; // each box as "title | text"
        QStringList files; // in the export folder afterwards
    };
    const QString writerBox = u"Liturgy Calendar | "_s + noWriter;
    const QString mailBox = u"Liturgy Calendar | "_s + noMail;
    const QString month = u"March 2024 2024-03-05.odt"_s;
    using enum Act;
    using enum UserInterface::Answer;
    const Case cases[] = {
        {"day page, no word processor", DayToWriter, {}, 0, Ok, {writerBox}, {}},
        {"month, no word processor", MonthToWriter, {}, 0, Ok, {writerBox}, {}},
        {"month, the word processor does not start",
         MonthToWriter,
         u"writer.desktop"_s,
         4,
         Ok,
         {writerBox + u" ("_s + exportFolder() + month + u")"_s},
         {month}},
        {"send, no mail program, not saved", Send, {}, 3, No, {mailBox}, {}},
        {"send, no mail program, saved",
         Send,
         {},
         3,
         Yes,
         {mailBox, u"Liturgy Calendar | The page is saved as "_s + saved +
                       u". Attach it to a message in your mail program."_s},
         {QFileInfo(saved).fileName()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(exportFolder()).removeRecursively();
        FakePrograms fakes(path(u"bin-"_s + QString::number(int(&c - cases))));
        fakes.add(u"xdg-open"_s, c.openExit);
        fakes.add(u"xdg-email"_s, 3);
        fakes.add(u"xdg-mime"_s, 0, c.handler);
        readings();
        ui().clear();
        ui().setAnswer(c.answer);
        if (c.act == MonthToWriter)
            window->onPaneAction(HostInteraction::PaneHidden, 4);
        if (c.act == Send)
            window->doSend(u"ID_SEND"_s);
        else
            window->openInMSWord();
        QStringList texts;
        for (const auto& box : ui().messageBoxes()) {
            texts << box.title + u" | "_s + box.text;
            for (const char* word : {"ActiveX", "MS Word", "Word.Application", "VoVoruzevUdadudar"})
                EXPECT_FALSE((box.title + box.text + box.details).contains(QLatin1String(word)))
                    << word;
        }
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(exported(), c.files);
        ui().setAnswer(UserInterface::Answer::Ok);
        window.reset();
    }
}

// A month export that a host serves itself, with exactly the six members the window sets: it
// gets those six, and the month is exported with no failure.
class HostMonthExport : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool pShowFeast MEMBER showFeast)
    Q_PROPERTY(bool pFeastOnlyOnSundays MEMBER onlySundays)
    Q_PROPERTY(qint32 pYear MEMBER year)
    Q_PROPERTY(qint32 pMonth MEMBER month)
    Q_PROPERTY(qint32 pFirstDay MEMBER firstDay)
    Q_PROPERTY(QString pVkIniFile MEMBER iniFile)
public:
    explicit HostMonthExport(QStringList& calls) : m_calls(calls) {}
    Q_INVOKABLE bool ExportToWord(qint32 show) {
        m_calls << u"%1 %2 %3/%4 %5 %6 show %7"_s.arg(showFeast)
                       .arg(onlySundays)
                       .arg(month)
                       .arg(year)
                       .arg(firstDay)
                       .arg(QFileInfo(iniFile).fileName())
                       .arg(show);
        return true;
    }
    bool showFeast = false;
    bool onlySundays = true;
    qint32 year = 0;
    qint32 month = 0;
    qint32 firstDay = -1;
    QString iniFile;

private:
    QStringList& m_calls;
};

TEST_F(HostExportTest, HostsOwnMonthExportGetsOnlyItsMembers) {
    QStringList calls;
    const QString progId = QString::fromLatin1(CLiturgicalMonth::kProgId);
    const auto own = ObjectRegistry::registerFactory(
        progId, [&calls] { return std::make_unique<HostMonthExport>(calls); });
    fHoster& w = open(u"Brastume.MDB"_s, 47);
    w.onPaneAction(HostInteraction::PaneHidden, 4);
    w.setPSQLMode(true);
    w.setPConnectionString(u"Provider=PostgreSQL;Server=nowhere;"_s);
    ui().clear();
    EXPECT_TRUE(w.openInMSWord());
    ObjectRegistry::registerFactory(progId, own);
    EXPECT_EQ(calls, QStringList{u"1 0 3/2024 0 host.ini show 1"_s});
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

// The month export's options: the first weekday, names only on Sundays, no names; a bad month
// is reported and exports nothing.
TEST_F(HostExportTest, MonthExportOptions) {
    iniFile = makeData(u"Brastume.MDB"_s);
    registerDocumentComponents(false);
    struct Case {
        qint32 firstDay;
        bool showFeast;
        bool onlySundays;
        qint32 month;
        QString text; // the first three rows of the weeks; empty: nothing exported
    };
    const Case cases[] = {
        {2, true, true, 3,
         u"Mon | Tue | Wed | Thu | Fri | Sat | Sun\n"
         " |  |  |  | 1 | 2 | 3/Lent 3 [#b377d7]\n"
         "4 | 5 [#b377d7] | 6 | 7 | 8 | 9 | 10"_s},
        {7, false, false, 3,
         u"Sat | Sun | Mon | Tue | Wed | Thu | Fri\n"
         " |  |  |  |  |  | 1\n"
         "2 | 3 [#b377d7] | 4 | 5 [#b377d7] | 6 | 7 | 8"_s},
        {0, true, false, 13, {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstDay);
        ui().clear();
        const auto month =
            ObjectRegistry::CreateObject(QString::fromLatin1(CLiturgicalMonth::kProgId));
        LateBinding::set(month.get(), "pShowFeast", c.showFeast);
        LateBinding::set(month.get(), "pFeastOnlyOnSundays", c.onlySundays);
        LateBinding::set(month.get(), "pYear", 2024);
        LateBinding::set(month.get(), "pMonth", c.month);
        LateBinding::set(month.get(), "pFirstDay", c.firstDay);
        LateBinding::set(month.get(), "pVkIniFile", iniFile);
        const bool exported = LateBinding::call(month.get(), "ExportToWord", {0}).toBool();
        EXPECT_EQ(exported, !c.text.isEmpty());
        EXPECT_EQ(ui().messageBoxes().size(), c.text.isEmpty() ? 1 : 0);
        if (!exported)
            continue;
        const QString file = path(u"month%1.odt"_s.arg(++n));
        LateBinding::call(LateBinding::getObject(month.get(), "pDocument"), "SaveAs", {file});
        EXPECT_EQ(odtText(file).split(u'\n').mid(1, 3).join(u'\n'), c.text);
    }
}

} // namespace

#include "HostExportTest.moc"

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HostCommands.h"

#include "app/PrinterIcon.h"
#include "app/SSActiveToolBars.h"
#include "support/ComponentInfo.h"

#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStyle>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Whether two pages are the same to the eye: the dialog gives the margins back in its own
// unit, rounded (20 mm as 0.79 in), so they may differ by a point.
bool samePage(const QPageLayout& a, const QPageLayout& b) {
    constexpr double kPointsApart = 1.0;
    const QMarginsF d = a.margins(QPageLayout::Point) - b.margins(QPageLayout::Point);
    return a.orientation() == b.orientation() && a.pageSize().isEquivalentTo(b.pageSize()) &&
           qAbs(d.left()) <= kPointsApart && qAbs(d.top()) <= kPointsApart &&
           qAbs(d.right()) <= kPointsApart && qAbs(d.bottom()) <= kPointsApart;
}

struct Tool {
    const char* id;
    const char* text;
    const char* menu; // the menu that also carries the tool
    QStyle::StandardPixmap icon;
    const char* theme;
    QKeySequence::StandardKey key;
    const char* shortcut; // when the desktop has no standard key for it
};

// The host's tools, in toolbar order; the component enables and dispatches those it knows.
constexpr Tool kTools[] = {
    {"ID_PRINT", QT_TRANSLATE_NOOP("HostCommands", "&Print..."),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_DialogSaveButton, "document-print",
     QKeySequence::Print, nullptr},
    {"ID_PREVIEW", QT_TRANSLATE_NOOP("HostCommands", "Print Pre&view..."),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_FileDialogContentsView,
     "document-print-preview", QKeySequence::UnknownKey, "Ctrl+Shift+P"},
    {"ID_PAGE_SETUP", QT_TRANSLATE_NOOP("HostCommands", "Page Set&up..."),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_FileDialogDetailedView,
     "document-page-setup", QKeySequence::UnknownKey, nullptr},
    {"OPEN_IN_MS_WORD", QT_TRANSLATE_NOOP("HostCommands", "Open in &Word Processor"),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_FileIcon, "x-office-document",
     QKeySequence::UnknownKey, nullptr},
    {"ID_SEND", QT_TRANSLATE_NOOP("HostCommands", "&Send by E-mail..."),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_ArrowForward, "mail-send",
     QKeySequence::UnknownKey, nullptr},
    {"ID_NEW_EMAIL", QT_TRANSLATE_NOOP("HostCommands", "New &E-mail"),
     QT_TRANSLATE_NOOP("HostCommands", "&File"), QStyle::SP_FileDialogNewFolder, "mail-message-new",
     QKeySequence::UnknownKey, nullptr},
    {"ID_VK_LITURGY_CALENDAR_NEW_SERVICE", QT_TRANSLATE_NOOP("HostCommands", "&New Service..."),
     QT_TRANSLATE_NOOP("HostCommands", "&Services"), QStyle::SP_FileDialogStart, "appointment-new",
     QKeySequence::New, nullptr},
    {"ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE",
     QT_TRANSLATE_NOOP("HostCommands", "&Recurring Services..."),
     QT_TRANSLATE_NOOP("HostCommands", "&Services"), QStyle::SP_BrowserReload, "view-calendar-week",
     QKeySequence::UnknownKey, nullptr},
    {"ID_SEARCH_ON_WEB", QT_TRANSLATE_NOOP("HostCommands", "Search the &Web for the Day"),
     QT_TRANSLATE_NOOP("HostCommands", "&Help"), QStyle::SP_DriveNetIcon, "system-search",
     QKeySequence::UnknownKey, nullptr},
    {"ID_ABOUT", QT_TRANSLATE_NOOP("HostCommands", "&About"),
     QT_TRANSLATE_NOOP("HostCommands", "&Help"), QStyle::SP_MessageBoxInformation, "help-about",
     QKeySequence::UnknownKey, nullptr},
};

// A menu text as a tool shows it: without its mnemonic and its dots.
QString plain(const QString& text) {
    return QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
}

} // namespace

HostCommands::HostCommands(QMainWindow* window, SSActiveToolBars* toolbar)
    : QObject(window), m_window(window), m_toolbar(toolbar) {
    for (const Tool& t : kTools) {
        // The styles' own icons offer no printer.
        const bool print = qstrcmp(t.id, "ID_PRINT") == 0;
        const QIcon icon =
            QIcon::fromTheme(QString::fromLatin1(t.theme),
                             print ? printerIcon() : window->style()->standardIcon(t.icon));
        QAction* tool = m_toolbar->addAction(icon, QString());
        tool->setObjectName(QString::fromLatin1(t.id));
        if (t.key != QKeySequence::UnknownKey)
            tool->setShortcuts(t.key);
        else if (t.shortcut)
            tool->setShortcut(QKeySequence(QString::fromLatin1(t.shortcut)));
        // Until the component enables its tools, none works.
        tool->setEnabled(false);
    }
    buildMenus();
    retranslate();
}

void HostCommands::retranslate() {
    // The menus are found by their untranslated names.
    for (const Tool& t : kTools) {
        QAction* tool = m_toolbar->findChild<QAction*>(QString::fromLatin1(t.id));
        const QString text = tr(t.text);
        tool->setText(text);
        tool->setIconText(plain(text));
        tool->setToolTip(plain(text));
        m_window->menuBar()->findChild<QMenu*>(QLatin1String(t.menu))->setTitle(tr(t.menu));
    }
    m_window->menuBar()->findChild<QMenu*>(QStringLiteral("&Edit"))->setTitle(tr("&Edit"));
    m_window->findChild<QAction*>(QStringLiteral("copyDayPage"))->setText(tr("&Copy Day Page"));
    m_window->findChild<QAction*>(QStringLiteral("quit"))->setText(tr("&Quit"));
}

HostCommands::~HostCommands() = default;

QPrinter& HostCommands::printer() {
    // Made at the first page set-up: a printer loads the print system, which a start without
    // printing has no use for.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void HostCommands::buildMenus() {
    QMenu* menu = nullptr;
    QString current;
    for (const Tool& t : kTools) {
        if (current != QLatin1String(t.menu)) {
            current = QLatin1String(t.menu);
            menu = m_window->menuBar()->findChild<QMenu*>(current);
            if (!menu) {
                menu = m_window->menuBar()->addMenu(QString());
                menu->setObjectName(current);
            }
        }
        menu->addAction(m_toolbar->findChild<QAction*>(QString::fromLatin1(t.id)));
    }
    // Copy is the day page's own: a text field with the focus copies its own selection first.
    QMenu* edit = m_window->menuBar()->addMenu(QString());
    edit->setObjectName(QStringLiteral("&Edit"));
    m_window->menuBar()->insertMenu(
        m_window->menuBar()->findChild<QMenu*>(QStringLiteral("&Services"))->menuAction(), edit);
    QAction* copy = edit->addAction(QString(), this, [this] {
        if (m_served.copy)
            m_served.copy();
    });
    copy->setObjectName(QStringLiteral("copyDayPage"));
    copy->setShortcuts(QKeySequence::Copy);
    QMenu* file = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
    file->addSeparator();
    QAction* quit = file->addAction(QString(), m_window, &QMainWindow::close);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcuts(QKeySequence::Quit);
}

void HostCommands::tagTools(qint32 handle) {
    for (QAction* tool : m_toolbar->actions())
        tool->setData(handle);
}

bool HostCommands::serve(const QString& id) {
    if (id == QLatin1String("ID_PAGE_SETUP")) {
        // The dialog edits the kept printer, so the choice stays for the next print. It starts
        // from the orientation and margins that the next print would use, on the printer's
        // paper; OK without a change chooses nothing, so each print keeps its own page.
        QPrinter& kept = printer();
        const QPageLayout next =
            m_served.nextPageLayout ? m_served.nextPageLayout() : QPageLayout();
        if (next.isValid()) {
            kept.setPageOrientation(next.orientation());
            kept.setPageMargins(next.margins(), next.units());
        }
        const QPageLayout shown = kept.pageLayout();
        QPageSetupDialog dialog(&kept, m_window);
        if (dialog.exec() == QDialog::Accepted && !samePage(kept.pageLayout(), shown))
            emit pageLayoutChosen(kept.pageLayout());
        return true;
    }
    if (id == QLatin1String("ID_NEW_EMAIL"))
        return QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:")));
    if (id == QLatin1String("ID_ABOUT")) {
        // The version is the build's own (the project's version in CMake).
        const QString version = QStringLiteral("%1.%2.%3")
                                    .arg(ComponentInfo::major())
                                    .arg(ComponentInfo::minor())
                                    .arg(ComponentInfo::revision());
        QMessageBox::about(m_window, tr("About %1").arg(m_window->windowTitle()),
                           tr("%1 %2\nThe church year, its readings and prayers.")
                               .arg(m_window->windowTitle(), version));
        return true;
    }
    if (id == QLatin1String("ID_SEARCH_ON_WEB")) {
        const QString text = m_served.searchText ? m_served.searchText().trimmed() : QString();
        if (text.isEmpty())
            return false;
        QUrl url(QStringLiteral("https://duckduckgo.com/"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("q"), text);
        url.setQuery(query);
        return QDesktopServices::openUrl(url);
    }
    return false;
}

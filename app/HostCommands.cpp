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
    {"ID_PRINT", "&Print...", "&File", QStyle::SP_DialogSaveButton, "document-print",
     QKeySequence::Print, nullptr},
    {"ID_PREVIEW", "Print Pre&view...", "&File", QStyle::SP_FileDialogContentsView,
     "document-print-preview", QKeySequence::UnknownKey, "Ctrl+Shift+P"},
    {"ID_PAGE_SETUP", "Page Set&up...", "&File", QStyle::SP_FileDialogDetailedView,
     "document-page-setup", QKeySequence::UnknownKey, nullptr},
    {"OPEN_IN_MS_WORD", "Open in &Word Processor", "&File", QStyle::SP_FileIcon,
     "x-office-document", QKeySequence::UnknownKey, nullptr},
    {"ID_SEND", "&Send by E-mail...", "&File", QStyle::SP_ArrowForward, "mail-send",
     QKeySequence::UnknownKey, nullptr},
    {"ID_NEW_EMAIL", "New &E-mail", "&File", QStyle::SP_FileDialogNewFolder, "mail-message-new",
     QKeySequence::UnknownKey, nullptr},
    {"ID_VK_LITURGY_CALENDAR_NEW_SERVICE", "&New Service...", "&Services",
     QStyle::SP_FileDialogStart, "appointment-new", QKeySequence::New, nullptr},
    {"ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE", "&Recurring Services...", "&Services",
     QStyle::SP_BrowserReload, "view-calendar-week", QKeySequence::UnknownKey, nullptr},
    {"ID_SEARCH_ON_WEB", "Search the &Web for the Day", "&Help", QStyle::SP_DriveNetIcon,
     "system-search", QKeySequence::UnknownKey, nullptr},
    {"ID_ABOUT", "&About", "&Help", QStyle::SP_MessageBoxInformation, "help-about",
     QKeySequence::UnknownKey, nullptr},
};

QString plain(const char* text) {
    return QString::fromLatin1(text).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
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
        QAction* tool = m_toolbar->addAction(icon, tr(t.text));
        tool->setObjectName(QString::fromLatin1(t.id));
        tool->setIconText(plain(t.text));
        tool->setToolTip(plain(t.text));
        if (t.key != QKeySequence::UnknownKey)
            tool->setShortcuts(t.key);
        else if (t.shortcut)
            tool->setShortcut(QKeySequence(QString::fromLatin1(t.shortcut)));
        // Until the component enables its tools, none works.
        tool->setEnabled(false);
    }
    buildMenus();
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
                menu = m_window->menuBar()->addMenu(tr(t.menu));
                menu->setObjectName(current);
            }
        }
        menu->addAction(m_toolbar->findChild<QAction*>(QString::fromLatin1(t.id)));
    }
    // Copy is the day page's own: a text field with the focus copies its own selection first.
    QMenu* edit = m_window->menuBar()->addMenu(tr("&Edit"));
    m_window->menuBar()->insertMenu(
        m_window->menuBar()->findChild<QMenu*>(QStringLiteral("&Services"))->menuAction(), edit);
    QAction* copy = edit->addAction(tr("&Copy Day Page"), this, [this] {
        if (m_copy)
            m_copy();
    });
    copy->setObjectName(QStringLiteral("copyDayPage"));
    copy->setShortcuts(QKeySequence::Copy);
    QMenu* file = m_window->menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), m_window, &QMainWindow::close);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcuts(QKeySequence::Quit);
}

void HostCommands::tagTools(qint32 handle) {
    for (QAction* tool : m_toolbar->actions())
        tool->setData(handle);
}

void HostCommands::setCopy(std::function<void()> copy) {
    m_copy = std::move(copy);
}

void HostCommands::setSearchSource(std::function<QString()> source) {
    m_searchSource = std::move(source);
}

bool HostCommands::serve(const QString& id) {
    if (id == QLatin1String("ID_PAGE_SETUP")) {
        // The dialog edits the kept printer, so the choice stays for the next print.
        QPageSetupDialog dialog(&printer(), m_window);
        if (dialog.exec() == QDialog::Accepted)
            emit pageLayoutChosen(m_printer->pageLayout());
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
        const QString text = m_searchSource ? m_searchSource().trimmed() : QString();
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

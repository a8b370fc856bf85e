// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QMainWindow;
class QPrinter;
class QWidget;
class SSActiveToolBars;

// The host application's commands: the tools of its toolbar with the standard identifiers,
// the same tools in its menus with the desktop's shortcuts, and the commands that the
// component hands back to the host (message 5) that a desktop host serves itself: page set-up,
// a new e-mail, the about box and a web search for the selected day. A click on a tool reaches
// the component only; the component hands back what is the host's, so each click runs once.
class HostCommands : public QObject {
    Q_OBJECT
public:
    HostCommands(QMainWindow* window, SSActiveToolBars* toolbar);
    ~HostCommands() override;

    // Gives every tool the component window's handle: the component enables and dispatches
    // them from then on.
    void tagTools(qint32 handle);
    // Carries out a command handed back by the component; false for one the host does not
    // serve.
    bool serve(const QString& id);
    // What the commands ask of the window they serve.
    struct Window {
        // The text a web search for the selected day looks for.
        std::function<QString()> searchText;
        // What Edit > Copy (Ctrl+C) does: copy the day page in front.
        std::function<void()> copy;
        // The page the next print would use, where Page Setup starts.
        std::function<QPageLayout()> nextPageLayout;
    };
    void serveWindow(Window window) { m_served = std::move(window); }

    // The texts of the tools and menus in the language now installed.
    void retranslate();

    // The printer whose page set-up the user chose; the next Page Setup starts from it.
    QPrinter& printer();

Q_SIGNALS:
    // The user accepted a page set-up: the page the next print is to use.
    void pageLayoutChosen(const QPageLayout& layout);

private:
    void buildMenus();

    QMainWindow* m_window;
    SSActiveToolBars* m_toolbar;
    std::unique_ptr<QPrinter> m_printer;
    Window m_served;
};

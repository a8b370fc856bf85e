// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QMainWindow>
#include <QString>

class HostCommands;
class HostNotify;
class QLabel;
class QLibrary;
class SSActiveToolBars;

// The host application's main window: it loads the component's library, creates the component
// through its class object, embeds the component's window and serves the component's
// messages: the status text (2) in its status bar, the commands handed back to it (5).
class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        QString iniFile;
        qint32 edition = 1;
        QString screenshot; // a PNG to write, then quit
        QDate date;         // the date to start on (invalid: today)
        QDateTime now;      // the moment the component takes as now (invalid: the clock's)
        QString server;     // a database server's connection string: server mode
    };

    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

    // Loads the component and opens its window; false with `error` set when it cannot.
    bool open(const Options& options, QString* error);
    // The component object, reached by member name.
    QObject* component() const { return m_component; }
    // The component's window, embedded in this one.
    QWidget* componentWindow() const { return m_componentWindow; }
    HostNotify* notify() const { return m_notify; }
    SSActiveToolBars* toolbar() const { return m_toolbar; }
    HostCommands* commands() const { return m_commands; }
    // Moves the component's calendars to `date`, as its date field does.
    bool goToDate(const QDate& date);
    // Waits until the component has drawn its panes, then writes the window as a PNG.
    bool saveScreenshot(const QString& file);
    // Shows the window at its size, or maximised where the screen's free area is smaller, so
    // that no edge of it (the status bar, the day pages) lies off the screen.
    void showFitted();

    // The library to load: $LC_COMPONENT_LIBRARY, beside the program, in the library folder
    // of the program's installation (or of the build tree, which has the same layout), the
    // registered one, then the loader's search.
    static QString libraryPath();

    // Runs the window for the command line (no command, --ini, --edition, --screenshot,
    // --date, --server); the process's exit code.
    static int run(int argc, char** argv);
    // Whether the command line asks for the window rather than a command.
    static bool wanted(int argc, char** argv);
    // Whether a window can be shown: a display, or a platform chosen by the environment.
    static bool hasDisplay();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onMessage(qint32 code);
    // The window's own texts and those of its commands in the language now installed.
    void retranslate();
    // File > Export Calendar...: the days and services of a range as an iCalendar file.
    void exportCalendar();
    // The name of the day shown on the readings page.
    QString selectedDayName() const;
    // Copies the day page in front (its selection, or all of it) to the clipboard.
    void copyDayPage() const;

    QLibrary* m_library;
    // The component's status text, kept while menus show their tips.
    QLabel* m_status;
    HostNotify* m_notify;
    SSActiveToolBars* m_toolbar;
    HostCommands* m_commands;
    QObject* m_component = nullptr;
    QWidget* m_componentWindow = nullptr;
    qint32 m_handle = 0;
    Options m_options;
};

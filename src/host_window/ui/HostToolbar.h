// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QMainWindow;
class QObject;
class QToolBar;
class cToolBar;

// The toolbar that the host window's commands come from: the host's own toolbar when it hands
// one over, else the window's tools. Clicking a tool runs the window's command of that name;
// the window's own tools are tagged with its handle, so that only they are switched on and off
// when a host toolbar is attached and freed.
class HostToolbar {
public:
    using Command = std::function<void(const QString& id)>;
    // Builds the window's own tools in `window`, hidden until they are the ones in use; a
    // click on a tool of the toolbar in use runs `command` with its identifier.
    HostToolbar(QMainWindow& window, Command command);

    QToolBar* own() const { return m_own; }
    QObject* inUse() const { return m_inUse; }
    // Makes `toolbar` (or none) the one whose clicks reach the window.
    void use(QObject* toolbar);
    // Once the window has its handle: tags the window's own tools with it, uses them unless
    // the host attached its toolbar, and gives the record of the toolbar in use.
    std::unique_ptr<cToolBar> start(qint32 handle, qint32 user, qint32 version);

    // The host's toolbar from the notify object's "pParam", when it is one; then the window's
    // tools on it are switched on. Throws when the host's toolbar cannot be reached.
    void attach(QObject* notify);
    // Enables and disables the tools of the toolbar in use after their commands' rules.
    void setCommandStatus(bool dayPagePending);
    // Switches the window's tools off and lets the toolbar go.
    void free();
    // Says on the window's print, preview and word-processor tools what they act on now:
    // "Print: December 2026".
    void describeOutput(const QString& text);
    // The window's own tools in the language now installed, and the tips of the tools in use
    // taken again from the host's (which it may have translated meanwhile).
    void retranslate();

private:
    void enableOwnTools(bool enable);
    void showOutput();

    QMainWindow& m_window;
    Command m_command;
    qint32 m_handle = 0;
    QString m_output;
    QToolBar* m_own = nullptr; // a child of the window
    QPointer<QObject> m_inUse;
};

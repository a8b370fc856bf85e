// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>

class QObject;

// The host toolbar's command identifiers: what the host window does with a clicked tool and
// how a status update sets the tool. Identifiers compare exactly, letter case included.
namespace mCommands {

enum class Dispatch { Ignore, Print, Forward, Word, Send, NewService };
enum class Status { Untouched, Enable, Disable, EnableWhenDayPage };

Dispatch dispatchOf(const QString& id);
// Carries out the tool `id` through the window's methods reached by name ("doPrint",
// "sendCommand", ...), as a host reaches them; false for a tool that does nothing here.
bool carryOut(QObject* window, const QString& id);
Status statusOf(const QString& id);
// A tool of the window's own toolbar: its identifier, caption and icon name of the theme.
struct Tool {
    const char* id;
    const char* text;
    const char* theme;
};
// The window's own tools, which it shows when the host gives no toolbar.
QList<Tool> windowTools();

// Every identifier of the table (without the "ID_URL" / "ID_MS_" families), in table order.
QStringList knownIdentifiers();

} // namespace mCommands

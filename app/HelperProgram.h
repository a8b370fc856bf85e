// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The component's helper programs (libexec/VoVoruzevUdadudar/ beside an installation, or the
// build tree's), to which the front program hands a command line so that it loads no library
// that the command does not need.
namespace HelperProgram {

// Replaces this process with the helper `name` on the same arguments; returns (with a message
// naming `what` on standard error and exit code 1) only when it cannot be started.
int exec(const QString& name, const char* what, int argc, char** argv);

} // namespace HelperProgram

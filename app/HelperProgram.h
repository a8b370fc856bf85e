// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <functional>

// The component's helper programs (libexec/VoVoruzevUdadudar/ beside an installation, or the
// build tree's), to which the front program hands a command line so that it loads no library
// that the command does not need.
namespace HelperProgram {

// Replaces this process with the helper `name` on the same arguments. Returns only when it
// cannot be started: then says so on standard error in the edition's language, with `failure`
// (a text of the "HelperProgram" context: %1 the helper's path, %2 the system's reason), hands
// that message to `tell` as well, when given, and returns exit code 1.
int exec(const QString& name, const char* failure, int argc, char** argv,
         const std::function<void(const QString&)>& tell = {});

} // namespace HelperProgram

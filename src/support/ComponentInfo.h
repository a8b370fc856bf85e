// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// Facts about the component module itself: its folder, names and version, as the version
// information of the module gives them.
namespace ComponentInfo {

// The names a user reads: titles where the host gave none, the report's product name.
QString title();       // "Liturgy Calendar"
QString productName(); // "Liturgy Calendar"
// The library's own name, for files and folders, never for a user to read.
QString moduleName();  // "VoVoruzevUdadudar"
QString companyName(); // "Brekka Data as"
int major();
int minor();
int revision();

// The folder of the component's module (the shared library, or the program the core is linked
// into), with a trailing '/'. The environment's override wins when set.
QString folder();

// The environment variable that names the folder of the helper programs instead (tests, which
// run from the build tree with the core linked into themselves).
inline constexpr const char* kHelperFolderVariable = "LC_HELPER_DIR";

// The path of the helper program `name`, which the component starts itself: in the folder the
// environment names, else in the helper folder beside the installed library
// (libexec/VoVoruzevUdadudar/, reached from the library's folder or from a program's; the build
// tree has the same layout). The first candidate when none exists.
QString helperPath(const QString& name);

} // namespace ComponentInfo

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class DiskInterface;

// Where a host finds the component: a manifest in the user's component folder that names the
// class and the library that serves it.
namespace ComponentRegistration {

// The user's component folder, with a trailing '/'.
QString folder();
// The manifest's path.
QString manifestPath();
// The manifest's text for a library path (CR LF lines).
QByteArray manifestText(const QString& libraryPath);
// The library that a manifest names; empty when it names none.
QString libraryOf(const QByteArray& manifest);

// The name to register for the library file `libraryFile`: its run-time name `soname` in the
// same folder when that link leads to the same file (it keeps working after an upgrade
// within the major version, which replaces the file), else the file itself.
QString linkToRegister(const QString& libraryFile, const QString& soname);
// Writes the manifest for `libraryPath`; false (reported) when it cannot be written.
bool registerLibrary(const QString& libraryPath);
bool registerLibrary(const QString& libraryPath, DiskInterface& disk);
// Removes the manifest; false (reported) when it exists and cannot be removed.
bool unregisterLibrary();

} // namespace ComponentRegistration

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Where iCalendar files reach the disk: whole or not at all.
namespace IcsFile {

// Replaces `path` with `bytes`: written beside it, then renamed over it, so that a calendar
// program reading the file never sees half of it. False with `error` set when it cannot.
bool write(const QString& path, const QByteArray& bytes, QString* error);

} // namespace IcsFile

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class HostSession;

// "edition": the edition in use, the dates its liturgy database covers and the files that the
// INI file names, each marked when it is missing.
class EditionCommand {
public:
    static QString run(const HostSession& session);
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class UserInterface;

// The platform pieces that the component reaches beyond Qt: the user interface, the clock and
// the module's folder. The process keeps one in its shared state; tests replace its parts.
struct Environment {
    Environment();
    ~Environment();
    Environment(Environment&&) noexcept;
    Environment& operator=(Environment&&) noexcept;

    // Never null; a headless user interface until a window-based one is installed.
    std::unique_ptr<UserInterface> ui;
    // Current local date and time.
    std::function<QDateTime()> now;
    // When not empty, the component's own folder (with a trailing '/') instead of the module's.
    QString componentFolder;
    // The program that copies users' Access files into SQLite, and the limits of one run.
    // When the program is empty it is looked for beside the component's module.
    QString accessImportProgram;
    int accessImportTimeoutMs = 120000;
    qint64 accessImportMemoryBytes = qint64(1) << 30;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class QWidget;

// The window's first start without a data set: it offers to create the default data set and
// has `make-sample-data` write it while a progress dialog shows each line the generator prints,
// so that a person who started the program from the desktop menu, with no terminal, is never
// left with nothing on screen. The generator runs as a program of its own: the window does not
// link it (nor the libraries it reads the Bible texts with).
class FirstStart {
public:
    // The set to write: its folder, and its years (0: the generator's own range).
    struct Request {
        QString folder;
        int fromYear = 0;
        int toYear = 0;
    };

    // Asks whether to create the set of `request` and, when the person agrees, writes it.
    // True when the set is there; false with `error` set when the person declined or the
    // writing failed (which is then also shown).
    // `title` is the application's, for the dialogs.
    static bool offer(QWidget* parent, const QString& title, const Request& request,
                      QString* error);

    // The question and the progress dialog's title, as the person reads them.
    static QString question(const QString& folder);
    static QString progressTitle();

    // Where the generator is looked for: the folder of the user's programs, reached from the
    // helper folder this program lives in (or the one the environment names).
    static QString generatorPath();
};

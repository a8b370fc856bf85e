// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class QWidget;
struct SampleDataOptions;

// The window's first start without a data set: it offers to create the default data set and
// writes it with the generator's own code while a progress dialog says what it is doing, so
// that a person who started the program from the desktop menu, with no terminal, is never left
// with nothing on screen.
class FirstStart {
public:
    // Asks whether to create the data set of `options` and, when the person agrees, writes it.
    // True when the set is there; false with `error` set when the person declined or the
    // writing failed (which is then also shown).
    // `title` is the application's, for the dialogs.
    static bool offer(QWidget* parent, const QString& title, const SampleDataOptions& options,
                      QString* error);

    // The question and the progress dialog's title, as the person reads them.
    static QString question(const QString& folder);
    static QString progressTitle();
};

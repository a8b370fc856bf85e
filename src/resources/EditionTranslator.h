// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// The texts of the windows and the command line follow the edition's language: the source
// texts are English, and the Norwegian ones come from a Qt translator (built from
// translations/liturgy_nb.ts) that lives on the application object while the Norwegian block
// is selected. Installing or removing it sends every window a LanguageChange event, on which
// the windows set their texts again.
class EditionTranslator {
public:
    // Installs the Norwegian translator when gLanguageOffset selects the Norwegian block and
    // removes it otherwise; does nothing without an application object or when it is already
    // as it should be.
    static void follow();
    // Whether the application translates into Norwegian now.
    static bool installed();
};

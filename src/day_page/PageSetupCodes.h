// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <array>

// The page-setup codes of a printed page's header or footer: "&b" separates the left, centre
// and right parts (one "&b" puts what follows at the right), "&D" is the date, "&p" the page
// number, "&P" the page count, "&w" the page's title, "&u" its address and "&&" an ampersand.
// Any other "&" stays as it is written.
namespace PageSetupCodes {

struct Facts {
    QString date;
    int page = 0;
    int pages = 0;
    QString title;
    QString address;
};

// The left, centre and right texts of `codes`.
std::array<QString, 3> expand(const QString& codes, const Facts& facts);

} // namespace PageSetupCodes

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Failure.h"

// The failures of the simple mail interface, with the numbers its objects report.
namespace MailFailures {

constexpr qint32 kUserAbort = 32001;
constexpr qint32 kLoginFailure = 32003;
constexpr qint32 kInvalidSession = 32053;

inline Failure userAbort() {
    return {kUserAbort, QStringLiteral("User cancelled process")};
}
inline Failure loginFailure() {
    return {kLoginFailure, QStringLiteral("Login has failed")};
}
inline Failure invalidSession() {
    return {kInvalidSession, QStringLiteral("Invalid session")};
}

// The program that opens the user's mail client.
inline QString mailProgram() {
    return QStringLiteral("xdg-email");
}

} // namespace MailFailures

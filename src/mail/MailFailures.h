// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Failure.h"

#include <QCoreApplication>

// The failures of the simple mail interface, with the numbers its objects report.
namespace MailFailures {

constexpr qint32 kUserAbort = 32001;
constexpr qint32 kLoginFailure = 32003;
constexpr qint32 kInvalidSession = 32053;

inline Failure userAbort() {
    return {kUserAbort, QCoreApplication::translate("Failure", "User cancelled process")};
}
inline Failure loginFailure() {
    return {kLoginFailure, QCoreApplication::translate("Failure", "Login has failed")};
}
inline Failure invalidSession() {
    return {kInvalidSession, QCoreApplication::translate("Failure", "Invalid session")};
}

// The program that opens the user's mail client.
inline QString mailProgram() {
    return QStringLiteral("xdg-email");
}

} // namespace MailFailures

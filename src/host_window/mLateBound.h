// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QVariant>

class QObject;

// Late-bound calls on the host's notify object and the facade that report a failure in place:
// a missing member or a failing call goes to the error handler under the running procedure and
// the caller goes on, so one faulty member never silences the messages that follow.
namespace mLateBound {

// Sets a declared property; false (reported) when that fails.
bool setProperty(QObject* object, const char* name, const QVariant& value);
// Reads a declared property; an invalid QVariant (reported) when that fails.
QVariant property(QObject* object, const char* name);
// Calls a method by name; false (reported) when that fails.
bool call(QObject* object, const char* method, const QVariantList& args = {});

} // namespace mLateBound

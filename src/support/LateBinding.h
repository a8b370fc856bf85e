// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QVariant>
#include <QVariantList>

// Members of an object reached by name, as a late-bound automation call reaches them: the
// object's meta-object finds the property or method, and values are converted to the types it
// declares. A member that the object does not have, a value that cannot be converted, or a
// call that does not go through is the failure 438 ("Object doesn't support this property or
// method"), thrown, so that the calling procedure's boundary hands it to the error handler. A
// null object is the failure 91.
namespace LateBinding {

// Writes the declared property `name` (never creates a dynamic property).
void set(QObject* object, const char* name, const QVariant& value);
// Reads the declared property `name`.
QVariant get(const QObject* object, const char* name);
// Reads the declared property `name` that holds an object; the failure 91 when it holds none.
QObject* getObject(const QObject* object, const char* name);
// Calls the public method `name` (a slot or an invokable) whose parameters take `args`, and
// returns its result (an invalid QVariant for a method without one).
QVariant call(QObject* object, const char* name, const QVariantList& args = {});

// The object that a value holds (a pointer to a QObject or one of its subclasses); null when it
// holds none.
QObject* objectOf(const QVariant& value);

} // namespace LateBinding

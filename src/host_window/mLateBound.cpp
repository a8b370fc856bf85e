// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/mLateBound.h"

#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/ProcScope.h"

namespace mLateBound {

namespace {

template <class Body> bool reported(Body&& body) {
    try {
        body();
        return true;
    } catch (const Failure& failure) {
        ProcScope::handle(failure);
    }
    return false;
}

} // namespace

bool setProperty(QObject* object, const char* name, const QVariant& value) {
    return reported([&] { LateBinding::set(object, name, value); });
}

QVariant property(QObject* object, const char* name) {
    QVariant value;
    reported([&] { value = LateBinding::get(object, name); });
    return value;
}

bool call(QObject* object, const char* method, const QVariantList& args) {
    return reported([&] { LateBinding::call(object, method, args); });
}

} // namespace mLateBound

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// The process-wide table of programmatic identifiers ("VkLiturgicalDay.cVkLiturgicalDay", ...)
// and the factories that create their objects. Identifiers match without regard to letter
// case, as automation identifiers do. Nothing registers itself: the process (the application,
// the facade, a test) registers what it offers before the first creation.
namespace ObjectRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;

// Sets the factory of `progId` and returns the one it replaces (empty when there was none),
// so that a test can put it back. An empty factory removes the identifier.
Factory registerFactory(const QString& progId, Factory factory);
// Whether `progId` has a factory.
bool isRegistered(const QString& progId);
// A new object of `progId`. An identifier without a factory, or a factory that gives nothing,
// is the failure 429, thrown. A factory may throw a failure of its own that says what the user
// is to install.
std::unique_ptr<QObject> CreateObject(const QString& progId);

} // namespace ObjectRegistry

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ObjectRegistry.h"

#include "support/Failure.h"

#include <QHash>

namespace ObjectRegistry {
namespace {

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> table;
    return table;
}

QString keyOf(const QString& progId) {
    // Names are ASCII: folding them is lowering their capitals, without the Unicode tables.
    QString key = progId;
    for (QChar& c : key) {
        if (c.unicode() >= 0x80)
            return progId.toCaseFolded();
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

} // namespace

Factory registerFactory(const QString& progId, Factory factory) {
    QHash<QString, Factory>& table = factories();
    Factory previous = table.take(keyOf(progId));
    if (factory)
        table.insert(keyOf(progId), std::move(factory));
    return previous;
}

bool isRegistered(const QString& progId) {
    return factories().contains(keyOf(progId));
}

std::unique_ptr<QObject> CreateObject(const QString& progId) {
    const auto found = factories().constFind(keyOf(progId));
    if (found == factories().constEnd())
        throw Failure::cannotCreateObject(progId);
    std::unique_ptr<QObject> object = found.value()();
    if (!object)
        throw Failure::cannotCreateObject(progId);
    return object;
}

} // namespace ObjectRegistry

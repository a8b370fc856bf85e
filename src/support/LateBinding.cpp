// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/LateBinding.h"

#include "support/Failure.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <array>
#include <optional>
#include <unordered_map>

namespace LateBinding {
namespace {

constexpr int kMaxArguments = 10;

QString memberText(const QObject* object, const char* name) {
    return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char('.') +
           QString::fromLatin1(name);
}

void requireObject(const QObject* object, const char* name) {
    if (!object)
        throw Failure::objectNotSet(QString::fromLatin1(name));
}

// Where the members found are kept: by class, name and number of parameters (-1 for a
// property).
struct MethodKey {
    const QMetaObject* meta;
    QByteArray name;
    int parameterCount;
};
// Looked up without copying the name: most calls find their entry.
struct MethodKeyView {
    const QMetaObject* meta;
    QByteArrayView name;
    int parameterCount;
};
struct MethodKeyHash {
    using is_transparent = void;
    size_t operator()(const MethodKeyView& key) const {
        return qHash(key.name, size_t(quintptr(key.meta))) ^ size_t(key.parameterCount);
    }
    size_t operator()(const MethodKey& key) const {
        return (*this)(MethodKeyView{key.meta, key.name, key.parameterCount});
    }
};
struct MethodKeyEqual {
    using is_transparent = void;
    static MethodKeyView view(const MethodKey& key) {
        return {key.meta, key.name, key.parameterCount};
    }
    static MethodKeyView view(const MethodKeyView& key) { return key; }
    template <class A, class B> bool operator()(const A& a, const B& b) const {
        const MethodKeyView x = view(a);
        const MethodKeyView y = view(b);
        return x.meta == y.meta && x.parameterCount == y.parameterCount && x.name == y.name;
    }
};
// The property `name` of a class; nothing when it has none. A class's properties never change,
// so each name is looked up once per class.
const std::optional<QMetaProperty>& propertyNamed(const QMetaObject* meta, const char* name) {
    // Per thread, like the rest of the component's shared state.
    thread_local std::unordered_map<MethodKey, std::optional<QMetaProperty>, MethodKeyHash,
                                    MethodKeyEqual>
        cache;
    const auto found = cache.find(MethodKeyView{meta, QByteArrayView(name), -1});
    if (found != cache.end())
        return found->second;
    const int index = meta->indexOfProperty(name);
    std::optional<QMetaProperty> property;
    if (index >= 0)
        property = meta->property(index);
    return cache.emplace(MethodKey{meta, QByteArray(name), -1}, property).first->second;
}

QMetaProperty propertyOf(const QObject* object, const char* name) {
    requireObject(object, name);
    const std::optional<QMetaProperty>& property = propertyNamed(object->metaObject(), name);
    if (!property)
        throw Failure::memberNotSupported(memberText(object, name));
    return *property;
}

// The arguments converted to the parameter types of `method`; false when one cannot be.
bool convertArguments(const QMetaMethod& method, const QVariantList& args,
                      QVariantList* converted) {
    converted->clear();
    for (int i = 0; i < args.size(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        if (type.id() == QMetaType::QVariant) {
            converted->append(QVariant::fromValue(args.at(i)));
            continue;
        }
        QVariant value = args.at(i);
        if (value.metaType() != type && !value.convert(type))
            return false;
        converted->append(value);
    }
    return true;
}

// The public slots and invokable methods of a class that have this name and number of
// parameters, by index. A class's methods never change, so the search runs once per class,
// name and count.
const QList<int>& methodsNamed(const QMetaObject* meta, const char* name, int parameterCount) {
    // Per thread, like the rest of the component's shared state.
    thread_local std::unordered_map<MethodKey, QList<int>, MethodKeyHash, MethodKeyEqual> cache;
    const auto found = cache.find(MethodKeyView{meta, QByteArrayView(name), parameterCount});
    if (found != cache.end())
        return found->second;
    MethodKey key{meta, QByteArray(name), parameterCount};
    QList<int> indexes;
    for (int m = 0; m < meta->methodCount(); ++m) {
        const QMetaMethod method = meta->method(m);
        if (method.name() == key.name && method.access() == QMetaMethod::Public &&
            method.parameterCount() == parameterCount &&
            (method.methodType() == QMetaMethod::Method ||
             method.methodType() == QMetaMethod::Slot))
            indexes.append(m);
    }
    return cache.emplace(std::move(key), std::move(indexes)).first->second;
}

} // namespace

QObject* objectOf(const QVariant& value) {
    if (!value.isValid() || !(value.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return *static_cast<QObject* const*>(value.constData());
}

void set(QObject* object, const char* name, const QVariant& value) {
    const QMetaProperty property = propertyOf(object, name);
    if (!property.isWritable() || !property.write(object, value))
        throw Failure::memberNotSupported(memberText(object, name));
}

QVariant get(const QObject* object, const char* name) {
    const QMetaProperty property = propertyOf(object, name);
    if (!property.isReadable())
        throw Failure::memberNotSupported(memberText(object, name));
    return property.read(object);
}

QObject* getObject(const QObject* object, const char* name) {
    QObject* held = objectOf(get(object, name));
    if (!held)
        throw Failure::objectNotSet(memberText(object, name));
    return held;
}

QVariant call(QObject* object, const char* name, const QVariantList& args) {
    requireObject(object, name);
    if (args.size() > kMaxArguments)
        throw Failure::memberNotSupported(memberText(object, name));
    for (const int index : methodsNamed(object->metaObject(), name, int(args.size()))) {
        const QMetaMethod method = object->metaObject()->method(index);
        QVariantList converted;
        if (!convertArguments(method, args, &converted))
            continue;
        std::array<QGenericArgument, kMaxArguments> generic{};
        for (int i = 0; i < converted.size(); ++i) {
            // A QVariant parameter points at the variant held inside, any other at its data.
            generic[i] =
                QGenericArgument(method.parameterMetaType(i).name(), converted.at(i).constData());
        }
        const QMetaType returnType = method.returnMetaType();
        QVariant result;
        bool invoked = false;
        if (returnType.id() == QMetaType::Void || !returnType.isValid()) {
            invoked = method.invoke(object, Qt::DirectConnection, generic[0], generic[1],
                                    generic[2], generic[3], generic[4], generic[5], generic[6],
                                    generic[7], generic[8], generic[9]);
        } else if (returnType.id() == QMetaType::QVariant) {
            invoked = method.invoke(object, Qt::DirectConnection,
                                    QGenericReturnArgument(method.typeName(), &result), generic[0],
                                    generic[1], generic[2], generic[3], generic[4], generic[5],
                                    generic[6], generic[7], generic[8], generic[9]);
        } else {
            result = QVariant(returnType);
            invoked = method.invoke(object, Qt::DirectConnection,
                                    QGenericReturnArgument(method.typeName(), result.data()),
                                    generic[0], generic[1], generic[2], generic[3], generic[4],
                                    generic[5], generic[6], generic[7], generic[8], generic[9]);
        }
        if (!invoked)
            throw Failure::memberNotSupported(memberText(object, name));
        return result;
    }
    throw Failure::memberNotSupported(memberText(object, name));
}

} // namespace LateBinding

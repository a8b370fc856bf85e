// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "component/cClassObject.h"

#include "component/cVoVoruzevUdadudar.h"
#include "content/ContentComponents.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "host_window/DocumentComponents.h"
#include "mail/MailComponents.h"
#include "services/ui/QtServiceDialogs.h"
#include "support/ObjectRegistry.h"

#include <QHash>
#include <QPointer>

namespace {

// What the host's registrations replaced, by identifier in lower case, to give back.
QHash<QString, ObjectRegistry::Factory>& replaced() {
    static auto* factories = new QHash<QString, ObjectRegistry::Factory>;
    return *factories;
}

} // namespace

cClassObject& cClassObject::instance() {
    static cClassObject* object = new cClassObject;
    return *object;
}

bool cClassObject::serves(const QString& name) {
    return name.compare(QLatin1String(kProgId), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String(kClassName), Qt::CaseInsensitive) == 0;
}

QObject* cClassObject::CreateInstance() {
    return createInstance();
}

cVoVoruzevUdadudar* cClassObject::createInstance() {
    return new cVoVoruzevUdadudar;
}

void cClassObject::registerOwnComponents() {
    static const bool registered = [] {
        registerContentComponents();
        cZiRivedUvuridu::registerComponent();
        registerMailComponents();
        registerDocumentComponents();
        QtServiceDialogs::registerComponent();
        return true;
    }();
    Q_UNUSED(registered);
}

bool cClassObject::RegisterClassObject(const QString& progId, QObject* classObject) {
    registerOwnComponents();
    const QString key = progId.trimmed().toLower();
    if (key.isEmpty())
        return false;
    if (!classObject) {
        if (replaced().contains(key))
            ObjectRegistry::registerFactory(progId, replaced().take(key));
        return true;
    }
    if (classObject->metaObject()->indexOfMethod("CreateInstance()") < 0)
        return false;
    const QPointer<QObject> source(classObject);
    ObjectRegistry::Factory previous =
        ObjectRegistry::registerFactory(progId, [source]() -> std::unique_ptr<QObject> {
            QObject* object = nullptr;
            if (source)
                QMetaObject::invokeMethod(source, "CreateInstance", Qt::DirectConnection,
                                          Q_RETURN_ARG(QObject*, object));
            return std::unique_ptr<QObject>(object);
        });
    if (!replaced().contains(key))
        replaced().insert(key, std::move(previous));
    return true;
}

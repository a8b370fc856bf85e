#include "component/cClassObject.h"

#include "component/cVoVoruzevUdadudar.h"

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

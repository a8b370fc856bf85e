// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The exported entry points of libVoVoruzevUdadudar.so.
#include "component/ComponentRegistration.h"
#include "component/VoVoruzevUdadudar.h"
#include "component/cClassObject.h"
#include "component/cVoVoruzevUdadudar.h"
#include "controls/ui/cWindowList.h"
#include "support/SharedState.h"
#include "support/ui/QtUserInterface.h"

#include <QApplication>
#include <QFileInfo>
#include <dlfcn.h>

namespace {

// The path of this library, from the loader, by its run-time name.
QString libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    return ComponentRegistration::linkToRegister(
        QFileInfo(QFile::decodeName(info.dli_fname)).canonicalFilePath(),
        QStringLiteral(LC_COMPONENT_SONAME));
}

// A host with windows gets message boxes, the wait pointer and the clipboard of Qt Widgets.
void installWindowUserInterface() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (dynamic_cast<QtUserInterface*>(shared().env.ui.get()))
        return;
    shared().env.ui = std::make_unique<QtUserInterface>();
}

} // namespace

extern "C" {

int32_t DllRegisterServer(void) {
    return ComponentRegistration::registerLibrary(libraryPath()) ? LC_S_OK : LC_SELFREG_E_CLASS;
}

int32_t DllUnregisterServer(void) {
    return ComponentRegistration::unregisterLibrary() ? LC_S_OK : LC_SELFREG_E_CLASS;
}

int32_t DllGetClassObject(const char* className, void** classObject) {
    if (!classObject)
        return LC_E_POINTER;
    *classObject = nullptr;
    if (!className || !cClassObject::serves(QString::fromUtf8(className)))
        return LC_CLASS_E_CLASSNOTAVAILABLE;
    installWindowUserInterface();
    *classObject = static_cast<QObject*>(&cClassObject::instance());
    return LC_S_OK;
}

int32_t DllCanUnloadNow(void) {
    return cVoVoruzevUdadudar::instanceCount() == 0 && cWindowList::count() == 0 ? LC_S_OK
                                                                                 : LC_S_FALSE;
}

void* VoVoruzevUdadudarWindow(int32_t handle) {
    return cWindowList::find(handle);
}

void VoVoruzevUdadudarSetNow(int64_t msecsSinceEpoch) {
    if (msecsSinceEpoch == 0) {
        shared().env.now = [] { return QDateTime::currentDateTime(); };
        return;
    }
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    shared().env.now = [now] { return now; };
}

} // extern "C"

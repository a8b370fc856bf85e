// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>

class cVoVoruzevUdadudar;

// The class object that the entry point hands out: it creates instances of the component's
// class. One exists per process.
class cClassObject : public QObject {
    Q_OBJECT
public:
    // The programmatic identifier and the class name it serves.
    static constexpr const char* kProgId = "VoVoruzevUdadudar.cVoVoruzevUdadudar";
    static constexpr const char* kClassName = "cVoVoruzevUdadudar";

    static cClassObject& instance();
    // Whether `name` (the programmatic identifier or the class name) names this class.
    static bool serves(const QString& name);

    // A new instance, owned by the caller.
    Q_INVOKABLE QObject* CreateInstance();
    cVoVoruzevUdadudar* createInstance();

    // Lets the host serve an outside component that the component creates by programmatic
    // identifier: each new object comes from the invokable CreateInstance() of `classObject`
    // and belongs to the component. A null class object gives the identifier back to the
    // component's own replacement (or to none). False for an empty identifier or a class
    // object without CreateInstance().
    Q_INVOKABLE bool RegisterClassObject(const QString& progId, QObject* classObject);

    // Registers the component's own replacements of outside components (readings, content
    // links, recurring services), once per process.
    static void registerOwnComponents();

private:
    cClassObject() = default;
};

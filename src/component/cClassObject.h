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

private:
    cClassObject() = default;
};

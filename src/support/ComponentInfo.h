#pragma once

#include <QString>

// Facts about the component module itself: its folder, names and version, as the version
// information of the module gives them.
namespace ComponentInfo {

QString title();       // "VoVoruzevUdadudar"
QString productName(); // "VoVoruzevUdadudar"
QString moduleName();  // "VoVoruzevUdadudar"
QString companyName(); // "Brekka Data as"
int major();
int minor();
int revision();

// The folder of the component's module (the shared library, or the program the core is linked
// into), with a trailing '/'. The environment's override wins when set.
QString folder();

} // namespace ComponentInfo

#include "support/ComponentInfo.h"

#include "support/BuildInfo.h"
#include "support/SharedState.h"

#include <QFileInfo>
#include <dlfcn.h>

namespace ComponentInfo {

QString title() {
    return QStringLiteral("VoVoruzevUdadudar");
}
QString productName() {
    return QStringLiteral("VoVoruzevUdadudar");
}
QString moduleName() {
    return QStringLiteral("VoVoruzevUdadudar");
}
QString companyName() {
    return QStringLiteral("Brekka Data as");
}
int major() {
    return buildinfo::kMajor;
}
int minor() {
    return buildinfo::kMinor;
}
int revision() {
    return buildinfo::kRevision;
}

QString folder() {
    const QString& overridden = shared().env.componentFolder;
    if (!overridden.isEmpty())
        return overridden;
    // The module that holds this code: the shared library, or the program the core is
    // linked into.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&folder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath() + QLatin1Char('/');
}

} // namespace ComponentInfo

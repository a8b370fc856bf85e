#include "component/cVoVoruzevUdadudar.h"

#include "content/ContentComponents.h"
#include "controls/cWindowList.h"
#include "host_window/fHoster.h"
#include "host_window/mLateBound.h"
#include "resources/mMain.h"
#include "services/QtServiceDialogs.h"
#include "support/CErrHandler.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/mGarbageFiles.h"
#include "support/modIni.h"

#include <QPointer>
#include <QWidget>
#include <cmath>

namespace {

int& instances() {
    static int count = 0;
    return count;
}

void ensureSharedObjects() {
    // The readings and content-links components that the day pages create by identifier, and
    // the recurring-services component of the service commands.
    static const bool registered = [] {
        registerContentComponents();
        QtServiceDialogs::registerComponent();
        return true;
    }();
    Q_UNUSED(registered);
    errHandler();
    if (!shared().garbageFiles)
        shared().garbageFiles = std::make_unique<QList<clsGarbageFiles>>();
}

// The language code of the INI file, or `version` when the file gives none.
qint32 languageCode(const QString& iniFile, qint32 version) {
    const QString text =
        modIni::read(iniFile, QStringLiteral("LiturgyCalendar"), QStringLiteral("Language"))
            .trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0) || value > 2147483647.0)
        return version;
    const qint32 code = qint32(std::floor(value));
    return code > 0 ? code : version;
}

} // namespace

cVoVoruzevUdadudar::cVoVoruzevUdadudar(QObject* parent) : QObject(parent) {
    ++instances();
    ensureSharedObjects();
}

cVoVoruzevUdadudar::~cVoVoruzevUdadudar() {
    --instances();
    m_notify = nullptr;
    if (shared().garbageFiles)
        mGarbageFiles::releaseGarbageFiles();
}

int cVoVoruzevUdadudar::instanceCount() {
    return instances();
}

QWidget* cVoVoruzevUdadudar::getForm(qint32 hWnd) {
    return cWindowList::find(hWnd);
}

bool cVoVoruzevUdadudar::mInitialize() {
    ensureSharedObjects();
    ProcScope scope("cVoVoruzevUdadudar.mInitialize");
    bool result = false;
    scope.run([&] {
        const qint32 language = languageCode(m_vkIniFile, m_version);
        if (language == 47)
            shared().gLanguageOffset = 1000;
        else if (language != 39)
            shared().gLanguageOffset = 0;
        shared().gMultiEditionMode = m_version == 1020;
        m_version = mMain::validateVersion(m_version, m_vkIniFile);

        if (m_hWnd != 0) {
            result = getForm(m_hWnd) != nullptr;
            return;
        }

        QPointer<fHoster> window = new fHoster;
        window->setPAppTitle(m_appTitle);
        window->setPVkIniFile(m_vkIniFile);
        window->setPVersion(m_version);
        window->setPApp(this);
        if (m_notify) {
            const qint32 handle = window->hWnd();
            mLateBound::setProperty(m_notify, "pChildhWnd", handle);
            window->setPNotify(m_notify);
            window->mAttachToolbar();
            m_notify = nullptr;
        }
        window->mInitialize();
        if (window)
            m_hWnd = window->hWnd();
        result = m_hWnd > 0;
    });
    return result;
}

bool cVoVoruzevUdadudar::mShow() {
    ProcScope scope("cVoVoruzevUdadudar.mShow");
    bool result = false;
    scope.run([&] {
        if (m_hWnd <= 0)
            return;
        QWidget* window = getForm(m_hWnd);
        if (!window)
            return;
        window->show();
        if (window->isMinimized())
            window->showNormal();
        result = true;
    });
    return result;
}

bool cVoVoruzevUdadudar::mAttachToolbar() {
    ProcScope scope("cVoVoruzevUdadudar.mAttachToolbar");
    bool result = false;
    scope.run([&] {
        if (!m_notify)
            return;
        const qint32 handle = mLateBound::property(m_notify, "pChildhWnd").toInt();
        auto* window = qobject_cast<fHoster*>(getForm(handle));
        if (!window)
            return;
        window->setPNotify(m_notify);
        result = window->mAttachToolbar();
    });
    m_notify = nullptr;
    return result;
}

bool cVoVoruzevUdadudar::mFreeToolbar(qint32 hWnd) {
    ProcScope scope("cVoVoruzevUdadudar.mFreeToolbar");
    bool result = false;
    scope.run([&] {
        if (auto* window = qobject_cast<fHoster*>(getForm(hWnd)))
            result = window->mFreeToolbar();
    });
    return result;
}

bool cVoVoruzevUdadudar::mSetCommandStatus(const QString& command) {
    ProcScope scope("cVoVoruzevUdadudar.mSetCommandStatus");
    bool result = false;
    scope.run([&] {
        if (m_hWnd <= 0)
            return;
        if (auto* window = qobject_cast<fHoster*>(getForm(m_hWnd)))
            result = window->mSetCommandStatus(command);
    });
    return result;
}

void cVoVoruzevUdadudar::mKill(qint32 hWnd) {
    bool empty = false;
    {
        ProcScope scope("cVoVoruzevUdadudar.mKill");
        scope.run([&] {
            QList<QPointer<QWidget>> windows;
            for (QWidget* w : cWindowList::windows())
                windows.append(w);
            const int n = int(windows.size()) - 1;
            if (hWnd != 0) {
                for (int i = n; i >= 0; --i) {
                    if (windows[i] && cWindowList::handleOf(windows[i]) == hWnd) {
                        cWindowList::unload(windows[i]);
                        break;
                    }
                }
            } else {
                // Unloading a window also unloads the windows it owns.
                for (int i = n; i >= 0; --i)
                    if (windows[i])
                        cWindowList::unload(windows[i]);
            }
        });
        empty = cWindowList::count() == 0;
    }
    if (!empty)
        return;
    // The last window is gone: release what the component shares process-wide.
    shared().connectionCache.reset();
    mGarbageFiles::releaseGarbageFiles();
    shared().errHandler.reset();
}

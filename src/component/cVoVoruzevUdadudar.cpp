// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "component/cVoVoruzevUdadudar.h"

#include "component/cClassObject.h"
#include "controls/ui/cWindowList.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/fHoster.h"
#include "resources/mMain.h"
#include "support/CErrHandler.h"
#include "support/EditionCode.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/mGarbageFiles.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace {

int& instances() {
    static int count = 0;
    return count;
}

void ensureSharedObjects() {
    // The readings and content-links components that the day pages create by identifier, the
    // messaging objects of the mail and the word processor with the month export.
    cClassObject::registerOwnComponents();
    errHandler();
    if (!shared().garbageFiles)
        shared().garbageFiles = std::make_unique<QList<clsGarbageFiles>>();
}

// Without its INI file, or without a liturgy database named in it, the window could show
// nothing but a cascade of failures; the host learns the one cause instead.
void requireIniFile(const QString& ini, bool serverMode) {
    if (ini.isEmpty() || !QFileInfo(ini).isFile())
        throw Failure::fileNotFound(
            QCoreApplication::translate("cVoVoruzevUdadudar", "the INI file '%1'").arg(ini));
    if (modIni::isUtf16File(ini))
        throw Failure::invalidCall(
            QCoreApplication::translate("cVoVoruzevUdadudar",
                                        "the INI file '%1' is saved as UTF-16, which "
                                        "cannot be read; save it as UTF-8")
                .arg(ini));
    // The server holds the data in server mode; the edition chooser names the file.
    if (serverMode || shared().gMultiEditionMode)
        return;
    if (modIni::read(ini, QStringLiteral("Files"), QStringLiteral("LiturgyFile"))
            .trimmed()
            .isEmpty())
        throw Failure::invalidCall(
            QCoreApplication::translate(
                "cVoVoruzevUdadudar",
                "the INI file '%1' names no liturgy database (LiturgyFile in [Files])")
                .arg(ini));
}

} // namespace

// The properties that the host sets and reads; only the facade's own code sees them.
struct cVoVoruzevUdadudarPrivate {
    qint32 user = 0;
    qint32 subLanguage = 0;
    QString statusText;
    bool sqlMode = false;
    QPointer<QObject> notify;
    QString connectionString;
    qint32 hWnd = 0;
    QString appTitle;
    qint32 version = 0;
    QString vkIniFile;
};

cVoVoruzevUdadudar::cVoVoruzevUdadudar(QObject* parent)
    : QObject(parent), d(std::make_unique<cVoVoruzevUdadudarPrivate>()) {
    ++instances();
    ensureSharedObjects();
}

cVoVoruzevUdadudar::~cVoVoruzevUdadudar() {
    --instances();
    d->notify = nullptr;
    if (shared().garbageFiles)
        mGarbageFiles::releaseGarbageFiles();
}

qint32 cVoVoruzevUdadudar::pUser() const {
    return d->user;
}
void cVoVoruzevUdadudar::setPUser(qint32 v) {
    d->user = v;
}
qint32 cVoVoruzevUdadudar::pSubLanguage() const {
    return d->subLanguage;
}
void cVoVoruzevUdadudar::setPSubLanguage(qint32 v) {
    d->subLanguage = v;
}
QString cVoVoruzevUdadudar::pStatusText() const {
    return d->statusText;
}
void cVoVoruzevUdadudar::setPStatusText(const QString& v) {
    d->statusText = v;
}
bool cVoVoruzevUdadudar::pSQLMode() const {
    return d->sqlMode;
}
void cVoVoruzevUdadudar::setPSQLMode(bool v) {
    d->sqlMode = v;
}
QObject* cVoVoruzevUdadudar::pNotify() const {
    return d->notify;
}
void cVoVoruzevUdadudar::setPNotify(QObject* v) {
    d->notify = v;
}
QString cVoVoruzevUdadudar::pConnectionString() const {
    return d->connectionString;
}
void cVoVoruzevUdadudar::setPConnectionString(const QString& v) {
    d->connectionString = v;
}
qint32 cVoVoruzevUdadudar::phWnd() const {
    return d->hWnd;
}
void cVoVoruzevUdadudar::setPhWnd(qint32 v) {
    d->hWnd = v;
}
QString cVoVoruzevUdadudar::pAppTitle() const {
    return d->appTitle;
}
void cVoVoruzevUdadudar::setPAppTitle(const QString& v) {
    d->appTitle = v;
    // A host that renames itself while the window is open (its title in the edition's
    // language) is followed by the window, its day pages and the error box.
    if (d->hWnd <= 0)
        return;
    errHandler().setAppTitle(v);
    if (auto* window = qobject_cast<fHoster*>(getForm(d->hWnd)))
        window->setPAppTitle(v);
}
qint32 cVoVoruzevUdadudar::pVersion() const {
    return d->version;
}
void cVoVoruzevUdadudar::setPVersion(qint32 v) {
    d->version = v;
}
QString cVoVoruzevUdadudar::pVkIniFile() const {
    return d->vkIniFile;
}
void cVoVoruzevUdadudar::setPVkIniFile(const QString& v) {
    d->vkIniFile = v;
}

int cVoVoruzevUdadudar::instanceCount() {
    return instances();
}

QWidget* cVoVoruzevUdadudar::getForm(qint32 hWnd) {
    return cWindowList::find(hWnd);
}

bool cVoVoruzevUdadudar::mInitialize() {
    ensureSharedObjects();
    // Failures go to the host's notify object when it takes them, under the host's title.
    if (d->notify)
        errHandler().setHostNotify(d->notify);
    if (!d->appTitle.isEmpty())
        errHandler().setAppTitle(d->appTitle);
    ProcScope scope("cVoVoruzevUdadudar.mInitialize");
    bool result = false;
    scope.run([&] {
        mMain::selectLanguage(d->vkIniFile, d->version);
        shared().gMultiEditionMode = d->version == EditionCode::kMultiEdition;
        d->version = mMain::validateVersion(d->version, d->vkIniFile);

        if (d->hWnd != 0) {
            result = getForm(d->hWnd) != nullptr;
            return;
        }
        requireIniFile(d->vkIniFile, d->sqlMode && !d->connectionString.isEmpty());

        QPointer<fHoster> window = new fHoster;
        window->setPAppTitle(d->appTitle);
        window->setPVkIniFile(d->vkIniFile);
        window->setPVersion(d->version);
        window->setPApp(this);
        // Server mode: a host that sets SQL mode -1 and its connection string has every fill
        // and day page read the server; any other host keeps the INI's files.
        if (d->sqlMode && !d->connectionString.isEmpty()) {
            window->setPSQLMode(true);
            window->setPConnectionString(d->connectionString);
        }
        if (d->notify) {
            const qint32 handle = window->hWnd();
            mLateBound::setProperty(d->notify, "pChildhWnd", handle);
            window->setPNotify(d->notify);
            window->mAttachToolbar();
            d->notify = nullptr;
        }
        window->mInitialize();
        if (window)
            d->hWnd = window->hWnd();
        result = d->hWnd > 0;
    });
    return result;
}

bool cVoVoruzevUdadudar::mShow() {
    ProcScope scope("cVoVoruzevUdadudar.mShow");
    bool result = false;
    scope.run([&] {
        if (d->hWnd <= 0)
            return;
        QWidget* window = getForm(d->hWnd);
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
        if (!d->notify)
            return;
        errHandler().setHostNotify(d->notify);
        const qint32 handle = mLateBound::property(d->notify, "pChildhWnd").toInt();
        auto* window = qobject_cast<fHoster*>(getForm(handle));
        if (!window)
            return;
        window->setPNotify(d->notify);
        result = window->mAttachToolbar();
    });
    d->notify = nullptr;
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
        if (d->hWnd <= 0)
            return;
        if (auto* window = qobject_cast<fHoster*>(getForm(d->hWnd)))
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

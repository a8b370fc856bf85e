// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "VoVoruzevUdadudarExport.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;
struct cVoVoruzevUdadudarPrivate;

/// @brief The component's one public class.
///
/// A host creates it, sets its properties and drives it through its operations, by member name
/// (every property is a Q_PROPERTY, every operation Q_INVOKABLE) or through this header
/// (installed with the library). It holds no calendar logic: it opens the host window and finds
/// it again by its handle each time it is called. Every call comes on the thread of the user
/// interface; no operation throws, each returns whether it did its work.
///
/// Calling order: create; set pVkIniFile, pVersion, pAppTitle and pNotify; mInitialize; mShow;
/// set pNotify again and mAttachToolbar; mSetCommandStatus(""); finally mFreeToolbar(phWnd),
/// mKill(0) and delete the instance. The host guide (docs/host-guide.md) has the whole protocol,
/// the notify object's members, the command identifiers and the units.
class VOVORUZEVUDADUDAR_EXPORT cVoVoruzevUdadudar : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(qint32 pSubLanguage READ pSubLanguage WRITE setPSubLanguage)
    Q_PROPERTY(QString pStatusText READ pStatusText WRITE setPStatusText)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(QObject* pNotify READ pNotify WRITE setPNotify)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(qint32 phWnd READ phWnd WRITE setPhWnd)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)

public:
    /// Creates the error handler and the temporary-file list when they do not exist.
    explicit cVoVoruzevUdadudar(QObject* parent = nullptr);
    /// Releases pNotify and the temporary-file list (deleting its files).
    ~cVoVoruzevUdadudar() override;

    /// User number given by the host; stored and returned only.
    qint32 pUser() const;
    void setPUser(qint32 v);
    /// Sub-language number given by the host; stored and returned only.
    qint32 pSubLanguage() const;
    void setPSubLanguage(qint32 v);
    /// The status text, written by the component just before it sends message 2.
    QString pStatusText() const;
    void setPStatusText(const QString& v);
    /// Server mode: true, with pConnectionString, has the window read a PostgreSQL server.
    bool pSQLMode() const;
    void setPSQLMode(bool v);
    /// The host's notify object (pChildhWnd, pParam, pCommand, mMsgFromClient and, optionally,
    /// pPageLayout and mErrorFromClient). Cleared once it has been handed to the window.
    QObject* pNotify() const;
    void setPNotify(QObject* v);
    /// The server's connection string for server mode.
    QString pConnectionString() const;
    void setPConnectionString(const QString& v);
    /// The handle of the component's window (positive), set by mInitialize; 0 before.
    qint32 phWnd() const;
    void setPhWnd(qint32 v);
    /// The host's title: the window's, that of every message box and of the error report.
    QString pAppTitle() const;
    void setPAppTitle(const QString& v);
    /// Edition code; mInitialize replaces it by that of the configured liturgy database
    /// (1020 asks for the edition chooser).
    qint32 pVersion() const;
    void setPVersion(qint32 v);
    /// Full path of the host's INI file, which names the data files.
    QString pVkIniFile() const;
    void setPVkIniFile(const QString& v);

    /// Opens the host window; true when it exists afterwards. False, with a failure naming the
    /// file, when pVkIniFile does not exist or names no liturgy database. A second call
    /// creates no second window.
    Q_INVOKABLE bool mInitialize();
    /// Shows the window (restored when minimised); false without one.
    Q_INVOKABLE bool mShow();
    /// With pNotify set again: takes the toolbar from its pParam and enables the window's tools.
    /// Returns false, as it always has.
    Q_INVOKABLE bool mAttachToolbar();
    /// Disables the tools of the window with handle @p hWnd and lets go of the toolbar.
    Q_INVOKABLE bool mFreeToolbar(qint32 hWnd);
    /// With the empty string: sets the enabled state of every tool the component knows and
    /// returns true. Any other string changes nothing and returns false.
    Q_INVOKABLE bool mSetCommandStatus(const QString& command);
    /// Unloads the window of that handle, or every window of the component for 0; releases the
    /// process-wide state when no window is left.
    Q_INVOKABLE void mKill(qint32 hWnd);

    /// Instances alive in the process.
    static int instanceCount();

private:
    // The first window of the window list with that handle.
    static QWidget* getForm(qint32 hWnd);

    // The properties live behind this pointer, so that the class keeps its size and layout
    // for hosts built against an earlier release.
    std::unique_ptr<cVoVoruzevUdadudarPrivate> d;
};

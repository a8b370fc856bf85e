#pragma once

#include "VoVoruzevUdadudarExport.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;
struct cVoVoruzevUdadudarPrivate;

// The component's one public class. A host creates it, sets its properties and drives it
// through its operations, by member name (every property is a Q_PROPERTY, every operation
// Q_INVOKABLE) or through this header (installed with the library). It holds no calendar logic: it
// opens the host window and finds it again by its handle each time it is called.
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
    // Creates the error handler and the temporary-file list when they do not exist.
    explicit cVoVoruzevUdadudar(QObject* parent = nullptr);
    // Releases pNotify and the temporary-file list (deleting its files).
    ~cVoVoruzevUdadudar() override;

    qint32 pUser() const;
    void setPUser(qint32 v);
    qint32 pSubLanguage() const;
    void setPSubLanguage(qint32 v);
    QString pStatusText() const;
    void setPStatusText(const QString& v);
    bool pSQLMode() const;
    void setPSQLMode(bool v);
    QObject* pNotify() const;
    void setPNotify(QObject* v);
    QString pConnectionString() const;
    void setPConnectionString(const QString& v);
    qint32 phWnd() const;
    void setPhWnd(qint32 v);
    QString pAppTitle() const;
    void setPAppTitle(const QString& v);
    qint32 pVersion() const;
    void setPVersion(qint32 v);
    QString pVkIniFile() const;
    void setPVkIniFile(const QString& v);

    // Opens the host window; true when it exists afterwards.
    Q_INVOKABLE bool mInitialize();
    // Shows the window (restored when minimised); false without one.
    Q_INVOKABLE bool mShow();
    Q_INVOKABLE bool mAttachToolbar();
    Q_INVOKABLE bool mFreeToolbar(qint32 hWnd);
    Q_INVOKABLE bool mSetCommandStatus(const QString& command);
    // Unloads the window of that handle, or every window of the component for 0; releases the
    // process-wide state when no window is left.
    Q_INVOKABLE void mKill(qint32 hWnd);

    // Instances alive in the process.
    static int instanceCount();

private:
    // The first window of the window list with that handle.
    static QWidget* getForm(qint32 hWnd);

    // The properties live behind this pointer, so that the class keeps its size and layout
    // for hosts built against an earlier release.
    std::unique_ptr<cVoVoruzevUdadudarPrivate> d;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The component's one public class. A host creates it, sets its properties and drives it
// through its operations, by member name (every property is a Q_PROPERTY, every operation
// Q_INVOKABLE) or through this header. It holds no calendar logic: it opens the host window
// and finds it again by its handle each time it is called.
class cVoVoruzevUdadudar : public QObject {
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

    qint32 pUser() const { return m_user; }
    void setPUser(qint32 v) { m_user = v; }
    qint32 pSubLanguage() const { return m_subLanguage; }
    void setPSubLanguage(qint32 v) { m_subLanguage = v; }
    QString pStatusText() const { return m_statusText; }
    void setPStatusText(const QString& v) { m_statusText = v; }
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool v) { m_sqlMode = v; }
    QObject* pNotify() const { return m_notify; }
    void setPNotify(QObject* v) { m_notify = v; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& v) { m_connectionString = v; }
    qint32 phWnd() const { return m_hWnd; }
    void setPhWnd(qint32 v) { m_hWnd = v; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& v) { m_appTitle = v; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 v) { m_version = v; }
    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& v) { m_vkIniFile = v; }

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

    qint32 m_user = 0;
    qint32 m_subLanguage = 0;
    QString m_statusText;
    bool m_sqlMode = false;
    QPointer<QObject> m_notify;
    QString m_connectionString;
    qint32 m_hWnd = 0;
    QString m_appTitle;
    qint32 m_version = 0;
    QString m_vkIniFile;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// A minimal host of the liturgy calendar component. It gets the component's class object,
// creates the component, gives it a notify object and a toolbar, embeds its window and prints
// every message and every failure that the component sends.
//
//   minimal-host [--ini FILE] [--unattended]
//
// Without --ini it opens the default data set (liturgy-calendar/liturgy.ini in the user's data
// folder). --unattended runs without anyone at the screen: it clicks the host's tool, asks the
// window for a command by name and quits.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <VoVoruzevUdadudar.h>
#include <cVoVoruzevUdadudar.h>
#include <cstdio>

static void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The notify object: the component writes pChildhWnd and pCommand, reads pParam and calls
// mMsgFromClient, all by name. Because it has mErrorFromClient, the component hands it every
// failure instead of showing a message box.
class Notify : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pChildhWnd MEMBER childhWnd)
    Q_PROPERTY(QVariant pParam MEMBER param)
    Q_PROPERTY(QString pCommand MEMBER command)
public:
    qint32 childhWnd = 0;
    QVariant param;
    QString command;
    cVoVoruzevUdadudar* calendar = nullptr;

    Q_INVOKABLE void mMsgFromClient(qint32 code) {
        if (code == 2)
            say(QStringLiteral("message 2: %1").arg(calendar->pStatusText()));
        else if (code == 5)
            say(QStringLiteral("message 5: %1").arg(command));
        else
            say(QStringLiteral("message %1").arg(code));
    }

    Q_INVOKABLE void mErrorFromClient(qint32 number, const QString& description,
                                      const QString& procedure) {
        say(QStringLiteral("error %1 in %2: %3").arg(number).arg(procedure, description));
    }
};

// The toolbar that the component accepts: its class is named SSActiveToolBars.
class SSActiveToolBars : public QToolBar {
    Q_OBJECT
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    const QStringList args = app.arguments();
    const bool unattended = args.contains(QStringLiteral("--unattended"));
    const qsizetype ini = args.indexOf(QStringLiteral("--ini"));
    const QString iniFile =
        ini > 0 && ini + 1 < args.size()
            ? args.at(ini + 1)
            : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                  QStringLiteral("/liturgy.ini");

    void* classObject = nullptr;
    if (DllGetClassObject("VoVoruzevUdadudar.cVoVoruzevUdadudar", &classObject) != LC_S_OK)
        return 1;
    QObject* instance = nullptr;
    QMetaObject::invokeMethod(static_cast<QObject*>(classObject), "CreateInstance",
                              Q_RETURN_ARG(QObject*, instance));
    auto* calendar = qobject_cast<cVoVoruzevUdadudar*>(instance);
    if (!calendar)
        return 1;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal host"));
    auto* toolbar = new SSActiveToolBars;
    window.addToolBar(toolbar);
    QAction* search = toolbar->addAction(QStringLiteral("Search on the web"));
    search->setObjectName(QStringLiteral("ID_SEARCH_ON_WEB"));

    Notify notify;
    notify.calendar = calendar;
    notify.param = QVariant::fromValue<QObject*>(toolbar);
    calendar->setPVkIniFile(iniFile);
    calendar->setPVersion(1);
    calendar->setPAppTitle(QStringLiteral("Minimal host"));
    calendar->setPNotify(&notify);
    const bool initialized = calendar->mInitialize();
    say(QStringLiteral("mInitialize: %1").arg(initialized));
    if (!initialized) { // no INI file, or none that names a liturgy database: the failure said so
        calendar->mKill(0);
        delete calendar;
        return 1;
    }

    // The component's window, by its handle; the tools that belong to it carry the handle.
    const qint32 handle = calendar->phWnd();
    auto* view = static_cast<QWidget*>(VoVoruzevUdadudarWindow(handle));
    if (view) {
        view->setWindowFlags(Qt::Widget);
        window.setCentralWidget(view);
    }
    search->setData(handle);
    calendar->mShow();
    calendar->setPNotify(&notify); // mInitialize has handed it on and cleared it
    calendar->mAttachToolbar();
    calendar->mSetCommandStatus(QString());
    window.show();

    if (unattended) {
        QTimer::singleShot(0, [&] {
            search->trigger();
            bool done = false;
            if (view)
                QMetaObject::invokeMethod(view, "DoCommand", Q_RETURN_ARG(bool, done),
                                          Q_ARG(QString, QStringLiteral("ID_SEARCH_COMPUTER")));
            window.close();
        });
    }
    const int code = app.exec();
    calendar->mFreeToolbar(handle);
    calendar->mKill(0);
    delete calendar;
    say(QStringLiteral("closed"));
    return code;
}

#include "main.moc"

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HostWindow.h"

#include "app/FirstStart.h"
#include "app/HostCommands.h"
#include "app/HostNotify.h"
#include "app/HostSession.h"
#include "app/SSActiveToolBars.h"
#include "app/SharedStyleIcons.h"
#include "app/WindowProgram.h"
#include "controls/ui/ToolBarOverflow.h"
#include "ical/ui/CalendarExportDialog.h"
#include "resources/EditionTranslator.h"
#include "support/DiskInterface.h"
#include "support/SharedState.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr const char* kProgId = "VoVoruzevUdadudar.cVoVoruzevUdadudar";
// The program's title, in the edition's language; it is the component's pAppTitle too.
constexpr const char* kTitle = QT_TRANSLATE_NOOP("HostWindow", "Liturgy Calendar");
// Rounds of event delivery before a screenshot; the component's deferred layout takes two.
constexpr int kSettleRounds = 4;
// Qt's PNG quality 80 is zlib's compression level 1.
constexpr int kPngQuality = 80;

using GetClassObject = int32_t (*)(const char*, void**);
using WindowOf = void* (*)(int32_t);
using SetNow = void (*)(int64_t);

QString registeredLibrary() {
    const QString manifest = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/Brekka Data as/Components/") +
                             QLatin1String(kProgId) + QStringLiteral(".component");
    QFile f(manifest);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QByteArray l = line.trimmed();
        if (l.toLower().startsWith("library="))
            return QString::fromUtf8(l.mid(8));
    }
    return {};
}

} // namespace

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent), m_library(new QLibrary(this)), m_status(new QLabel(this)),
      m_notify(new HostNotify(this)), m_toolbar(new SSActiveToolBars(this)),
      m_commands(new HostCommands(this, m_toolbar)) {
    m_toolbar->setObjectName(QStringLiteral("hostToolbar"));
    m_toolbar->setMovable(false);
    ToolBarOverflow::name(m_toolbar);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_commands->serveWindow({[this] { return selectedDayName(); }, [this] { copyDayPage(); },
                             [this] { return m_notify->pNextPageLayout(); }});
    m_status->setObjectName(QStringLiteral("statusText"));
    statusBar()->addWidget(m_status, 1);
    connect(m_notify, &HostNotify::message, this, [this](qint32 code) { onMessage(code); });
    connect(m_commands, &HostCommands::pageLayoutChosen, m_notify, &HostNotify::setPPageLayout);
    // File > Export Calendar..., before Quit.
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
    QAction* exportCalendar = new QAction(file);
    exportCalendar->setObjectName(QStringLiteral("exportCalendar"));
    file->insertAction(file->findChild<QAction*>(QStringLiteral("quit")), exportCalendar);
    connect(exportCalendar, &QAction::triggered, this, &HostWindow::exportCalendar);
    retranslate();
}

void HostWindow::retranslate() {
    setWindowTitle(tr(kTitle));
    if (m_component)
        m_component->setProperty("pAppTitle", windowTitle());
    m_toolbar->setWindowTitle(tr("Commands"));
    // "Ready" until the component has said anything.
    if (!m_component || m_component->property("pStatusText").toString().isEmpty())
        m_status->setText(tr("Ready"));
    findChild<QAction*>(QStringLiteral("exportCalendar"))->setText(tr("Export &Calendar..."));
    m_commands->retranslate();
}

void HostWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void HostWindow::exportCalendar() {
    // The edition's language and name for the calendar, read as the commands read them.
    HostSession session;
    session.setServer(m_options.server);
    QString error;
    // The window speaks the language of the edition the component shows, which the chooser
    // may have changed since the start: the export keeps it rather than the host's code's.
    const bool norwegian = EditionTranslator::installed();
    const bool opened = session.open(m_options.iniFile, m_options.edition, &error, false);
    shared().gLanguageOffset = norwegian ? 1000 : 0;
    EditionTranslator::follow();
    if (!opened) {
        QMessageBox::warning(this, tr("Export Calendar"), error);
        return;
    }
    CalendarExportDialog dialog(session.iniFile(), session.server(), session.edition(), this);
    dialog.exec();
}

HostWindow::~HostWindow() {
    if (m_component) {
        QMetaObject::invokeMethod(m_component, "mKill", Qt::DirectConnection, Q_ARG(qint32, 0));
        delete m_component;
        m_component = nullptr;
    }
}

QString HostWindow::libraryPath() {
    // The library's run-time name (with its major version), as the loader knows it.
    const QString name = QStringLiteral(LC_COMPONENT_SONAME);
    const QString fromEnv = qEnvironmentVariable("LC_COMPONENT_LIBRARY");
    if (!fromEnv.isEmpty())
        return fromEnv;
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QLatin1Char('/') + name,
                                     dir + QStringLiteral("/" LC_LIBDIR_FROM_PROGRAM "/") + name}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    const QString registered = registeredLibrary();
    if (!registered.isEmpty() && QFileInfo::exists(registered))
        return registered;
    return name;
}

bool HostWindow::open(const Options& options, QString* error) {
    m_options = options;
    const QString path = libraryPath();
    // A path that names no file: said so, rather than the loader's tries at other names.
    if (path.contains(QLatin1Char('/')) && !QFileInfo::exists(path)) {
        *error = tr("the component's library %1 does not exist").arg(path);
        return false;
    }
    m_library->setFileName(path);
    if (!m_library->load()) {
        *error = tr("cannot load the component %1: %2").arg(path, m_library->errorString());
        return false;
    }
    auto getClassObject = reinterpret_cast<GetClassObject>(m_library->resolve("DllGetClassObject"));
    auto windowOf = reinterpret_cast<WindowOf>(m_library->resolve("VoVoruzevUdadudarWindow"));
    if (!getClassObject || !windowOf) {
        *error = tr("%1 is not the component's library").arg(path);
        return false;
    }
    void* object = nullptr;
    if (getClassObject(kProgId, &object) != 0 || !object) {
        *error = tr("the component's class is not available");
        return false;
    }
    // The component's clock: the moment asked for, else the system's (the library stays loaded
    // from one window to the next).
    auto setNow = reinterpret_cast<SetNow>(m_library->resolve("VoVoruzevUdadudarSetNow"));
    if (!setNow && options.now.isValid()) {
        *error = tr("%1 cannot be given the time").arg(path);
        return false;
    }
    if (setNow)
        setNow(options.now.isValid() ? options.now.toMSecsSinceEpoch() : 0);
    QObject* classObject = static_cast<QObject*>(object);
    QObject* component = nullptr;
    if (!QMetaObject::invokeMethod(classObject, "CreateInstance", Qt::DirectConnection,
                                   Q_RETURN_ARG(QObject*, component)) ||
        !component) {
        *error = tr("the component cannot be created");
        return false;
    }
    m_component = component;
    // The component subscribes to the host's toolbar when it finds it in pParam.
    m_notify->setPParam(QVariant::fromValue<QObject*>(m_toolbar));
    component->setProperty("pVkIniFile", options.iniFile);
    component->setProperty("pVersion", options.edition);
    component->setProperty("pAppTitle", tr(kTitle));
    if (!options.server.isEmpty()) {
        component->setProperty("pSQLMode", true);
        component->setProperty("pConnectionString", options.server);
    }
    component->setProperty("pNotify", QVariant::fromValue<QObject*>(m_notify));
    bool ok = false;
    QMetaObject::invokeMethod(component, "mInitialize", Qt::DirectConnection,
                              Q_RETURN_ARG(bool, ok));
    m_handle = component->property("phWnd").toInt();
    m_componentWindow = static_cast<QWidget*>(windowOf(m_handle));
    if (!ok || !m_componentWindow) {
        *error = tr("the component's window could not be opened");
        return false;
    }
    m_componentWindow->setWindowFlags(Qt::Widget);
    setCentralWidget(m_componentWindow);
    if (options.date.isValid())
        goToDate(options.date);
    QMetaObject::invokeMethod(component, "mShow", Qt::DirectConnection, Q_RETURN_ARG(bool, ok));
    // Every tool carries the component window's handle; attaching enables them. The
    // component dispatches every click and hands back the commands that are the host's.
    m_commands->tagTools(m_handle);
    component->setProperty("pNotify", QVariant::fromValue<QObject*>(m_notify));
    QMetaObject::invokeMethod(component, "mAttachToolbar", Qt::DirectConnection,
                              Q_RETURN_ARG(bool, ok));
    QMetaObject::invokeMethod(component, "mSetCommandStatus", Qt::DirectConnection,
                              Q_RETURN_ARG(bool, ok), Q_ARG(QString, QString()));
    return true;
}

bool HostWindow::goToDate(const QDate& date) {
    return m_componentWindow && QMetaObject::invokeMethod(m_componentWindow, "goToDate",
                                                          Qt::DirectConnection, Q_ARG(QDate, date));
}

bool HostWindow::hasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void HostWindow::onMessage(qint32 code) {
    if (!m_component)
        return;
    switch (code) {
    case 1: {
        bool ok = false;
        QMetaObject::invokeMethod(m_component, "mSetCommandStatus", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, ok), Q_ARG(QString, QString()));
        break;
    }
    case 2:
        m_status->setText(m_component->property("pStatusText").toString());
        break;
    case 5:
        if (!m_commands->serve(m_notify->pCommand()))
            statusBar()->showMessage(
                tr("%1 is not available in this application.").arg(m_notify->pCommand()), 5000);
        break;
    default:
        break;
    }
}

void HostWindow::copyDayPage() const {
    // The component copies the day page in front: its selection, or all of it.
    if (m_componentWindow)
        QMetaObject::invokeMethod(m_componentWindow, "copyDayPage", Qt::DirectConnection);
}

QString HostWindow::selectedDayName() const {
    if (!m_componentWindow)
        return {};
    for (const QWidget* page : m_componentWindow->findChildren<QWidget*>())
        if (page->property("tag").toString() == QLatin1String("4"))
            if (const auto* list = page->findChild<QComboBox*>())
                return list->currentText();
    return {};
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (m_component) {
        QMetaObject::invokeMethod(m_component, "mFreeToolbar", Qt::DirectConnection,
                                  Q_ARG(qint32, m_handle));
        QMetaObject::invokeMethod(m_component, "mKill", Qt::DirectConnection, Q_ARG(qint32, 0));
        delete m_component;
        m_component = nullptr;
        m_componentWindow = nullptr;
    }
    QMainWindow::closeEvent(event);
}

void HostWindow::showFitted() {
    const QScreen* shown = screen();
    const QSize free = shown ? shown->availableGeometry().size() : size();
    // The window manager adds its frame, a title bar above all, only once the window is shown:
    // a window that fits the free area but not with a frame would lose its status bar below.
    constexpr int kFrameWidth = 16;
    constexpr int kFrameHeight = 48;
    if (free.width() < width() + kFrameWidth || free.height() < height() + kFrameHeight) {
        showMaximized();
        return;
    }
    show();
}

bool HostWindow::saveScreenshot(const QString& file) {
    // Let the panes lay themselves out: each round delivers what the one before posted (the
    // layout requests, the component's deferred arrangement of the pane widths); painting is
    // done by grab() itself.
    for (int round = 0; round < kSettleRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    // PNG unless the name asks for another format the image writer knows (an uncompressed .bmp
    // costs no encoding). Light compression: a screenshot is written at once and rarely kept,
    // and the default level takes longer than everything else the picture needs. The picture is
    // made in memory and the file written whole.
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    const bool other = !suffix.isEmpty() && suffix != "png" &&
                       QImageWriter::supportedImageFormats().contains(suffix);
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    QImageWriter writer(&picture, other ? suffix : QByteArray("png"));
    if (!other)
        writer.setQuality(kPngQuality);
    return writer.write(grab().toImage()) &&
           RealDiskInterface::instance().writeFileAtomically(file, picture.data());
}

bool HostWindow::wanted(int argc, char** argv) {
    return WindowProgram::wanted(argc, argv);
}

int HostWindow::run(int argc, char** argv) {
    Options options;
    QTextStream err(stderr);
    for (int i = 1; i < argc; ++i) {
        QString arg = QString::fromLocal8Bit(argv[i]);
        QString value;
        bool hasValue = false;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq > 0) {
            value = arg.mid(eq + 1);
            arg.truncate(eq);
            hasValue = true;
        }
        const bool known = arg == QLatin1String("--ini") || arg == QLatin1String("--edition") ||
                           arg == QLatin1String("--screenshot") || arg == QLatin1String("--date") ||
                           arg == QLatin1String("--server");
        if (!known) {
            err << "liturgy-calendar: unexpected argument '" << argv[i] << "'\n";
            return 2;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                err << "liturgy-calendar: " << arg << " needs a value\n";
                return 2;
            }
            value = QString::fromLocal8Bit(argv[++i]);
        }
        if (arg == QLatin1String("--ini")) {
            options.iniFile = value;
        } else if (arg == QLatin1String("--edition")) {
            bool ok = false;
            options.edition = value.toInt(&ok);
            if (!ok) {
                err << "liturgy-calendar: the edition code '" << value << "' is not a number\n";
                return 2;
            }
        } else if (arg == QLatin1String("--screenshot")) {
            options.screenshot = value;
        } else if (arg == QLatin1String("--server")) {
            if (value.isEmpty()) {
                err << "liturgy-calendar: --server needs a connection string\n";
                return 2;
            }
            options.server = value;
        } else {
            options.date = QDate::fromString(value, Qt::ISODate);
            if (!options.date.isValid()) {
                err << "liturgy-calendar: '" << value << "' is not a date of the form YYYY-MM-DD\n";
                return 2;
            }
        }
    }
    // A picture needs no screen; the window does, and without one Qt would abort.
    if (!options.screenshot.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!hasDisplay()) {
        err << "liturgy-calendar: the window needs a display, and none is set (DISPLAY and "
               "WAYLAND_DISPLAY are empty). Without one, try:\n"
               "  liturgy-calendar month YYYY-MM            the month in the terminal\n"
               "  liturgy-calendar --screenshot FILE.png    a picture of the window\n";
        return 1;
    }

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    SharedStyleIcons::install();
    // The edition's language from the first message on, a failure to start included.
    HostSession::chooseLanguage(options.iniFile, options.edition);
    const QString title = tr(kTitle);

    // Off screen nobody can answer a message: each is written out and closed.
    // A message means that something failed: the picture is still taken, but the run fails.
    QTimer answer;
    int answered = 0;
    QObject::connect(&answer, &QTimer::timeout, &app, [&err, &answered] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            err << "liturgy-calendar: " << box->windowTitle() << ": " << box->text() << '\n';
            err.flush();
            box->done(QMessageBox::Ok);
            ++answered;
        }
    });
    if (!options.screenshot.isEmpty())
        answer.start(0);
    // A failure to start is said on the terminal and, for whoever started the program from the
    // desktop's menu and has none, in a message: what failed and what to do, with the detail
    // for their support behind the message's details.
    const auto cannotStart = [&err, &title](const QString& detail, const QString& advice) {
        err << "liturgy-calendar: " << detail << '\n';
        err.flush();
        QMessageBox box(QMessageBox::Critical, title, advice, QMessageBox::Ok);
        box.setDetailedText(detail);
        box.exec();
        return 1;
    };

    if (options.iniFile.isEmpty()) {
        options.iniFile = HostSession::defaultIniFile(options.edition);
        const QString folder = QFileInfo(options.iniFile).path();
        // A picture has nobody to ask; a person at the window is offered the default set.
        if (!QFileInfo::exists(options.iniFile) && !options.screenshot.isEmpty()) {
            err << "liturgy-calendar: "
                << QCoreApplication::translate(
                       "HostSession",
                       "no data set found; create it with: make-sample-data --out %1")
                       .arg(QDir::toNativeSeparators(folder))
                << '\n';
            return 1;
        }
        if (!QFileInfo::exists(options.iniFile)) {
            FirstStart::Request sample;
            sample.folder = folder;
            QString error;
            if (!FirstStart::offer(nullptr, title, sample, &error)) {
                err << "liturgy-calendar: " << error << '\n';
                return 1;
            }
            options.iniFile = HostSession::defaultIniFile(options.edition);
        }
    } else if (!QFileInfo::exists(options.iniFile)) {
        return cannotStart(
            QCoreApplication::translate("HostSession", "the INI file '%1' does not exist")
                .arg(options.iniFile),
            tr("The program cannot start: the INI file it was given does not exist.\n\n"
               "Check the file name given with --ini."));
    }
    options.iniFile = QFileInfo(options.iniFile).absoluteFilePath();

    HostWindow window;
    window.resize(1280, 800);
    QString error;
    if (!window.open(options, &error)) {
        // Once the component is there, it has said itself why its window did not open.
        if (window.component()) {
            err << "liturgy-calendar: " << error << '\n';
            return 1;
        }
        return cannotStart(error,
                           tr("The program cannot start: its calendar component is missing or "
                              "damaged.\n\nReinstall %1. If the fault remains, give your "
                              "support the details.")
                               .arg(title));
    }
    if (options.screenshot.isEmpty()) {
        window.showFitted();
        return app.exec();
    }
    window.show();
    if (!window.saveScreenshot(options.screenshot)) {
        err << "liturgy-calendar: cannot write " << options.screenshot << '\n';
        return 1;
    }
    window.close();
    return answered > 0 ? 1 : 0;
}

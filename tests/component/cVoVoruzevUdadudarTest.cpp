// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "component/cVoVoruzevUdadudar.h"

#include "../host_window/HostWindowFixture.h"
#include "component/ComponentRegistration.h"
#include "component/cClassObject.h"
#include "content/cVkLiturgicalDay.h"
#include "controls/ui/cWindowList.h"
#include "host_window/ui/fHoster.h"
#include "support/Failure.h"
#include "support/ObjectRegistry.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFile>

class FacadeTest : public HostWindowTest {
protected:
    cVoVoruzevUdadudar* make(qint32 version) {
        auto* c = new cVoVoruzevUdadudar;
        owned.emplace_back(c);
        c->setPVkIniFile(iniFile);
        c->setPVersion(version);
        c->setPAppTitle(QStringLiteral("Host"));
        return c;
    }
    void TearDown() override {
        cVoVoruzevUdadudar killer;
        killer.mKill(0);
        owned.clear();
        HostWindowTest::TearDown();
    }
    std::vector<std::unique_ptr<cVoVoruzevUdadudar>> owned;
};

TEST_F(FacadeTest, MembersAreReachedByName) {
    cVoVoruzevUdadudar c;
    for (const char* name : {"pUser", "pSubLanguage", "pStatusText", "pSQLMode", "pNotify",
                             "pConnectionString", "phWnd", "pAppTitle", "pVersion", "pVkIniFile"})
        EXPECT_GE(c.metaObject()->indexOfProperty(name), 0) << name;
    for (const char* sig : {"mInitialize()", "mShow()", "mAttachToolbar()", "mFreeToolbar(qint32)",
                            "mSetCommandStatus(QString)", "mKill(qint32)"})
        EXPECT_GE(c.metaObject()->indexOfMethod(sig), 0) << sig;
    EXPECT_FALSE(c.mShow());
    EXPECT_FALSE(c.mSetCommandStatus(QString()));
}

TEST_F(FacadeTest, InitializeHandsTheWindowHandleToTheNotifyObjectAndKillClosesIt) {
    iniFile = makeData(QStringLiteral("Velmarka.MDB"));
    cVoVoruzevUdadudar* c = make(1);
    c->setPNotify(&notify);
    ASSERT_TRUE(c->mInitialize());
    EXPECT_GT(c->phWnd(), 0);
    EXPECT_EQ(notify.childhWnd, c->phWnd());
    EXPECT_EQ(c->pNotify(), nullptr);
    EXPECT_EQ(c->pVersion(), 47);
    EXPECT_EQ(shared().gEditionName, QStringLiteral("Velmark Church - A"));
    EXPECT_TRUE(qobject_cast<fHoster*>(cWindowList::find(c->phWnd())));
    // A second initialisation only reports that the window is still there.
    const int windows = cWindowList::count();
    EXPECT_TRUE(c->mInitialize());
    EXPECT_EQ(cWindowList::count(), windows);
    EXPECT_TRUE(c->mShow());
    // The toolbar attachment needs the notify object again, and is false either way.
    EXPECT_FALSE(c->mAttachToolbar());
    c->setPNotify(&notify);
    EXPECT_FALSE(c->mAttachToolbar());
    EXPECT_EQ(c->pNotify(), nullptr);

    // A second window. A handle of no window closes nothing and releases nothing.
    cVoVoruzevUdadudar* b = make(1);
    ASSERT_TRUE(b->mInitialize());
    EXPECT_NE(c->phWnd(), b->phWnd());
    const int both = cWindowList::count();
    EXPECT_GE(both, 2);
    c->mKill(12345);
    EXPECT_EQ(cWindowList::count(), both);
    EXPECT_TRUE(shared().errHandler != nullptr);
    // One window: the other stays, and so do the shared objects.
    c->mKill(c->phWnd());
    EXPECT_EQ(cWindowList::find(c->phWnd()), nullptr);
    EXPECT_NE(cWindowList::find(b->phWnd()), nullptr);
    EXPECT_TRUE(shared().errHandler != nullptr);
    EXPECT_EQ(c->phWnd() != 0, true); // not reset
    // Zero closes every window and releases the shared objects once; a new one starts them again.
    b->mKill(0);
    EXPECT_EQ(cWindowList::count(), 0);
    EXPECT_EQ(shared().errHandler, nullptr);
    EXPECT_EQ(shared().garbageFiles, nullptr);
    EXPECT_EQ(shared().connectionCache, nullptr);
    cVoVoruzevUdadudar* d = make(1);
    EXPECT_TRUE(shared().errHandler != nullptr);
    EXPECT_TRUE(d->mInitialize());
}

// A notify object that takes the component's failures.
class ErrorTakingNotify : public RecordingNotify {
    Q_OBJECT
public:
    Q_INVOKABLE void mErrorFromClient(qint32 number, const QString& description,
                                      const QString& procedure) {
        errors << QStringLiteral("%1 %2: %3").arg(number).arg(procedure, description);
    }
    QStringList errors;
};

// Without its INI file, or with one that names no liturgy database, mInitialize fails with a
// failure that names the file: a host whose notify object takes failures gets it instead of
// the box, any other host the box under its own title; the report is written either way.
TEST_F(FacadeTest, IniFailureGoesToTheHostThatTakesFailuresElseToTheBox) {
    const QString missing = path(QStringLiteral("missing.ini"));
    const QString noDatabase =
        writeFile(QStringLiteral("nodb.ini"), "[Files]\r\nPlanFile=plan.db\r\n");
    const QByteArray wide = "[Files]\r\nLiturgyFile=lit.db\r\n";
    const QString utf16 =
        writeFile(QStringLiteral("utf16.ini"),
                  QByteArray("\xFF\xFE") +
                      QByteArray(reinterpret_cast<const char*>(QString::fromLatin1(wide).utf16()),
                                 wide.size() * 2));
    struct Case {
        QString ini;
        bool takesFailures;
        QString failure; // number and description
    };
    const QList<Case> cases = {
        {missing, true, QStringLiteral("53 File not found: the INI file '%1'").arg(missing)},
        {utf16, true,
         QStringLiteral("5 Invalid procedure call or argument: the INI file '%1' is saved as "
                        "UTF-16, which cannot be read; save it as UTF-8")
             .arg(utf16)},
        {noDatabase, true,
         QStringLiteral("5 Invalid procedure call or argument: the INI file '%1' names no "
                        "liturgy database (LiturgyFile in [Files])")
             .arg(noDatabase)},
        {noDatabase, false,
         QStringLiteral("5 Invalid procedure call or argument: the INI file '%1' names no "
                        "liturgy database (LiturgyFile in [Files])")
             .arg(noDatabase)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.ini.toStdString() + (k.takesFailures ? " taken" : " boxed"));
        ui().clear();
        ErrorTakingNotify taking;
        RecordingNotify plain;
        cVoVoruzevUdadudar* c = make(1);
        c->setPVkIniFile(k.ini);
        c->setPNotify(k.takesFailures ? &taking : &plain);
        EXPECT_FALSE(c->mInitialize());
        EXPECT_EQ(c->phWnd(), 0);

        const QString number = k.failure.section(QLatin1Char(' '), 0, 0);
        const QString description = k.failure.section(QLatin1Char(' '), 1);
        const QString procedure = QStringLiteral("cVoVoruzevUdadudar.mInitialize");
        const QStringList expectedTaken = {number + u' ' + procedure + QStringLiteral(": ") +
                                           description};
        const QStringList expectedBoxes = {
            QStringLiteral("critical ok | Host | ") + description +
            QStringLiteral(" | The following error has occurred in procedure: \r\n") + procedure +
            QStringLiteral(" on line 0\r\nError (") + number + QStringLiteral(") ") + description};
        EXPECT_EQ(taking.errors, k.takesFailures ? expectedTaken : QStringList());
        EXPECT_EQ(boxTexts(ui().messageBoxes()), k.takesFailures ? QStringList() : expectedBoxes);
        EXPECT_EQ(ui().beeps(), k.takesFailures ? 0 : 1);
        const QList<QByteArray> report =
            readFile(path(QStringLiteral("module/ERRORS.TXT"))).split('\n');
        ASSERT_GT(report.size(), 3);
        EXPECT_EQ(report.at(0), "Host Application Error Information\r");
        EXPECT_EQ(report.at(3), "Error String   : " + description.toUtf8() + '\r');
    }
}

TEST_F(FacadeTest, RegistrationWritesAndRemovesTheManifest) {
    ASSERT_TRUE(
        ComponentRegistration::registerLibrary(QStringLiteral("/opt/lc/libVoVoruzevUdadudar.so")));
    EXPECT_EQ(readFile(ComponentRegistration::manifestPath()),
              QByteArray("[Component]\r\nClass=VoVoruzevUdadudar.cVoVoruzevUdadudar\r\n"
                         "Library=/opt/lc/libVoVoruzevUdadudar.so\r\n"));
    EXPECT_TRUE(ComponentRegistration::manifestPath().startsWith(dir()));
    EXPECT_TRUE(ComponentRegistration::unregisterLibrary());
    EXPECT_FALSE(QFile::exists(ComponentRegistration::manifestPath()));
    EXPECT_TRUE(ComponentRegistration::unregisterLibrary());
    // A file where the folder should be: reported (the procedure behind "Show Details"), nothing
    // written.
    ui().clear();
    ASSERT_TRUE(QDir(path(QStringLiteral("data/Brekka Data as"))).removeRecursively());
    writeFile(QStringLiteral("data/Brekka Data as"), "x");
    EXPECT_FALSE(ComponentRegistration::registerLibrary(QStringLiteral("/x.so")));
    bool named = false;
    for (const auto& box : ui().messageBoxes())
        named = named || box.details.contains(QStringLiteral("DllRegisterServer"));
    EXPECT_TRUE(named);
    EXPECT_FALSE(QFile::exists(ComponentRegistration::manifestPath()));

    // The run-time name is registered when it leads to the library file, else the file.
    writeFile(QStringLiteral("lib.so.1.0.1"), "library");
    writeFile(QStringLiteral("other.so.1.0.0"), "another");
    ASSERT_TRUE(
        QFile::link(path(QStringLiteral("lib.so.1.0.1")), path(QStringLiteral("lib.so.1"))));
    ASSERT_TRUE(
        QFile::link(path(QStringLiteral("other.so.1.0.0")), path(QStringLiteral("other.so.1"))));
    struct Case {
        QString file, soname, registered;
    };
    const QList<Case> cases = {
        {QStringLiteral("lib.so.1.0.1"), QStringLiteral("lib.so.1"), QStringLiteral("lib.so.1")},
        {QStringLiteral("lib.so.1.0.1"), QStringLiteral("lib.so.2"),
         QStringLiteral("lib.so.1.0.1")},
        {QStringLiteral("lib.so.1.0.1"), QStringLiteral("other.so.1"),
         QStringLiteral("lib.so.1.0.1")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComponentRegistration::linkToRegister(path(c.file), c.soname), path(c.registered))
            << c.soname.toStdString();
}

TEST_F(FacadeTest, HostServesOutsideComponentsByIdentifier) {
    // A host's class object (here the component's own, which any QObject with an invokable
    // CreateInstance() stands for) serves an identifier until the host gives it back.
    QObject& classObject = cClassObject::instance();
    QObject noFactory;
    const auto registerAs = [&](const QString& progId, QObject* object) {
        bool ok = false;
        EXPECT_TRUE(QMetaObject::invokeMethod(&classObject, "RegisterClassObject",
                                              Qt::DirectConnection, Q_RETURN_ARG(bool, ok),
                                              Q_ARG(QString, progId), Q_ARG(QObject*, object)));
        return ok;
    };
    const auto created = [](const QString& progId) -> QString {
        try {
            return QString::fromLatin1(
                ObjectRegistry::CreateObject(progId)->metaObject()->className());
        } catch (const Failure& failure) {
            return QString::number(failure.number());
        }
    };
    const QString readings = QString::fromLatin1(cVkLiturgicalDay::kProgId);
    const QString word = QStringLiteral("Word.Application");
    make(1); // the component's own replacements are there once it exists
    EXPECT_EQ(created(readings), QStringLiteral("cVkLiturgicalDay"));

    EXPECT_TRUE(registerAs(readings.toUpper(), &classObject));
    EXPECT_TRUE(registerAs(word, &classObject));
    EXPECT_EQ(created(readings), QStringLiteral("cVoVoruzevUdadudar"));
    EXPECT_EQ(created(word), QStringLiteral("cVoVoruzevUdadudar"));
    // A second registration keeps what the first replaced.
    EXPECT_TRUE(registerAs(readings, &classObject));
    EXPECT_FALSE(registerAs(readings, &noFactory));
    EXPECT_FALSE(registerAs(QStringLiteral(" "), &classObject));

    EXPECT_TRUE(registerAs(readings, nullptr));
    EXPECT_TRUE(registerAs(word, nullptr));
    EXPECT_EQ(created(readings), QStringLiteral("cVkLiturgicalDay"));
    EXPECT_EQ(created(word), QStringLiteral("429"));
}

#include "cVoVoruzevUdadudarTest.moc"

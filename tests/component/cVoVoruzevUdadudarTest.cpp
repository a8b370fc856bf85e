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
#include "support/modIni.h"

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
    void modIniWrite(const QString& language) {
        modIni::write(iniFile, QStringLiteral("LiturgyCalendar"), QStringLiteral("Language"),
                      language);
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
    EXPECT_TRUE(c.setProperty("pUser", 7));
    EXPECT_EQ(c.pUser(), 7);
    EXPECT_FALSE(c.mShow());
    EXPECT_FALSE(c.mSetCommandStatus(QString()));
}

TEST_F(FacadeTest, InitializeHandsTheWindowHandleToTheNotifyObject) {
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
}

TEST_F(FacadeTest, LanguageOffsetFromTheIniFileOrTheEdition) {
    iniFile = makeData(QStringLiteral("Brastelo.MDB"));
    struct Case {
        QString language;
        qint32 version;
        qint32 before;
        qint32 offset;
    };
    const QList<Case> cases = {
        {QStringLiteral("47"), 1, 0, 1000},    {QString(), 47, 0, 1000},
        {QStringLiteral("0"), 47, 0, 1000},    {QStringLiteral("abc"), 1, 1000, 0},
        {QStringLiteral("39"), 1, 1000, 1000}, {QStringLiteral("1"), 47, 1000, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.language.toStdString());
        modIniWrite(k.language);
        shared().gLanguageOffset = k.before;
        cVoVoruzevUdadudar* c = make(k.version);
        c->setPhWnd(-1); // no window is made
        c->mInitialize();
        EXPECT_EQ(shared().gLanguageOffset, k.offset);
        EXPECT_EQ(c->pVersion(), 1); // the file's edition wins
    }
}

TEST_F(FacadeTest, KillWithZeroClosesEveryWindowAndReleasesTheSharedObjectsOnce) {
    iniFile = makeData(QStringLiteral("Brastelo.MDB"));
    cVoVoruzevUdadudar* a = make(1);
    cVoVoruzevUdadudar* b = make(1);
    ASSERT_TRUE(a->mInitialize());
    ASSERT_TRUE(b->mInitialize());
    EXPECT_NE(a->phWnd(), b->phWnd());
    const int windows = cWindowList::count();
    EXPECT_GE(windows, 2);

    // A handle of no window closes nothing and releases nothing.
    a->mKill(12345);
    EXPECT_EQ(cWindowList::count(), windows);
    EXPECT_TRUE(shared().errHandler != nullptr);

    // One window: the other stays, and so do the shared objects.
    a->mKill(a->phWnd());
    EXPECT_EQ(cWindowList::find(a->phWnd()), nullptr);
    EXPECT_NE(cWindowList::find(b->phWnd()), nullptr);
    EXPECT_TRUE(shared().errHandler != nullptr);
    EXPECT_EQ(a->phWnd() != 0, true); // not reset

    b->mKill(0);
    EXPECT_EQ(cWindowList::count(), 0);
    EXPECT_EQ(shared().errHandler, nullptr);
    EXPECT_EQ(shared().garbageFiles, nullptr);
    EXPECT_EQ(shared().connectionCache, nullptr);
    // A new initialisation starts them again.
    cVoVoruzevUdadudar* c = make(1);
    EXPECT_TRUE(shared().errHandler != nullptr);
    EXPECT_TRUE(c->mInitialize());
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
    // A file where the folder should be: reported, nothing written.
    ui().clear();
    ASSERT_TRUE(QDir(path(QStringLiteral("data/Brekka Data as"))).removeRecursively());
    writeFile(QStringLiteral("data/Brekka Data as"), "x");
    EXPECT_FALSE(ComponentRegistration::registerLibrary(QStringLiteral("/x.so")));
    bool named = false;
    for (const auto& box : ui().messageBoxes())
        named = named || box.text.contains(QStringLiteral("DllRegisterServer"));
    EXPECT_TRUE(named);
    EXPECT_FALSE(QFile::exists(ComponentRegistration::manifestPath()));
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

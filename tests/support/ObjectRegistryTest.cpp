// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ObjectRegistry.h"

#include "SupportTestUtil.h"
#include "support/LateBinding.h"

#include <QObject>
#include <functional>

using namespace Qt::StringLiterals;
using supporttest::expectedMessage;

namespace {

class Probe : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pNumber READ pNumber WRITE setPNumber)
    Q_PROPERTY(QString pText READ pText WRITE setPText)
    Q_PROPERTY(bool pFlag READ pFlag WRITE setPFlag)
    Q_PROPERTY(QString pReadOnly READ pReadOnly)
    Q_PROPERTY(QObject* pChild READ pChild)
public:
    qint32 pNumber() const { return m_number; }
    void setPNumber(qint32 v) { m_number = v; }
    QString pText() const { return m_text; }
    void setPText(const QString& v) { m_text = v; }
    bool pFlag() const { return m_flag; }
    void setPFlag(bool v) { m_flag = v; }
    QString pReadOnly() const { return u"fixed"_s; }
    QObject* pChild() const { return m_child; }
    void setChild(QObject* child) { m_child = child; }

    Q_INVOKABLE bool mResolve() {
        ++resolved;
        return true;
    }
    Q_INVOKABLE QString join(const QString& a, qint32 b) const {
        return a + QLatin1Char('/') + QString::number(b);
    }
    Q_INVOKABLE QString join(const QString& a) const { return a + u"/one"_s; }
    Q_INVOKABLE QVariant echo(const QVariant& v) const { return v; }
    Q_INVOKABLE void Remove(qint32 index) { removed.append(index); }

    int resolved = 0;
    QList<qint32> removed;

private:
    qint32 m_number = 0;
    QString m_text;
    bool m_flag = false;
    QObject* m_child = nullptr;
};

class ObjectRegistryTest : public SupportTest {
protected:
    void TearDown() override {
        ObjectRegistry::registerFactory(u"Test.Probe"_s, {});
        TestEnv::TearDown();
    }
};

// Runs `body` inside a procedure, as the callers do, and gives the failure number that
// reached the error handler (0 when none did).
template <class Body> qint32 failureOf(Body body) {
    ProcScope scope("mTest.caller");
    return scope.run(body) ? 0 : errHandler().lastErrorNumber();
}

TEST_F(ObjectRegistryTest, CreatesByIdentifierWithoutRegardToCase) {
    int made = 0;
    EXPECT_FALSE(ObjectRegistry::registerFactory(u"Test.Probe"_s, [&] {
        ++made;
        return std::make_unique<Probe>();
    }));
    EXPECT_TRUE(ObjectRegistry::isRegistered(u"TEST.probe"_s));
    const auto a = ObjectRegistry::CreateObject(u"Test.Probe"_s);
    const auto b = ObjectRegistry::CreateObject(u"test.PROBE"_s);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(made, 2);
    EXPECT_STREQ(a->metaObject()->className(), "Probe");

    // Replacing hands back the previous factory; an empty factory removes the identifier.
    const ObjectRegistry::Factory previous =
        ObjectRegistry::registerFactory(u"Test.Probe"_s, [] { return std::unique_ptr<QObject>(); });
    ASSERT_TRUE(previous);
    EXPECT_TRUE(previous());
    EXPECT_EQ(failureOf([] { ObjectRegistry::CreateObject(u"Test.Probe"_s); }), 429);
    ObjectRegistry::registerFactory(u"Test.Probe"_s, {});
    EXPECT_FALSE(ObjectRegistry::isRegistered(u"Test.Probe"_s));

    // An unknown identifier is a failure 429 of the calling procedure.
    ui().clear();
    EXPECT_EQ(failureOf([] { ObjectRegistry::CreateObject(u"Word.Application"_s); }), 429);
    EXPECT_EQ(errHandler().lastErrorProcedure(), u"mTest.caller"_s);
    EXPECT_EQ(ui().messageBoxes().value(0).details,
              expectedMessage(u"mTest.caller"_s, 0, 429,
                              u"A part of the program cannot be started: Word.Application"_s));
}

TEST_F(ObjectRegistryTest, MembersByNameOrFailure438WithNothingCreated) {
    Probe probe;
    struct Case {
        const char* what;
        std::function<void()> body;
        qint32 number;
    };
    const std::vector<Case> cases = {
        {"unknown property set", [&] { LateBinding::set(&probe, "pMissing", 1); }, 438},
        {"unknown property get", [&] { LateBinding::get(&probe, "pmissing"); }, 438},
        {"wrong letter case", [&] { LateBinding::set(&probe, "pnumber", 1); }, 438},
        {"read-only", [&] { LateBinding::set(&probe, "pReadOnly", u"y"_s); }, 438},
        {"unconvertible value", [&] { LateBinding::set(&probe, "pNumber", u"abc"_s); }, 438},
        {"unknown method", [&] { LateBinding::call(&probe, "mMissing"); }, 438},
        {"too many arguments", [&] { LateBinding::call(&probe, "mResolve", {1}); }, 438},
        {"unconvertible argument", [&] { LateBinding::call(&probe, "Remove", {u"two"_s}); }, 438},
        {"null object set", [] { LateBinding::set(nullptr, "pNumber", 1); }, 91},
        {"null object call", [] { LateBinding::call(nullptr, "mResolve"); }, 91},
        {"object property holding nothing", [&] { LateBinding::getObject(&probe, "pChild"); }, 91},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui().clear();
        EXPECT_EQ(failureOf(c.body), c.number);
        EXPECT_EQ(ui().messageBoxes().size(), 1);
    }
    EXPECT_TRUE(probe.dynamicPropertyNames().isEmpty());
    EXPECT_EQ(probe.pNumber(), 0);
    EXPECT_TRUE(probe.removed.isEmpty());
    EXPECT_EQ(probe.resolved, 0);
    EXPECT_TRUE(ui().messageBoxes().back().details.endsWith(
        QStringLiteral("Error (91) Object variable or With block variable not set: "
                       "Probe.pChild")))
        << ui().messageBoxes().back().details.toStdString();

    // Present members are reached by name, with their values converted.
    ui().clear();
    LateBinding::set(&probe, "pText", u"x"_s);
    LateBinding::set(&probe, "pFlag", -1); // a true from an automation client
    EXPECT_EQ(probe.pText(), u"x"_s);
    EXPECT_TRUE(probe.pFlag());
    LateBinding::set(&probe, "pNumber", u"17"_s);
    EXPECT_EQ(LateBinding::get(&probe, "pNumber"), QVariant(17));
    EXPECT_EQ(LateBinding::get(&probe, "pReadOnly"), QVariant(u"fixed"_s));
    EXPECT_EQ(LateBinding::call(&probe, "mResolve"), QVariant(true));
    EXPECT_EQ(probe.resolved, 1);
    EXPECT_EQ(LateBinding::call(&probe, "join", {u"a"_s, u"7"_s}), QVariant(u"a/7"_s));
    EXPECT_EQ(LateBinding::call(&probe, "join", {u"a"_s}), QVariant(u"a/one"_s));
    EXPECT_EQ(LateBinding::call(&probe, "echo", {QVariant(12.5)}), QVariant(12.5));
    EXPECT_FALSE(LateBinding::call(&probe, "echo", {QVariant()}).isValid());
    EXPECT_FALSE(LateBinding::call(&probe, "Remove", {3.0}).isValid());
    EXPECT_EQ(probe.removed, QList<qint32>{3});

    Probe child;
    probe.setChild(&child);
    EXPECT_EQ(LateBinding::getObject(&probe, "pChild"), &child);
    EXPECT_EQ(LateBinding::objectOf(QVariant(5)), nullptr);
    EXPECT_EQ(ui().messageBoxes().size(), 0);
}

} // namespace

#include "ObjectRegistryTest.moc"

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "HostWindowFixture.h"

#include "../calendar/CalendarTestData.h"
#include "common/SqlFile.h"
#include "content/ContentComponents.h"
#include "host_window/ui/fHoster.h"
#include "support/SharedState.h"

#include <QApplication>
#include <QDialog>
#include <QFile>

using namespace CalendarTestData;

void HostWindowTest::TearDown() {
    window.reset();
    TestEnv::TearDown();
}

QString HostWindowTest::makeData(const QString& liturgyName) {
    const QString liturgy = path(liturgyName);
    const QString plan = path(QStringLiteral("Plan.MDB"));
    // A test that opens several windows keeps the data of the first.
    if (QFile::exists(liturgy))
        return path(QStringLiteral("host.ini"));
    const QList<DayRow> rows = {
        {1, ole(QDate(2024, 3, 3)), 0, 1, QStringLiteral("Lent 3")},
        {2, ole(QDate(2024, 3, 5)), 0, 1, QStringLiteral("Tuesday in Lent 3")},
        {3, ole(QDate(2024, 3, 19)), 0, 0, QStringLiteral("Weekday")},
        {4, ole(QDate(2024, 3, 19)), 7, 0, QStringLiteral("Joseph")},
        {5, ole(QDate(2024, 3, 24)), 8, 3, QStringLiteral("Palm Sunday")},
        {6, ole(QDate(2024, 4, 1)), 0, 0, QStringLiteral("Easter Monday")},
        {7, ole(QDate(2023, 12, 31)), 0, 0, QStringLiteral("New Year's Eve")},
    };
    EXPECT_TRUE(createLiturgy(liturgy, rows));
    EXPECT_TRUE(SqlFile::exec(
        liturgy, {QStringLiteral("INSERT INTO tbFeasts VALUES (7, 'Joseph, guardian of Jesus')"),
                  QStringLiteral("INSERT INTO tbFeasts VALUES (8, '')")}));
    EXPECT_TRUE(createPlan(plan, {}));
    return writeFile(QStringLiteral("host.ini"), iniText(liturgy, plan));
}

fHoster& HostWindowTest::open(const QString& liturgyName, qint32 version, bool multiEdition) {
    registerContentComponents();
    iniFile = makeData(liturgyName);
    shared().gMultiEditionMode = multiEdition;
    window = std::make_unique<fHoster>();
    window->setPVkIniFile(iniFile);
    window->setPVersion(version);
    window->setPApp(&app);
    window->setPNotify(&notify);
    window->hWnd();
    window->mInitialize();
    return *window;
}

std::unique_ptr<QTimer> closeNextDialog(const std::function<void(QDialog&)>& note) {
    auto timer = std::make_unique<QTimer>();
    QTimer* t = timer.get();
    QObject::connect(t, &QTimer::timeout, t, [t, note] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            t->stop();
            note(*dialog);
            dialog->reject();
            return;
        }
    });
    t->start(10);
    return timer;
}

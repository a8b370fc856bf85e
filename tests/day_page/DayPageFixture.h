// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "common/TestEnv.h"
#include "content/ContentComponents.h"
#include "content/ContentTestData.h"
#include "day_page/DayPageAssembly.h"
#include "day_page/HeadlessDayPageView.h"

#include <QDir>
#include <memory>

// A day page on a liturgy database of the test's own, with the print style sheet in the
// template folder and the component's own readings and content-links components registered.
class DayPageFixture : public TestEnv {
protected:
    // The print style sheet, with the commas and quotes that a careless reader would lose.
    static QByteArray css() { return "H3 { font: 12pt \"Gill Sans\", sans-serif; }\r\nP {}"; }
    static QString styleBlock() {
        return QStringLiteral("<Style Type='text/css'>") + QString::fromUtf8(css()) +
               QStringLiteral("</Style>\r\n");
    }

    void SetUp() override {
        TestEnv::SetUp();
        registerContentComponents();
        QDir(dir()).mkpath(QStringLiteral("templates"));
        writeFile(QStringLiteral("templates/MainPrint.CSS"), css());
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        service = std::make_unique<TestDatabase>(path("service.mdb"), Schema::Kind::Service);
        ini = writeFile(QStringLiteral("host.ini"), iniText(liturgy->path(), service->path(),
                                                            path(QStringLiteral("templates/"))));
    }
    void TearDown() override {
        page.reset();
        TestEnv::TearDown();
    }

    // Makes the page of `kind` in edition `version`, set as the host window sets it.
    DayPageAssembly& makePage(qint32 kind, qint32 version) {
        page = std::make_unique<DayPageAssembly>(view);
        page->setPVkIniFile(ini);
        page->setPConnectionString(QString());
        page->setPSQLMode(0);
        page->setPUser(1);
        page->setPVersion(version);
        page->setPAppTitle(QStringLiteral("Planner"));
        page->setPageKind(kind);
        EXPECT_TRUE(page->mInitialize());
        return *page;
    }

    // Shows `date` as the host window does on a date change.
    void show(const QDate& date, bool force = false) {
        page->setPDate(oleDate(date));
        page->mShow(force);
    }

    // The page file after its character-set line, which every page starts with.
    QString pageText() const {
        const QByteArray text = readFile(page->pHTMDataFile());
        static constexpr char head[] = "<meta charset=\"utf-8\">\r\n";
        EXPECT_TRUE(text.startsWith(head)) << text.left(40).toStdString();
        return QString::fromUtf8(text.mid(qsizetype(sizeof(head) - 1)));
    }
    QString location() const { return view.location(); }
    qsizetype navigations() const { return view.navigations().size(); }

    // The day list as "number|row|text" lines.
    QStringList dayList() const {
        QStringList entries;
        for (int i = 1; i <= view.dayListCount(); ++i)
            entries << QString::number(i) + QLatin1Char('|') +
                           QString::number(view.dayListItemValue(i)) + QLatin1Char('|') +
                           view.dayListText(i);
        return entries;
    }

    HeadlessDayPageView view;
    std::unique_ptr<DayPageAssembly> page;
    std::unique_ptr<TestDatabase> liturgy;
    std::unique_ptr<TestDatabase> service;
    QString ini;
};

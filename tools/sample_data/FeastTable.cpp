// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "FeastTable.h"

#include "TextTable.h"

#include <QDate>
#include <QFile>

namespace {

int colourCode(const QString& letter) {
    if (letter == QLatin1String("W"))
        return 0;
    if (letter == QLatin1String("V"))
        return 1;
    if (letter == QLatin1String("G"))
        return 2;
    if (letter == QLatin1String("R"))
        return 3;
    return -1;
}

QString ordinal(int n) {
    const int lastTwo = n % 100;
    const int last = n % 10;
    QString suffix = QStringLiteral("th");
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1)
            suffix = QStringLiteral("st");
        else if (last == 2)
            suffix = QStringLiteral("nd");
        else if (last == 3)
            suffix = QStringLiteral("rd");
    }
    return QString::number(n) + suffix;
}

} // namespace

bool FeastTable::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return loadText(file.readAll(), path, error);
}

bool FeastTable::loadText(const QByteArray& text, const QString& name, QString* error) {
    m_feasts.clear();
    m_byKey.clear();
    m_fixed.clear();
    QList<TextTable::Record> records;
    if (!TextTable::parse(text, name, 10, &records, error))
        return false;
    for (const TextTable::Record& record : records) {
        const QStringList& f = record.fields;
        const QString where = QStringLiteral("%1, line %2").arg(name).arg(record.line);
        Feast feast;
        bool ok = false;
        feast.number = f.at(0).toInt(&ok);
        feast.colour = colourCode(f.at(4));
        if (!ok || feast.number <= 0 || feast.colour < 0 || f.at(1).isEmpty() ||
            f.at(3).isEmpty() || f.at(6).isEmpty() || f.at(7).isEmpty() || f.at(8).isEmpty() ||
            f.at(9).isEmpty()) {
            if (error)
                *error = where + QStringLiteral(": incomplete feast");
            return false;
        }
        feast.when = f.at(1);
        feast.lectionaryDay = f.at(2);
        feast.group = f.at(3);
        if (f.at(5) == QLatin1String("principal")) {
            feast.rank = Feast::Rank::Principal;
        } else if (f.at(5) == QLatin1String("lord")) {
            feast.rank = Feast::Rank::FeastOfOurLord;
        } else if (f.at(5) == QLatin1String("festival")) {
            feast.rank = Feast::Rank::Festival;
        } else if (f.at(5) == QLatin1String("commemoration")) {
            feast.rank = Feast::Rank::Commemoration;
        } else {
            if (error)
                *error = where + QStringLiteral(": unknown rank \"%1\"").arg(f.at(5));
            return false;
        }
        feast.nameEn = f.at(6);
        feast.nameNo = f.at(7);
        feast.noteEn = f.at(8);
        feast.noteNo = f.at(9);
        if (!add(feast, error)) {
            if (error)
                *error = where + QStringLiteral(": ") + *error;
            return false;
        }
    }
    return addNumberedSundays(error);
}

bool FeastTable::add(const Feast& feast, QString* error) {
    if (m_feasts.contains(feast.number)) {
        if (error)
            *error = QStringLiteral("feast number %1 appears twice").arg(feast.number);
        return false;
    }
    const QDate fixed =
        QDate::fromString(QStringLiteral("2000-") + feast.when, QStringLiteral("yyyy-MM-dd"));
    Feast kept = feast;
    if (fixed.isValid()) {
        kept.month = fixed.month();
        kept.day = fixed.day();
        const int key = fixed.month() * 100 + fixed.day();
        if (m_fixed.contains(key)) {
            if (error)
                *error = QStringLiteral("two feasts on %1").arg(feast.when);
            return false;
        }
        m_fixed.insert(key, feast.number);
    } else {
        if (m_byKey.contains(feast.when)) {
            if (error)
                *error = QStringLiteral("the day \"%1\" appears twice").arg(feast.when);
            return false;
        }
        m_byKey.insert(feast.when, feast.number);
    }
    m_feasts.insert(feast.number, kept);
    return true;
}

bool FeastTable::addNumberedSundays(QString* error) {
    // One series of numbered Sundays; %1 in the texts is the number, %2 the English ordinal.
    struct Series {
        int first;
        int last;
        int (*number)(int);
        const char* key;
        const char* nameEn;
        const char* nameNo;
        const char* noteEn;
        const char* noteNo;
    };
    static const Series series[] = {
        {kFirstEpiphanySunday, kLastEpiphanySunday, &FeastTable::epiphanySunday, "epiphany%1",
         "Epiphany %1", "%1. søndag i åpenbaringstiden",
         "The %2 Sunday after the Epiphany, in the season that shows Christ to the world in "
         "word and deed.",
         "%1. søndag i åpenbaringstiden, da Kristus blir åpenbart i ord og gjerning."},
        {kFirstPentecostSunday, kLastPentecostSunday, &FeastTable::pentecostSunday, "pentecost%1",
         "Pentecost %1", "%1. søndag etter pinse",
         "The %2 Sunday after Pentecost, in the green season of growth in faith and "
         "discipleship.",
         "%1. søndag etter pinse, i kirkeårets grønne tid."},
        {kFirstTrinitySunday, kLastTrinitySunday, &FeastTable::trinitySunday, "trinity%1",
         "Trinity %1", "%1. søndag i treenighetstiden",
         "The %2 Sunday of the Trinity season, in the green season of the church year.",
         "%1. søndag i treenighetstiden, i kirkeårets grønne tid, da kirken lever av ordet og "
         "vokser i tro."},
    };
    for (const Series& s : series) {
        for (int n = s.first; n <= s.last; ++n) {
            const auto text = [n](const char* format) {
                return QString::fromUtf8(format)
                    .replace(QStringLiteral("%1"), QString::number(n))
                    .replace(QStringLiteral("%2"), ordinal(n));
            };
            Feast feast;
            feast.number = s.number(n);
            feast.when = text(s.key);
            feast.group = s.number == &FeastTable::epiphanySunday ? QStringLiteral("epiphany")
                                                                  : QStringLiteral("ordinary");
            // The Sundays after Pentecost and Trinity take the readings of their proper, which
            // depends on the date; the ninth after the Epiphany borrows those of Proper 4.
            if (s.number == &FeastTable::epiphanySunday)
                feast.lectionaryDay = n == 9 ? QStringLiteral("proper4") : feast.when;
            feast.colour = 2;
            feast.nameEn = text(s.nameEn);
            feast.nameNo = text(s.nameNo);
            feast.noteEn = text(s.noteEn);
            feast.noteNo = text(s.noteNo);
            if (!add(feast, error))
                return false;
        }
    }
    return true;
}

const Feast* FeastTable::byNumber(int number) const {
    const auto it = m_feasts.constFind(number);
    return it == m_feasts.constEnd() ? nullptr : &it.value();
}

const Feast* FeastTable::byKey(const QString& key) const {
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.constEnd() ? nullptr : byNumber(it.value());
}

const Feast* FeastTable::fixedOn(int month, int day) const {
    const auto it = m_fixed.constFind(month * 100 + day);
    return it == m_fixed.constEnd() ? nullptr : byNumber(it.value());
}

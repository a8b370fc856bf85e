// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleDataWriter.h"

#include "NorwegianReference.h"
#include "SampleSetFolder.h"
#include "TextTable.h"
#include "data/Schema.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <sqlite3.h>
#include <tuple>
#include <utility>

namespace {

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// Writes the file whole or not at all; a full disk is named as such.
bool writeWhole(const QString& path, const QByteArray& text, QString* error) {
    const DiskInterface::WriteResult result = RealDiskInterface::instance().writeWhole(path, text);
    if (result == DiskInterface::WriteResult::Written)
        return true;
    return fail(error, DiskInterface::failureOf(result, path).description() + QLatin1Char('.'));
}

QByteArray resource(const QString& name) {
    QFile file(QStringLiteral(":/sample_data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// One database being filled on the engine's own handle, closed again when it goes: half a
// million rows go in, and QtSql would add a placeholder name and a QVariant to every value.
class Filler {
public:
    explicit Filler(QString path) : m_path(std::move(path)) {}
    ~Filler() {
        if (!m_db)
            return;
        if (m_inTransaction)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }
    Filler(const Filler&) = delete;
    Filler& operator=(const Filler&) = delete;

    bool begin(QString* error) {
        // A handle comes back even when the open fails, with the reason in it.
        if (sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK)
            return failed(error);
        // No journal and no waiting for the disk: a set that fails is removed as a whole, and
        // one that is complete is moved into place only after every file is closed. The cache
        // holds a whole database, so that no page is written out and read back before the end.
        if (!run("PRAGMA journal_mode = OFF", error) || !run("PRAGMA synchronous = OFF", error) ||
            !run("PRAGMA cache_size = -131072", error) || !run("BEGIN", error))
            return false;
        m_inTransaction = true;
        return true;
    }
    // The file is closed when the filler goes, after the statements prepared on it.
    bool commit(QString* error) {
        m_inTransaction = false;
        return run("COMMIT", error);
    }
    sqlite3* handle() const { return m_db; }

private:
    bool run(const char* statement, QString* error) {
        return sqlite3_exec(m_db, statement, nullptr, nullptr, nullptr) == SQLITE_OK ||
               failed(error);
    }
    bool failed(QString* error) const {
        return fail(error, QStringLiteral("%1: %2").arg(
                               m_path, m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                            : QStringLiteral("out of memory")));
    }

    QString m_path;
    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
};

// A prepared insert statement that reports the table on failure. Each value is bound in the type
// it has: int and double as numbers, a null text as NULL.
class Insert {
public:
    Insert(sqlite3* db, const char* statement) : m_db(db), m_text(statement) {
        m_prepared = sqlite3_prepare_v2(db, statement, -1, &m_statement, nullptr) == SQLITE_OK;
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    template <class... Values> bool exec(QString* error, const Values&... values) {
        if (!m_prepared)
            return failed(error);
        int column = 0;
        const bool bound = ((bind(++column, values) == SQLITE_OK) && ...);
        const bool done = bound && sqlite3_step(m_statement) == SQLITE_DONE;
        // The reason is read before the reset, which would replace it.
        const bool ok = done || failed(error);
        sqlite3_reset(m_statement);
        return ok;
    }

private:
    int bind(int column, int value) { return sqlite3_bind_int(m_statement, column, value); }
    int bind(int column, double value) { return sqlite3_bind_double(m_statement, column, value); }
    // The text is bound where it is, for the one step that follows.
    int bind(int column, const QString& value) {
        if (value.isNull())
            return sqlite3_bind_null(m_statement, column);
        return sqlite3_bind_text16(m_statement, column, value.utf16(), int(value.size() * 2),
                                   SQLITE_STATIC);
    }
    bool failed(QString* error) const {
        return fail(error, QString::fromLatin1(m_text) + QStringLiteral(": ") +
                               QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    sqlite3* m_db;
    const char* m_text;
    sqlite3_stmt* m_statement = nullptr;
    bool m_prepared = false;
};

} // namespace

SampleDataWriter::SampleDataWriter(SampleDataOptions options, Progress progress)
    : m_options(std::move(options)), m_progress(std::move(progress)) {}

QStringList SampleDataWriter::outputNames() {
    QStringList names;
    for (const SampleEdition& edition : SampleEdition::all())
        names.append(edition.fileName);
    names << planFileName() << serviceFileName() << templateFolderName() << iniFileName();
    for (const SampleEdition& edition : SampleEdition::all().mid(1))
        names.append(editionIniFileName(edition.code));
    return names;
}

QString SampleDataWriter::path(const QString& name) const {
    return m_folder->buildPath(name);
}

QString SampleDataWriter::finalPath(const QString& name) const {
    return m_folder->finalPath(name);
}

QString SampleDataWriter::readingCaption(int component, bool norwegian) {
    switch (component) {
    case 202:
        return norwegian ? QStringLiteral("Første lesning") : QStringLiteral("First Reading");
    case 208:
        return norwegian ? QStringLiteral("Salme") : QStringLiteral("Psalm");
    case 209:
        return norwegian ? QStringLiteral("Lovsang") : QStringLiteral("Canticle");
    case 203:
        return norwegian ? QStringLiteral("Andre lesning") : QStringLiteral("Second Reading");
    case 214:
        return norwegian ? QStringLiteral("Andre lesning (alternativ)")
                         : QStringLiteral("Second Reading (alternative)");
    case 204:
        return norwegian ? QStringLiteral("Evangelium") : QStringLiteral("Gospel");
    case 217:
        return norwegian ? QStringLiteral("Evangelium (lang form)")
                         : QStringLiteral("Gospel (long form)");
    default:
        return {};
    }
}

namespace {

// Build folders are named after this prefix; a file of this name inside one says that its set
// was being moved into place.
} // namespace

bool SampleDataWriter::run(QString* error) {
    if (m_options.outDir.isEmpty())
        return fail(error, QStringLiteral("No output folder is given (--out DIR)."));
    if (m_options.fromYear < 1900 || m_options.toYear > 2200 ||
        m_options.fromYear > m_options.toYear)
        return fail(error, QStringLiteral("The years %1 to %2 are not a range from 1900 to 2200.")
                               .arg(m_options.fromYear)
                               .arg(m_options.toYear));
    SampleSetFolder folder(m_options.outDir, outputNames());
    m_folder = &folder;
    const bool done = folder.prepare(error) && build(error) && folder.publish(error);
    m_folder = nullptr;
    return done;
}

bool SampleDataWriter::build(QString* error) {
    if (!loadTables(error) || !readBible(error))
        return false;
    for (const SampleEdition& edition : SampleEdition::all()) {
        if (!writeLiturgy(edition, error))
            return false;
    }
    return writePlan(error) && writeService(error) && writeTemplates(error) && writeIni(error);
}

bool SampleDataWriter::loadTables(QString* error) {
    if (!m_feasts.loadText(resource(QStringLiteral("feasts.txt")), QStringLiteral("feasts.txt"),
                           error) ||
        !m_lectionary.loadText(resource(QStringLiteral("lectionary.txt")),
                               QStringLiteral("lectionary.txt"), error) ||
        !m_prayers.loadText(resource(QStringLiteral("prayers.txt")), QStringLiteral("prayers.txt"),
                            error) ||
        !TextTable::parse(resource(QStringLiteral("hymns.txt")), QStringLiteral("hymns.txt"), 3,
                          &m_hymns, error))
        return false;
    for (const Feast& feast : m_feasts.all()) {
        if (!feast.lectionaryDay.isEmpty() && !m_lectionary.hasDay(feast.lectionaryDay))
            return fail(error, QStringLiteral("feasts.txt: the day \"%1\" has no readings in "
                                              "lectionary.txt.")
                                   .arg(feast.lectionaryDay));
    }
    return true;
}

bool SampleDataWriter::readBible(QString* error) {
    m_progress(QStringLiteral("Reading the Bible texts (%1)...").arg(m_options.bibleModule));
    if (!m_bible.open(m_options.bibleModule, m_options.swordLibrary, error) ||
        !m_bible.loadVerses(resource(QStringLiteral("verses.txt")), QStringLiteral("verses.txt"),
                            error))
        return false;
    // Every reference of the table is read, so that its text numbers do not depend on the
    // years written and a wrong reference shows at once.
    const QList<LectionaryReading>& references = m_lectionary.references();
    // In the module's order, so that each book is decompressed once; the text numbers stay in
    // the table's order.
    QList<int> order(references.size());
    QList<long> positions;
    for (int i = 0; i < references.size(); ++i) {
        order[i] = i;
        positions.append(m_bible.position(references.at(i).textReference));
    }
    std::stable_sort(order.begin(), order.end(),
                     [&positions](int a, int b) { return positions.at(a) < positions.at(b); });
    QStringList wrong;
    for (const int i : order) {
        BiblePassage passage;
        QString why;
        if (!m_bible.passage(references.at(i).textReference, &passage, &why,
                             references.at(i).reference)) {
            wrong.append(why);
            continue;
        }
        m_bibleIds.insert(references.at(i).reference, i + 1);
        m_passages.insert(i + 1, passage);
    }
    // All wrong references at once, so that the table can be corrected in one go.
    if (!wrong.isEmpty())
        return fail(error, QStringLiteral("lectionary.txt: ") + wrong.join(QStringLiteral("\n")));
    m_progress(QStringLiteral("  %1 passages").arg(references.size()));
    return true;
}

bool SampleDataWriter::createDatabase(const QString& name, int kind, QString* dbPath,
                                      QString* error) {
    *dbPath = path(name);
    QString why;
    if (!Schema::create(*dbPath, static_cast<Schema::Kind>(kind), &why))
        return fail(error, QStringLiteral("%1: %2").arg(*dbPath, why));
    return true;
}

bool SampleDataWriter::writeLiturgy(const SampleEdition& edition, QString* error) {
    QString dbPath;
    if (!createDatabase(edition.fileName, int(Schema::Kind::Liturgy), &dbPath, error))
        return false;
    Filler filler(dbPath);
    if (!filler.begin(error))
        return false;
    sqlite3* const db = filler.handle();
    Insert calendar(db, "INSERT INTO tbCalenderData (ID, Date, FeastRef, "
                        "Day_Color, ShortName, Day_ID) VALUES (?, ?, ?, ?, ?, ?)");
    Insert reading(db, "INSERT INTO tbReadings (ID, CalendarID, SortOrder, Type, "
                       "ContentID, Ref, TypeString) VALUES (?, ?, ?, ?, ?, ?, ?)");
    Insert link(db, "INSERT INTO tbContentLinks (CalendarID, ComponentID, "
                    "ContentID) VALUES (?, ?, ?)");
    Insert ordoRow(db, "INSERT INTO tbOrdo (itemDate, itemOrdo) VALUES (?, ?)");

    const ChurchYear year(m_feasts, edition.style);
    const QSet<int> withoutPrayers(edition.feastsWithoutPrayers.cbegin(),
                                   edition.feastsWithoutPrayers.cend());
    const QSet<int> hidden(edition.hiddenFeasts.cbegin(), edition.hiddenFeasts.cend());
    QSet<int> feastsUsed;
    QSet<int> textsUsed;
    QSet<int> contentUsed;
    int calendarId = 0;
    int readingId = 0;
    int ordos = 0;
    // The same references and prayer groups come back year after year: each is looked up once.
    QHash<QString, QString> shownReferences;
    QHash<QString, QList<const PrayerText*>> groupPrayers; // in the order of edition.prayers
    const QDate last(m_options.toYear, 12, 31);
    for (QDate date(m_options.fromYear, 1, 1); date <= last; date = date.addDays(1)) {
        const double oleDate = OleDate::fromDate(date);
        bool ordoWritten = false;
        for (const LiturgicalDay& day : year.daysOf(date)) {
            ++calendarId;
            if (!calendar.exec(error, calendarId, oleDate, day.feast, day.colour, day.name,
                               day.feast))
                return false;
            if (day.feast == 0)
                continue;
            feastsUsed.insert(day.feast);
            QList<LectionaryReading> readings;
            if (!day.lectionaryDay.isEmpty())
                readings =
                    m_lectionary.readings(day.lectionaryDay, ChurchYear::lectionaryYear(date));
            int sortOrder = 0;
            for (const LectionaryReading& r : readings) {
                const int textId = m_bibleIds.value(r.reference);
                textsUsed.insert(textId);
                auto shown = shownReferences.constFind(r.reference);
                if (shown == shownReferences.constEnd())
                    shown = shownReferences.insert(
                        r.reference,
                        edition.norwegian ? NorwegianReference::of(r.reference) : r.reference);
                if (!reading.exec(error, ++readingId, calendarId, ++sortOrder, r.component, textId,
                                  shown.value(), readingCaption(r.component, edition.norwegian)))
                    return false;
            }
            if (withoutPrayers.contains(day.feast))
                continue;
            auto prayers = groupPrayers.constFind(day.group);
            if (prayers == groupPrayers.constEnd()) {
                QList<const PrayerText*> found;
                for (const auto& [kind, component] : edition.prayers)
                    found.append(m_prayers.find(day.group, kind, edition.language()));
                prayers = groupPrayers.insert(day.group, found);
            }
            for (qsizetype k = 0; k < edition.prayers.size(); ++k) {
                const PrayerText* text = prayers->at(k);
                if (!text)
                    continue;
                contentUsed.insert(text->id);
                if (!link.exec(error, calendarId, edition.prayers.at(k).second, text->id))
                    return false;
            }
            if (edition.ordo && !ordoWritten && !hidden.contains(day.feast)) {
                ordoWritten = true;
                ++ordos;
                if (!ordoRow.exec(error, oleDate, ordo(edition, day, readings)))
                    return false;
            }
        }
    }

    Insert feastRow(db, "INSERT INTO tbFeasts (ID, Description) VALUES (?, ?)");
    QList<int> feasts(feastsUsed.cbegin(), feastsUsed.cend());
    std::sort(feasts.begin(), feasts.end());
    for (const int number : feasts) {
        if (!feastRow.exec(error, number, m_feasts.byNumber(number)->note(edition.norwegian)))
            return false;
    }
    Insert bibleRow(db, "INSERT INTO tbBibleText (ID, Text, HTM_Data) VALUES (?, ?, ?)");
    QList<int> texts(textsUsed.cbegin(), textsUsed.cend());
    std::sort(texts.begin(), texts.end());
    // The page names the translation under each reading; the Norwegian edition says that the
    // text is English.
    const QString translation =
        QStringLiteral("<P><I>%1</I></P>")
            .arg((edition.norwegian ? QStringLiteral("Bibeltekst på engelsk: %1")
                                    : QStringLiteral("%1"))
                     .arg(m_bible.translation())
                     .toHtmlEscaped());
    for (const int id : texts) {
        const BiblePassage& passage = m_passages[id];
        if (!bibleRow.exec(error, id, passage.text, passage.html + translation))
            return false;
    }
    Insert contentRow(db, "INSERT INTO tbContent (ID, Navn, Text, HTM_Data) "
                          "VALUES (?, ?, ?, ?)");
    QList<int> contents(contentUsed.cbegin(), contentUsed.cend());
    std::sort(contents.begin(), contents.end());
    for (const int id : contents) {
        const PrayerText& text = m_prayers.all().at(id - 1);
        if (!contentRow.exec(error, id, text.name, text.text, text.html()))
            return false;
    }
    if (!writeHymns(db, error) || !filler.commit(error))
        return false;
    QString summary = QStringLiteral("%1 (edition %2): %3 calendar rows, %4 feasts, %5 readings, "
                                     "%6 Bible texts, %7 prayers")
                          .arg(edition.fileName)
                          .arg(edition.code)
                          .arg(calendarId)
                          .arg(feasts.size())
                          .arg(readingId)
                          .arg(texts.size())
                          .arg(contents.size());
    if (edition.ordo)
        summary += QStringLiteral(", %1 orders of service").arg(ordos);
    m_progress(summary);
    return true;
}

bool SampleDataWriter::writeHymns(sqlite3* db, QString* error) const {
    Insert insert(db, "INSERT INTO tbLyrics (ID, Lyrics, HTM_Data) VALUES (?, ?, ?)");
    for (const TextTable::Record& hymn : m_hymns) {
        QStringList lines = hymn.fields.at(2).split(QStringLiteral("//"));
        for (QString& line : lines)
            line = line.trimmed();
        QStringList escaped;
        for (const QString& line : lines)
            escaped.append(line.toHtmlEscaped());
        const QString html =
            QStringLiteral("<P><B>%1</B></P><P>%2</P>")
                .arg(hymn.fields.at(1).toHtmlEscaped(), escaped.join(QStringLiteral("<BR>")));
        if (!insert.exec(error, hymn.fields.at(0).toInt(), lines.join(QLatin1Char('\n')), html))
            return false;
    }
    return true;
}

QString SampleDataWriter::ordo(const SampleEdition& edition, const LiturgicalDay& day,
                               const QList<LectionaryReading>& readings) const {
    // The order of a said eucharist: entrance, collect, the readings, the gifts, communion.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QString html = QStringLiteral("<P class=Greeting>%1</P>\r\n").arg(day.name.toHtmlEscaped());
    html += QStringLiteral("<P>Order of Service, %1</P>\r\n<OL>\r\n")
                .arg(english.toString(day.date, QStringLiteral("dddd d MMMM yyyy")));
    const auto prayer = [&](const QString& kind, const QString& caption) {
        const PrayerText* text = m_prayers.find(day.group, kind, edition.language());
        if (!text)
            return QString();
        return QStringLiteral("<LI>%1: %2</LI>\r\n").arg(caption, text->name.toHtmlEscaped());
    };
    const bool prayers = !edition.feastsWithoutPrayers.contains(day.feast);
    if (prayers) {
        html += prayer(QStringLiteral("entrance"), QStringLiteral("Entrance Antiphon"));
        html += prayer(QStringLiteral("collect"), QStringLiteral("Opening Prayer"));
    }
    for (const LectionaryReading& r : readings) {
        html +=
            QStringLiteral("<LI>%1: %2</LI>\r\n")
                .arg(readingCaption(r.component, edition.norwegian), r.reference.toHtmlEscaped());
    }
    if (prayers) {
        html += prayer(QStringLiteral("gifts"), QStringLiteral("Prayer over the Gifts"));
        html += prayer(QStringLiteral("communion"), QStringLiteral("Communion Antiphon"));
        html += prayer(QStringLiteral("aftercommunion"), QStringLiteral("Prayer after Communion"));
    }
    html += QStringLiteral("<LI>Blessing and Dismissal</LI>\r\n</OL>");
    return html;
}

namespace {

struct PlannedService {
    QDate date;
    int minutes = 0; // time of day
    QString type;
    QString location;
    bool operator<(const PlannedService& other) const {
        return std::tie(date, minutes, type) < std::tie(other.date, other.minutes, other.type);
    }
};

} // namespace

bool SampleDataWriter::writePlan(QString* error) {
    QString dbPath;
    if (!createDatabase(planFileName(), int(Schema::Kind::Plan), &dbPath, error))
        return false;
    const QString church = QStringLiteral("St. Mary's Church");
    const QString chapel = QStringLiteral("Chapel of St. John");
    const QString hall = QStringLiteral("Parish Hall");
    const QString home = QStringLiteral("Fjordview Nursing Home");
    const ChurchYear year(m_feasts, CalendarStyle{});
    QList<PlannedService> services;
    for (QDate date(kPlanFirstYear, 1, 1); date <= QDate(kPlanLastYear, 12, 31);
         date = date.addDays(1)) {
        const QList<LiturgicalDay> days = year.daysOf(date);
        const int feast = days.first().feast;
        const int week = (date.day() - 1) / 7 + 1; // which Sunday or weekday of the month
        if (date.dayOfWeek() == Qt::Sunday) {
            const bool festival = feast == 31 || feast == 39 || feast == 6;
            services.append(
                {date, 11 * 60,
                 festival ? QStringLiteral("Festival Eucharist") : QStringLiteral("Holy Communion"),
                 church});
            if (week == 1 || week == 3)
                services.append({date, 18 * 60, QStringLiteral("Evening Prayer"), church});
            if (week == 2)
                services.append({date, 9 * 60 + 30, QStringLiteral("Family Service"), hall});
            continue;
        }
        switch (feast) {
        case 5: // Christmas Eve
            services.append({date, 16 * 60, QStringLiteral("Crib Service"), church});
            services.append({date, 23 * 60, QStringLiteral("Midnight Mass"), church});
            break;
        case 6:  // Christmas Day
        case 38: // Ascension
            services.append({date, 11 * 60, QStringLiteral("Festival Eucharist"), church});
            break;
        case 20: // Ash Wednesday
            services.append({date, 19 * 60, QStringLiteral("Imposition of Ashes"), church});
            break;
        case 30: // Maundy Thursday
            services.append({date, 19 * 60, QStringLiteral("Holy Communion"), church});
            break;
        case 103: // Good Friday
            services.append({date, 11 * 60, QStringLiteral("Liturgy of Good Friday"), church});
            break;
        default:
            if (date.dayOfWeek() == Qt::Wednesday && days.last().colour == ChurchYear::Violet &&
                date.month() >= 2 && date.month() <= 4)
                services.append({date, 19 * 60, QStringLiteral("Lenten Devotion"), chapel});
            else if (date.dayOfWeek() == Qt::Thursday && week == 1)
                services.append({date, 10 * 60 + 30, QStringLiteral("Holy Communion"), home});
            break;
        }
    }
    std::sort(services.begin(), services.end());
    Filler filler(dbPath);
    if (!filler.begin(error))
        return false;
    Insert insert(filler.handle(), "INSERT INTO tbMainPlan (Date, Time, "
                                   "ServType, Location) VALUES (?, ?, ?, ?)");
    for (const PlannedService& s : services) {
        if (!insert.exec(error, OleDate::fromDate(s.date), double(s.minutes) / (24.0 * 60.0),
                         s.type, s.location))
            return false;
    }
    if (!filler.commit(error))
        return false;
    m_progress(QStringLiteral("%1: %2 planned services from %3 to %4")
                   .arg(planFileName())
                   .arg(services.size())
                   .arg(kPlanFirstYear)
                   .arg(kPlanLastYear));
    return true;
}

bool SampleDataWriter::writeService(QString* error) {
    QString dbPath;
    if (!createDatabase(serviceFileName(), int(Schema::Kind::Service), &dbPath, error))
        return false;
    const QStringList texts{
        QStringLiteral("<P>Welcome to our service. Hearing aids can use the loop system; large "
                       "print books are at the door.</P>"),
        QStringLiteral("<P>Let us pray for the sick of our parish, for those who mourn, and for "
                       "all who serve in our community.</P>"),
        QStringLiteral("<P>Church coffee is served in the Parish Hall after the service. All "
                       "are welcome.</P>"),
        QStringLiteral("<P>The collection today goes to the work of the seamen's mission.</P>"),
        QStringLiteral("<P>Go in peace to love and serve the Lord. <B>In the name of "
                       "Christ. Amen.</B></P>"),
    };
    Filler filler(dbPath);
    if (!filler.begin(error))
        return false;
    Insert insert(filler.handle(), "INSERT INTO tbUserText (ID, Text) VALUES (?, ?)");
    for (int i = 0; i < texts.size(); ++i) {
        if (!insert.exec(error, i + 1, texts.at(i)))
            return false;
    }
    if (!filler.commit(error))
        return false;
    m_progress(QStringLiteral("%1: %2 texts").arg(serviceFileName()).arg(texts.size()));
    return true;
}

bool SampleDataWriter::writeTemplates(QString* error) {
    const QString folder = path(templateFolderName());
    if (!QDir().mkpath(folder))
        return fail(error, QStringLiteral("The folder '%1' cannot be created.").arg(folder));
    const QStringList sheets{QStringLiteral("Main.CSS"), QStringLiteral("MainPrint.CSS"),
                             QStringLiteral("47Main.CSS"), QStringLiteral("47MainPrint.CSS")};
    for (const QString& sheet : sheets) {
        const QByteArray text = resource(QStringLiteral("templates/") + sheet);
        if (text.isEmpty())
            return fail(error, QStringLiteral("The style sheet '%1' is missing.").arg(sheet));
        if (!writeWhole(QDir(folder).filePath(sheet), text, error))
            return false;
    }
    m_progress(
        QStringLiteral("%1/: %2").arg(templateFolderName(), sheets.join(QStringLiteral(", "))));
    return true;
}

QString SampleDataWriter::editionIniFileName(int code) {
    // The host application looks for this name beside "liturgy.ini" when it is given an edition.
    return QStringLiteral("liturgy-%1.ini").arg(code);
}

bool SampleDataWriter::writeIni(QString* error) {
    // "liturgy.ini" names the first edition's database; each other edition has an INI file of
    // its own that names its database, for a host that is told which edition to show.
    const QList<SampleEdition>& editions = SampleEdition::all();
    for (const SampleEdition& edition : editions) {
        const bool first = &edition == &editions.first();
        const QStringList lines{
            QStringLiteral("[Files]"),
            QStringLiteral("LiturgyFile=") + finalPath(edition.fileName),
            QStringLiteral("PlanFile=") + finalPath(planFileName()),
            QStringLiteral("ServiceFile=") + finalPath(serviceFileName()),
            // The files' places once the set is moved into place. The folder ends with a
            // separator: style sheet names are appended to it directly.
            QStringLiteral("TemplatePath=") + finalPath(templateFolderName()) + QLatin1Char('/'),
            QString(),
            QStringLiteral("[LiturgyCalendar]"),
            // The language follows the host's edition code, which a host given only the INI
            // file does not have: the Norwegian edition names its language itself.
            QStringLiteral("Language=") + (edition.norwegian ? QStringLiteral("47") : QString()),
        };
        const QByteArray text = lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        const QString iniPath = path(first ? iniFileName() : editionIniFileName(edition.code));
        if (!writeWhole(iniPath, text, error))
            return false;
    }
    m_progress(QStringLiteral("%1: the English edition %2; one INI file for each other edition")
                   .arg(iniFileName(), editions.first().fileName));
    return true;
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageAssembly.h"

#include "calendar/cThisDay.h"
#include "content/cLiturgyItem.h"
#include "content/cVkContentLinks.h"
#include "content/cVkLiturgicalDay.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "day_page/DayPageView.h"
#include "day_page/PrayerItems.h"
#include "resources/ResourceStrings.h"
#include "resources/mMain.h"
#include "support/COSInfo.h"
#include "support/EditionCode.h"
#include "support/IniFileCache.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"
#include "support/UserInterface.h"
#include "support/mGarbageFiles.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringBuilder>
#include <memory>

namespace {

const QString kBlank = QStringLiteral("About:Blank");

// The first line of every page file.
constexpr char kCharsetDeclaration[] = "<meta charset=\"utf-8\">\r\n";

// Component numbers of the readings.
constexpr qint32 kFirstReading = 202;
constexpr qint32 kPsalm = 208;
constexpr qint32 kSecondReading = 203;
constexpr qint32 kAlternativeSecondReading = 214;
constexpr qint32 kGospel = 204;
constexpr qint32 kLongGospel = 217;
// The liturgy component of the gospel acclamation.
constexpr qint32 kGospelAcclamation = 12;

// `text` as HTML text. Most captions and names hold nothing to escape, and are then kept as
// they are rather than copied.
QString escaped(const QString& text) {
    for (const QChar c : text) {
        if (c == u'<' || c == u'>' || c == u'&' || c == u'"')
            return text.toHtmlEscaped();
    }
    return text;
}

bool isGospel(qint32 type) {
    return type == kGospel || type == kLongGospel;
}

// The readings collection of the readings component, reached by name like the component. The
// readings and their types are read once; removals go to the collection and to that copy.
class Readings {
public:
    explicit Readings(QObject* collection) : m_collection(collection) {
        const int count = LateBinding::get(m_collection, "Count").toInt();
        for (int position = 1; position <= count; ++position) {
            QObject* reading =
                LateBinding::objectOf(LateBinding::call(m_collection, "Item", {position}));
            if (!reading)
                throw Failure::objectNotSet(QStringLiteral("pcolReadings.Item"));
            m_items.append({reading, LateBinding::get(reading, "pType").toInt()});
        }
    }
    int count() const { return int(m_items.size()); }
    QObject* item(int position) const { return m_items.at(position - 1).reading; }
    qint32 typeAt(int position) const { return m_items.at(position - 1).type; }
    void remove(int position) {
        LateBinding::call(m_collection, "Remove", {position});
        m_items.removeAt(position - 1);
    }

private:
    struct Entry {
        QObject* reading;
        qint32 type;
    };
    QObject* m_collection;
    QList<Entry> m_items;
};

qint32 templateOf(qint32 version) {
    if (version == EditionCode::kPelusineChurch)
        return 29;
    if (version == EditionCode::kHubrenUnionChurch)
        return 6;
    return 1;
}

} // namespace

DayPageAssembly::DayPageAssembly(DayPageView& view) : m_view(view) {}

DayPageAssembly::~DayPageAssembly() = default;

bool DayPageAssembly::mInitialize() {
    ProcScope scope("fThisDay.mInitialize");
    return scope.run([&] { preparePage(); });
}

void DayPageAssembly::preparePage() {
    const QString tmpFile = getTmpFile(QStringLiteral("CEN"));
    if (!tmpFile.isEmpty()) {
        const qsizetype nameStart = mVBFileDisk::folderPart(tmpFile).size();
        const qsizetype dot = tmpFile.lastIndexOf(QLatin1Char('.'));
        const QString stem = dot >= nameStart ? tmpFile.left(dot + 1) : tmpFile + QLatin1Char('.');
        m_htmDataFile = stem + QStringLiteral("HTM");
        mGarbageFiles::AddGarbageFile(tmpFile);
        mGarbageFiles::AddGarbageFile(m_htmDataFile);
    }
    if (m_version == EditionCode::kKorvaDiocese) {
        m_h1Open = m_h2Open = QStringLiteral("<P class=Greeting>");
        m_h1Close = m_h2Close = QStringLiteral("</P>");
    } else {
        m_h1Open = QStringLiteral("<H3>");
        m_h1Close = QStringLiteral("</H3>");
        m_h2Open = QStringLiteral("<H4>");
        m_h2Close = QStringLiteral("</H4>");
    }
}

bool DayPageAssembly::mShow(bool force) {
    ProcScope scope("fThisDay.mShow");
    m_forced = force;
    const bool result = scope.run([&] {
        // The day list and the section see the same liturgy file: one read of the INI file.
        beginBuild();
        if (!resolve(force))
            return;
        if (m_pageKind != kReadings && m_pageKind != kPrayers && m_pageKind != kOrdo)
            return;
        const int index = m_view.dayListIndex();
        if (index < 1) {
            // A date without liturgical days; the sections build anew for whatever day comes
            // next.
            m_ordoCache = m_readingsCache = m_prayersCache = 0;
            if (m_pageKind == kOrdo)
                m_view.navigate(kBlank);
            else
                showNothingAppointed();
            return;
        }
        const qint32 calendarID = m_view.dayListItemValue(index);
        if (m_pageKind == kReadings)
            getTextsForDay(calendarID);
        else if (m_pageKind == kPrayers)
            getPrayersForDay(calendarID);
        else
            getOrdoForDay(calendarID);
    });
    m_forced = false;
    m_inSection = false;
    m_sectionLiturgyFile.clear();
    m_sectionTemplates.clear();
    return result;
}

bool DayPageAssembly::resolve(bool force) {
    ProcScope scope("fThisDay.resolve");
    bool result = false;
    scope.run([&] {
        // The page keeps its connection: a liturgy file replaced since is opened anew.
        const QString file = liturgyFile();
        mADO::dropChangedConnections(file);
        if (!force && m_date == m_listDate) {
            result = true;
            return;
        }
        m_listDate = m_date;
        m_view.clearDayList();
        cThisDay day;
        day.setPUser(m_user);
        day.setPVersion(m_version);
        day.setPVkIniFile(m_vkIniFile);
        day.setPConnectionString(m_connectionString);
        day.setPSQLMode(m_sqlMode);
        day.setPDate(m_date);
        day.setPLiturgyFile(file);
        result = true;
        if (!day.mResolve() || !day.pLiturgicalDays().isTable())
            return;
        const RowTable& rows = day.pLiturgicalDays();
        const QDate date = OleDate::toDate(m_date);
        int counter = 1;
        for (int row = 0; row < rows.rowCount(); ++row) {
            QString name = rows.at(1, row).toString();
            if (rows.at(1, row).isNull())
                name = ResourceStrings::locale().dayName(date.dayOfWeek(), QLocale::LongFormat);
            const QVariant feast = rows.at(2, row);
            if (m_version == EditionCode::kKorvaDiocese) {
                const qint32 feastRef = feast.toInt();
                if (feast.isNull() || feastRef == 155 || feastRef == 486 || feastRef == 490 ||
                    feastRef == 530 || feastRef == 101)
                    continue;
            }
            m_view.addDayListEntry(name);
            m_view.setDayListItemValue(counter, rows.at(0, row).toInt());
            ++counter;
        }
        if (m_view.dayListCount() >= 1)
            m_view.setDayListIndex(1);
    });
    return result;
}

void DayPageAssembly::dayListPicked() {
    const int index = m_view.dayListIndex();
    if (index < 1)
        return;
    mADO::dropChangedConnections(liturgyFile());
    const qint32 calendarID = m_view.dayListItemValue(index);
    if (m_pageKind == kReadings)
        getTextsForDay(calendarID);
    else if (m_pageKind == kPrayers)
        getPrayersForDay(calendarID);
    else if (m_pageKind == kOrdo)
        getOrdoForDay(calendarID);
}

void DayPageAssembly::getOrdoForDay(qint32 calendarID) {
    ProcScope scope("fThisDay.getOrdoForDay");
    scope.run([&] {
        if (!m_forced && calendarID == m_ordoCache)
            return;
        startSection(&m_ordoCache, calendarID);
        // The ordo belongs to the date, not to the calendar row.
        const QString ordo =
            readValue(QStringLiteral("SELECT itemOrdo FROM tbOrdo WHERE itemDate=") +
                      getSQLDate(m_date, 0, 0, 0, m_sqlMode));
        if (ordo.isEmpty()) {
            m_view.navigate(kBlank);
            return;
        }
        appendStyleBlock();
        append(ordo);
        showPage();
    });
    endSection();
    m_view.showNormalPointer();
}

void DayPageAssembly::getTextsForDay(qint32 calendarID) {
    ProcScope scope("fThisDay.getTextsForDay");
    std::unique_ptr<QObject> component;
    scope.run([&] {
        if (!m_forced && calendarID == m_readingsCache)
            return;
        startSection(&m_readingsCache, calendarID);
        const QString conString = liturgyConString();
        bool plainDay = false;
        if (m_version == EditionCode::kBrastelDiocese ||
            m_version == EditionCode::kBrastelDioceseVariant) {
            bool numeric = false;
            const qint32 feast =
                readValue(QStringLiteral("SELECT FeastRef FROM tbCalenderData WHERE ID=") +
                          QString::number(calendarID))
                    .toInt(&numeric);
            plainDay = numeric && feast == 0;
        }

        component = ObjectRegistry::CreateObject(QString::fromLatin1(cVkLiturgicalDay::kProgId));
        QObject* c = component.get();
        LateBinding::set(c, "pVkIniFile", m_vkIniFile);
        LateBinding::set(c, "pVersion", m_version);
        LateBinding::set(c, "pUser", m_user);
        LateBinding::set(c, "pAppTitle", m_appTitle);
        LateBinding::set(c, "pAskUser", false);
        LateBinding::set(c, "pScanDirection", 0);
        LateBinding::set(c, "pID", calendarID);
        LateBinding::set(c, "pServiceTemplate", templateOf(m_version));
        LateBinding::set(c, "pSQLMode", m_sqlMode == -1);
        LateBinding::set(c, "pConnectionString", conString);
        LateBinding::set(c, "pSubLanguage", 0);
        LateBinding::set(c, "pDate", m_date);
        if (!LateBinding::call(c, "mResolve").toBool()) {
            showNothingAppointed();
            return;
        }

        appendStyleBlock();
        appendHeading(OleDate::toDate(LateBinding::get(c, "pDate").toDouble()));

        Readings readings(LateBinding::getObject(c, "pcolReadings"));
        if (plainDay) {
            for (int i = readings.count(); i >= 1; --i) {
                const qint32 type = readings.typeAt(i);
                if (type == kSecondReading || type == kAlternativeSecondReading)
                    readings.remove(i);
            }
        }
        bool hasLongGospel = false;
        for (int i = 1; i <= readings.count(); ++i)
            hasLongGospel = hasLongGospel || readings.typeAt(i) == kLongGospel;
        if (hasLongGospel) {
            for (int i = readings.count(); i >= 1; --i) {
                if (readings.typeAt(i) == kGospel) {
                    readings.remove(i);
                    break;
                }
            }
        }

        const auto addAll = [&](auto wanted) {
            for (int i = 1; i <= readings.count(); ++i) {
                if (wanted(readings.typeAt(i)))
                    AddThisText(conString, readings.item(i));
            }
        };
        if (m_version != EditionCode::kQuorvanCoastalChurch) {
            addAll([](qint32 type) { return !isGospel(type); });
        } else {
            for (const qint32 group : {kFirstReading, kPsalm, kSecondReading})
                addAll([group](qint32 type) { return type == group; });
            gospelAcclamation(calendarID, conString);
        }
        addAll([](qint32 type) { return isGospel(type); });
        showPage();
    });
    component.reset();
    endSection();
    m_view.showNormalPointer();
}

void DayPageAssembly::gospelAcclamation(qint32 calendarID, const QString& conString) {
    cLiturgyItem item;
    item.setPTitle(QStringLiteral("Gospel Acclamation"));
    item.setPComponentID(kGospelAcclamation);
    item.setPConnectionString(conString);
    item.setPDataFile(liturgyFile());
    item.setPVkIniFile(m_vkIniFile);
    item.setPSQLMode(m_sqlMode);
    item.setPVersion(m_version);

    const std::unique_ptr<QObject> links = createContentLinks(calendarID, conString, 1);
    QObject* l = links.get();
    if (!LateBinding::call(l, "mInitialize").toBool())
        return;
    QObject* vkItem = LateBinding::getObject(l, "pVkItem");
    LateBinding::set(vkItem, "pComponentID", item.pComponentID());
    if (!LateBinding::call(l, "mResolve").toBool())
        return;
    item.setPContentID(LateBinding::get(vkItem, "pContentID").toInt());
    const QString name = readValue(QStringLiteral("SELECT Navn FROM tbContent WHERE ID=") +
                                   QString::number(item.pContentID()));
    if (!name.isEmpty())
        item.setPTitle(name);
    item.setPTypeOfRead(cLiturgyItem::kReadHtml);
    append(m_h2Open % escaped(item.pTitle()) % m_h2Close);
    if (item.mCreateContent())
        append(item.pHTMData());
}

std::unique_ptr<QObject> DayPageAssembly::createContentLinks(qint32 calendarID,
                                                             const QString& conString,
                                                             qint32 serviceTemplate) const {
    std::unique_ptr<QObject> links =
        ObjectRegistry::CreateObject(QString::fromLatin1(cVkContentLinks::kProgId));
    QObject* l = links.get();
    LateBinding::set(l, "pUser", m_user);
    LateBinding::set(l, "pVersion", m_version);
    LateBinding::set(l, "pVkIniFile", m_vkIniFile);
    LateBinding::set(l, "pSQLConnectionString", conString);
    LateBinding::set(l, "pSQLMode", m_sqlMode == -1);
    LateBinding::set(l, "pAppTitle", m_appTitle);
    LateBinding::set(l, "pSubLanguage", 0);
    LateBinding::set(l, "pTemplate", serviceTemplate);
    LateBinding::set(l, "pScanDirection", 0);
    LateBinding::set(l, "pCalendarID", calendarID);
    return links;
}

bool DayPageAssembly::AddThisText(const QString& connectionString, QObject* reading) {
    ProcScope scope("fThisDay.AddThisText");
    bool result = false;
    scope.run([&] {
        const QString ref = LateBinding::get(reading, "pRef").toString();
        cLiturgyItem item;
        item.setPVkIniFile(m_vkIniFile);
        item.setPVersion(m_version);
        item.setPSQLMode(m_sqlMode);
        item.setPConnectionString(connectionString);
        item.setPComponentID(LateBinding::get(reading, "pType").toInt());
        item.setPContentID(LateBinding::get(reading, "pID").toInt());
        item.setPDataFile(liturgyFile());
        item.setPTitle(ref);
        item.setPTypeOfRead(cLiturgyItem::kReadHtml);
        // Captions and references are plain text; only the stored fragments are HTML.
        append(m_h2Open % escaped(LateBinding::get(reading, "pTypeString").toString()) % u": " %
               escaped(ref) % m_h2Close);
        if (!item.mCreateContent())
            return;
        append(item.pHTMData());
        result = true;
    });
    m_view.showNormalPointer();
    return result;
}

void DayPageAssembly::getPrayersForDay(qint32 calendarID) {
    ProcScope scope("fThisDay.getPrayersForDay");
    std::unique_ptr<QObject> links;
    scope.run([&] {
        if (!m_forced && calendarID == m_prayersCache)
            return;
        startSection(&m_prayersCache, calendarID);
        const QString dataFile = liturgyFile();
        if (m_version == EditionCode::kKorvaDiocese && !testFeast(calendarID)) {
            m_view.navigate(kBlank);
            return;
        }
        QList<cLiturgyItem> items;
        for (const PrayerItems::Item& prayer : PrayerItems::forEdition(m_version)) {
            cLiturgyItem item;
            item.setPTitle(prayer.caption);
            item.setPComponentID(prayer.componentID);
            item.setPConnectionString(m_connectionString);
            item.setPDataFile(dataFile);
            item.setPVkIniFile(m_vkIniFile);
            item.setPSQLMode(m_sqlMode);
            item.setPVersion(m_version);
            items.append(item);
        }
        // An edition without prayers, or links that cannot be read, show an empty page rather
        // than a page file that was never written.
        if (items.isEmpty()) {
            m_view.navigate(kBlank);
            return;
        }
        links = createContentLinks(calendarID, m_connectionString, templateOf(m_version));
        QObject* l = links.get();
        if (!LateBinding::call(l, "mInitialize").toBool()) {
            m_view.navigate(kBlank);
            return;
        }
        QObject* vkItem = LateBinding::getObject(l, "pVkItem");
        for (cLiturgyItem& item : items) {
            LateBinding::set(vkItem, "pComponentID", item.pComponentID());
            if (!LateBinding::call(l, "mResolve").toBool()) {
                ui().beep();
                continue;
            }
            item.setPContentID(LateBinding::get(vkItem, "pContentID").toInt());
            const QString name = readValue(QStringLiteral("SELECT Navn FROM tbContent WHERE ID=") +
                                           QString::number(item.pContentID()));
            if (!name.isEmpty())
                item.setPTitle(name);
            item.setPTypeOfRead(cLiturgyItem::kReadHtml);
        }

        appendStyleBlock();
        appendHeading(OleDate::toDate(m_date));
        for (cLiturgyItem& item : items) {
            append(m_h2Open % escaped(item.pTitle()) % m_h2Close);
            if (item.mCreateContent())
                append(item.pHTMData());
        }
        showPage();
    });
    links.reset();
    endSection();
    m_view.showNormalPointer();
}

bool DayPageAssembly::testFeast(qint32 calendarID) {
    ProcScope scope("fThisDay.testFeast");
    bool result = false;
    scope.run([&] {
        if (m_version != EditionCode::kKorvaDiocese) {
            result = true;
            return;
        }
        bool numeric = false;
        const double feast =
            readValue(QStringLiteral("SELECT FeastRef FROM tbCalenderData WHERE ID=") +
                      QString::number(calendarID))
                .trimmed()
                .toDouble(&numeric);
        result = numeric && feast != 103 && feast != 104;
    });
    return result;
}

void DayPageAssembly::cleanMainCSS() {
    ProcScope scope("fThisDay.cleanMainCSS");
    scope.run([&] {
        // The folder where the file was last found missing, unchanged since, cannot hold it now;
        // and while TMPDIR is the same, it is still the temporary folder: an unchanged identity
        // means the same folder, still this user's and private.
        const QString tmpDir = qEnvironmentVariable("TMPDIR");
        if (m_mainCssMissing && m_mainCssMissing->tmpDir == tmpDir &&
            FileIdentity::of(m_mainCssMissing->folder) == m_mainCssMissing->identity)
            return;
        m_mainCssMissing.reset();
        const QString folder = TempPath();
        // Without the temporary folder the name would point into the working folder.
        if (folder.isEmpty())
            return;
        const qint64 since = FileIdentity::stampClock();
        const std::optional<FileIdentity> seen = FileIdentity::of(folder);
        // The name is the one this component gives it, so no search without regard to case.
        const QString file = folder + QStringLiteral("MAIN.CSS");
        if (QFileInfo(file).isFile()) {
            QFile::remove(file);
            return;
        }
        if (seen && !seen->mayChangeUnseen(since))
            m_mainCssMissing = MissingMainCss{tmpDir, folder, *seen};
    });
}

QString DayPageAssembly::getTmpFile(QString prefix) {
    return COSInfo().TempFile(prefix);
}

QString DayPageAssembly::TempPath() {
    return COSInfo().TempPath();
}

QString DayPageAssembly::liturgyFile() const {
    if (m_inSection)
        return m_sectionLiturgyFile;
    return modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
}

QString DayPageAssembly::liturgyConString() const {
    return mADO::mGetConString(liturgyFile(), m_sqlMode, m_connectionString);
}

QString DayPageAssembly::readValue(const QString& sql) const {
    const QString dataFile = liturgyFile();
    const ConnectionPtr connection = mADO::getConnection(dataFile, liturgyConString());
    return mADO::getResData(connection, sql, 1, false).toString();
}

void DayPageAssembly::append(const QString& text) {
    if (!m_page) {
        m_page = openPage();
        // The page is UTF-8, and says so: a mailed or exported copy is read by programs that
        // would otherwise guess another character set.
        m_pageBytes.resize(0);
        m_pageBytes.append(kCharsetDeclaration);
    }
    // Gathered here and written whole when the page closes, as one write.
    m_pageBytes += text.toUtf8();
    m_pageBytes.append("\r\n", 2);
}

std::unique_ptr<QFile> DayPageAssembly::openPage() {
    if (m_htmDataFile.isEmpty())
        throw Failure::pathFileAccess(m_htmDataFile);
    auto file = std::make_unique<QFile>(m_htmDataFile);
    // The new page is written over the old one and cut to its length when it ends: the same
    // bytes as deleting the file and creating it again, without the file system allocating a
    // new file, or flushing an emptied one, on every rebuild.
    // The pieces are gathered by append(): nothing to buffer twice.
    if (m_pageStale && file->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_pageStale = false;
        return file;
    }
    dropStalePage();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        throw Failure::pathFileAccess(m_htmDataFile);
    return file;
}

void DayPageAssembly::dropStalePage() {
    if (!m_pageStale)
        return;
    mVBFileDisk::deleteFile(m_htmDataFile);
    m_pageStale = false;
}

bool DayPageAssembly::closePage() {
    if (!m_page)
        return true;
    // A page as long as the one it overwrote needs no cut, and the usual rebuild is just that.
    bool written = m_page->write(m_pageBytes) == m_pageBytes.size();
    const qint64 end = m_page->pos();
    written = written && (m_page->size() == end || m_page->resize(end));
    m_page->close();
    m_page.reset();
    // The capacity stays for the next page.
    m_pageBytes.resize(0);
    return written;
}

void DayPageAssembly::showPage() {
    dropStalePage();
    if (!closePage())
        throw Failure::pathFileAccess(m_htmDataFile);
    m_view.navigate(m_htmDataFile);
}

void DayPageAssembly::appendStyleBlock() {
    const QString sheet = styleSheet();
    if (sheet.isEmpty())
        return;
    // Read from disk again only when the sheet changed.
    append(u"<Style Type='text/css'>" % IniFileCache::instance().text(sheet) % u"</Style>");
}

QString DayPageAssembly::styleSheet() {
    const QString templates = m_inSection ? m_sectionTemplates
                                          : modIni::read(m_vkIniFile, QStringLiteral("FILES"),
                                                         QStringLiteral("TemplatePath"));
    // The candidates all lie in one folder: while it is unchanged no file in it can have come,
    // gone or been renamed, so the sheet found there last time is still the one.
    const QString folder = mVBFileDisk::folderPart(templates + QStringLiteral("Main.CSS"));
    const qint64 since = FileIdentity::stampClock();
    const std::optional<FileIdentity> seen = FileIdentity::of(folder);
    if (m_styleSheet && m_styleSheet->templates == templates &&
        m_styleSheet->version == m_version && seen == m_styleSheet->folderIdentity)
        return m_styleSheet->sheet;
    m_styleSheet.reset();
    // The style sheet found is one that exists.
    const QString sheet = mMain::styleSheetIn(templates, m_version, true);
    if (seen && !seen->mayChangeUnseen(since))
        m_styleSheet = FoundStyleSheet{templates, m_version, *seen, sheet};
    return sheet;
}

QString DayPageAssembly::headingDate(const QDate& date) {
    // A rebuild of the same date in the same language formats it once.
    const QLocale locale = ResourceStrings::locale();
    if (date != m_headingDate || locale != m_headingLocale) {
        m_headingDateText = escaped(SystemFormats::shortDate(date, locale));
        m_headingDate = date;
        m_headingLocale = locale;
    }
    return m_headingDateText;
}

void DayPageAssembly::appendHeading(const QDate& date) {
    append(m_h1Open % headingDate(date) % u" - " %
           escaped(m_view.dayListText(m_view.dayListIndex())) % m_h1Close);
}

void DayPageAssembly::showNothingAppointed() {
    if (!m_shortPages) {
        m_view.navigate(kBlank);
        return;
    }
    const QDate date = OleDate::toDate(m_date);
    m_pageStale = true;
    appendStyleBlock();
    // The day's name when it has one, else its weekday.
    const int index = m_view.dayListIndex();
    const QString name = index >= 1 ? m_view.dayListText(index)
                                    : ResourceStrings::locale().dayName(date.dayOfWeek());
    append(m_h1Open % escaped(SystemFormats::shortDate(date, ResourceStrings::locale())) % u" - " %
           escaped(name) % m_h1Close);
    append(u"<P>" % escaped(ResourceStrings::nothingAppointed()) % QStringLiteral("</P>"));
    showPage();
}

void DayPageAssembly::startSection(qint32* cache, qint32 calendarID) {
    m_view.showWaitPointer();
    *cache = calendarID;
    cleanMainCSS();
    // The old page goes when the first piece is written, or at the end if none is.
    m_pageStale = true;
    if (!m_inSection)
        beginBuild();
}

void DayPageAssembly::beginBuild() {
    // One build reads the INI file once.
    const QStringList files =
        modIni::read(m_vkIniFile, QStringLiteral("Files"),
                     {QStringLiteral("LiturgyFile"), QStringLiteral("TemplatePath")});
    m_sectionLiturgyFile = files.at(0);
    m_sectionTemplates = files.at(1);
    m_inSection = true;
}

void DayPageAssembly::endSection() {
    // What a failed build wrote stays in the page file.
    closePage();
    dropStalePage();
    m_inSection = false;
    m_sectionLiturgyFile.clear();
    m_sectionTemplates.clear();
}

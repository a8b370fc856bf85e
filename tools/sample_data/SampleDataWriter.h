// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "BibleText.h"
#include "FeastTable.h"
#include "Lectionary.h"
#include "PrayerTexts.h"
#include "SampleEdition.h"
#include "TextTable.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

struct sqlite3;
class SampleSetFolder;

struct SampleDataOptions {
    QString outDir;
    int fromYear = 1990;
    int toYear = 2060;
    QString bibleModule = QStringLiteral("WEB");
    QString swordLibrary; // empty: the system's SWORD configuration
};

// Writes the default data set into a folder: the liturgy database of every sample edition, a
// plan and a service database, the style sheets and the host's INI file "liturgy.ini".
// Everything follows from the options and the data tables, so the same options give the same
// files.
class SampleDataWriter {
public:
    using Progress = std::function<void(const QString&)>;

    static constexpr int kPlanFirstYear = 2025;
    static constexpr int kPlanLastYear = 2027;

    SampleDataWriter(SampleDataOptions options, Progress progress);
    SampleDataWriter(const SampleDataWriter&) = delete;
    SampleDataWriter& operator=(const SampleDataWriter&) = delete;

    // False with `error` set when the options are wrong, an output file exists already or
    // something cannot be written; the files of this run are then removed again. The set is
    // built in a folder of its own inside the output folder and moved into place when it is
    // complete, so that an interrupted run (killed, a full disk) leaves no partial set; what
    // such a run left behind is replaced by the next one.
    bool run(QString* error);

    // The files and folders a run writes, relative to the output folder.
    static QStringList outputNames();
    static QString planFileName() { return QStringLiteral("Plan.MDB"); }
    static QString serviceFileName() { return QStringLiteral("Service.MDB"); }
    static QString templateFolderName() { return QStringLiteral("Templates"); }
    static QString iniFileName() { return QStringLiteral("liturgy.ini"); }
    // The INI file of an edition other than the first, which "liturgy.ini" names.
    static QString editionIniFileName(int code);

    // The caption of a reading of a component number in the edition's language.
    static QString readingCaption(int component, bool norwegian);

private:
    bool build(QString* error);
    bool loadTables(QString* error);
    bool readBible(QString* error);
    bool writeLiturgy(const SampleEdition& edition, QString* error);
    bool writePlan(QString* error);
    bool writeService(QString* error);
    bool writeTemplates(QString* error);
    bool writeIni(QString* error);
    bool createDatabase(const QString& name, int kind, QString* path, QString* error);
    bool writeHymns(sqlite3* db, QString* error) const;
    QString ordo(const SampleEdition& edition, const LiturgicalDay& day,
                 const QList<LectionaryReading>& readings) const;
    // Where a run writes `name`.
    QString path(const QString& name) const;
    // Where `name` ends up.
    QString finalPath(const QString& name) const;

    SampleDataOptions m_options;
    Progress m_progress;
    FeastTable m_feasts;
    Lectionary m_lectionary;
    PrayerTexts m_prayers;
    BibleText m_bible;
    QHash<QString, int> m_bibleIds; // reference -> tbBibleText ID
    QMap<int, BiblePassage> m_passages;
    QList<TextTable::Record> m_hymns;
    SampleSetFolder* m_folder = nullptr; // while a run builds
};

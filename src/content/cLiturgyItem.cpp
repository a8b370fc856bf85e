// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cLiturgyItem.h"

#include "data/mADO.h"
#include "support/EditionCode.h"
#include "support/ProcScope.h"
#include "support/modIni.h"

namespace {

enum class Source { None, Hymn, Bible, Content };

Source sourceOf(qint32 componentID) {
    switch (componentID) {
    case 205:
    case 207:
    case 218:
    case 219:
    case 220:
    case 221:
        return Source::None;
    case 200:
        return Source::Hymn;
    case 202:
    case 203:
    case 204:
    case 208:
    case 209:
    case 211:
    case 212:
    case 213:
    case 214:
    case 215:
    case 216:
    case 217:
        return Source::Bible;
    default:
        return Source::Content;
    }
}

constexpr qint32 kUserTextBase = 10000;
constexpr qint32 kHymnCollection = 100000;

// Leading and trailing blanks go; other white space is part of the fragment.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

qint32 cLiturgyItem::hymnNumber(qint32 contentID, qint32 version) {
    const qint32 collection = contentID / kHymnCollection;
    if (collection < 1)
        return 0;
    const qint32 number = contentID - collection * kHymnCollection;
    if (number > 2000 && version != EditionCode::kBrastelDiocese &&
        version != EditionCode::kBrastelDioceseVariant)
        return number % 1000;
    return number;
}

bool cLiturgyItem::mCreateContent() {
    ProcScope scope("cLiturgyItem.mCreateContent");
    bool result = false;
    scope.run([&] {
        QString sql;
        QString dataFile = m_dataFile;
        int htmlColumn = 1;
        switch (sourceOf(m_componentID)) {
        case Source::None:
            return;
        case Source::Hymn:
            if (m_contentID < 1 || m_dataFile.isEmpty())
                return;
            sql = mADO::fixSQL(QStringLiteral("SELECT Lyrics, HTM_Data FROM tbLyrics WHERE ID = ") +
                                   QString::number(resolveHymnValue(m_contentID)),
                               m_sqlMode);
            break;
        case Source::Bible:
            if (m_contentID < 1)
                return;
            sql = QStringLiteral("SELECT Text, HTM_Data FROM tbBibleText WHERE ID = ") +
                  QString::number(m_contentID);
            break;
        case Source::Content:
            if (m_contentID < 1)
                return;
            if (m_contentID <= kUserTextBase) {
                sql = QStringLiteral("SELECT Text, HTM_Data FROM tbContent WHERE ID = ") +
                      QString::number(m_contentID);
            } else {
                sql = QStringLiteral("SELECT Text FROM tbUserText WHERE ID = ") +
                      QString::number(m_contentID - kUserTextBase);
                dataFile = modIni::read(m_vkIniFile, QStringLiteral("Files"),
                                        QStringLiteral("ServiceFile"));
                htmlColumn = 0;
            }
            break;
        }
        const QString conString = mADO::mGetConString(dataFile, m_sqlMode, m_connectionString);
        const ConnectionPtr connection = mADO::getConnection(dataFile, conString);
        if (!connection)
            throw Failure::objectNotSet(QStringLiteral("connection of ") + dataFile);
        const RecordsetPtr rs = connection->openRecordset(sql);
        if (rs->Bof() || rs->Eof())
            return;
        if (m_typeOfRead & kReadHtml)
            m_htmData = trimBlanks(rs->value(htmlColumn).toString());
        rs->Close();
        result = true;
    });
    return result;
}

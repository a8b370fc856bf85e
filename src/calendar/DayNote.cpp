// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/DayNote.h"

#include "data/mADO.h"
#include "support/EditionCode.h"

bool DayNote::shown(qint32 version) {
    return version == EditionCode::kBrastelDiocese || version == EditionCode::kKorvaDiocese ||
           version == EditionCode::kQuorvanCoastalChurch ||
           version == EditionCode::kBrastelDioceseVariant;
}

QString DayNote::read(const ConnectionPtr& con, int year, int month, int day, qint32 version) {
    const QString literal = QStringLiteral("#%1/%2/%3#").arg(month).arg(day).arg(year);
    const ResData rows = mADO::getResData(
        con,
        QStringLiteral("SELECT FeastRef FROM tbCalenderData WHERE tbCalenderData.Date = ") +
            literal + QStringLiteral(" ORDER BY tbCalenderData.ID"),
        3, false);
    if (!rows.isTable() || rows.table().rowCount() == 0)
        return {};
    const RowTable& table = rows.table();
    const auto description = [&](int row) {
        const QVariant feast = table.at(0, row);
        if (feast.isNull())
            return QString();
        return mADO::getResData(con,
                                QStringLiteral("SELECT tbFeasts.Description FROM tbFeasts "
                                               "WHERE tbFeasts.ID=") +
                                    QString::number(feast.toLongLong()),
                                1, false)
            .toString();
    };
    const auto laterRows = [&] {
        for (int row = 1; row < table.rowCount(); ++row) {
            const QString text = description(row);
            if (!text.isEmpty())
                return text;
        }
        return QString();
    };
    if (table.at(0, 0).toLongLong() > 0) {
        const QString note = description(0);
        if (note.isEmpty() && (version == EditionCode::kQuorvanCoastalChurch ||
                               version == EditionCode::kBrastelDiocese))
            return laterRows();
        return note;
    }
    if (version == EditionCode::kBrastelDiocese)
        return laterRows();
    return {};
}

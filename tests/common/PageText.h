// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>

// A page as a test compares it: "A4 landscape 20,20,20,20 mm" (paper, orientation, margins
// left, top, right, bottom to the millimetre); "nothing" for no page.
inline QString pageText(const QPageLayout& page) {
    if (!page.isValid())
        return QStringLiteral("nothing");
    const QMarginsF m = page.margins(QPageLayout::Millimeter);
    return QStringLiteral("%1 %2 %3,%4,%5,%6 mm")
        .arg(page.pageSize().key(), page.orientation() == QPageLayout::Landscape
                                        ? QStringLiteral("landscape")
                                        : QStringLiteral("portrait"))
        .arg(qRound(m.left()))
        .arg(qRound(m.top()))
        .arg(qRound(m.right()))
        .arg(qRound(m.bottom()));
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QString>

// The prayers that the prayers page of an edition shows, in page order: each a caption and the
// liturgy component whose content the day links to it. Component 201 is the collect of the day
// in every edition.
namespace PrayerItems {

struct Item {
    QString caption;
    qint32 componentID;
};

// The prayers of edition `version`; none for an edition without prayers.
QList<Item> forEdition(qint32 version);

} // namespace PrayerItems

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QtGlobal>

// The edition codes that the component's conditions name: where an edition behaves unlike the
// others (its pages, notes, fills, templates and panes). The edition table of the resources
// names every edition with its database and display name.
struct EditionCode {
    static constexpr qint32 kBrastelAssembly = 1;
    static constexpr qint32 kPelusineChurch = 39;
    static constexpr qint32 kVelmarkChurch = 47;
    static constexpr qint32 kHubrenUnionChurch = 490;
    static constexpr qint32 kOrsaveGatheringChurch = 1005; // has no prayers pane
    static constexpr qint32 kBrastelDiocese = 1007;
    static constexpr qint32 kKorvaDiocese = 1011; // has the ordo pane
    static constexpr qint32 kQuorvanCoastalChurch = 1015;
    // A code without a row in the edition table, taken as the Brastel Diocese where named.
    static constexpr qint32 kBrastelDioceseVariant = 10024;
    // Not an edition: the host asks for the edition chooser.
    static constexpr qint32 kMultiEdition = 1020;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleEdition.h"

const QList<SampleEdition>& SampleEdition::all() {
    static const QList<SampleEdition> editions = [] {
        QList<SampleEdition> list;

        SampleEdition assembly;
        assembly.code = 1;
        assembly.fileName = QStringLiteral("Brastelo.MDB");
        assembly.prayers = {{QStringLiteral("sentence"), 3},
                            {QStringLiteral("call"), 167},
                            {QStringLiteral("collect"), 201},
                            {QStringLiteral("thanksgiving"), 16}};
        list.append(assembly);

        SampleEdition velmark;
        velmark.code = 47;
        velmark.fileName = QStringLiteral("Velmarka.MDB");
        velmark.norwegian = true;
        velmark.style.norwegian = true;
        velmark.style.blackGoodFriday = true;
        // The Church of Norway keeps Lent's violet through Holy Week.
        velmark.style.violetHolyWeek = true;
        velmark.prayers = {{QStringLiteral("collect"), 201}};
        list.append(velmark);

        SampleEdition diocese;
        diocese.code = 1007;
        diocese.fileName = QStringLiteral("Brastume.MDB");
        diocese.style.scarletHolyWeek = true;
        diocese.prayers = {
            {QStringLiteral("entrance"), 34},  {QStringLiteral("collect"), 201},
            {QStringLiteral("gifts"), 13},     {QStringLiteral("preface"), 15},
            {QStringLiteral("communion"), 43}, {QStringLiteral("aftercommunion"), 29}};
        list.append(diocese);

        SampleEdition korva;
        korva.code = 1011;
        korva.fileName = QStringLiteral("KorvaLume.MDB");
        korva.prayers = {{QStringLiteral("entrance"), 2},
                         {QStringLiteral("collect"), 201},
                         {QStringLiteral("gifts"), 12},
                         {QStringLiteral("communion"), 72},
                         {QStringLiteral("aftercommunion"), 23}};
        korva.ordo = true;
        // A church of the Roman rite: Monday to Wednesday of Holy Week are violet.
        korva.style.violetHolyWeek = true;
        korva.feastsWithoutPrayers = {103, 104};
        korva.hiddenFeasts = {101, 155, 486, 490, 530};
        list.append(korva);

        SampleEdition quorvan;
        quorvan.code = 1015;
        quorvan.fileName = QStringLiteral("Quorvane.MDB");
        quorvan.style.blueAdvent = true;
        quorvan.prayers = {{QStringLiteral("sentence"), 4},
                           {QStringLiteral("collect"), 201},
                           {QStringLiteral("peace"), 22},
                           {QStringLiteral("blessing"), 41},
                           {QStringLiteral("acclamation"), 12}};
        list.append(quorvan);
        return list;
    }();
    return editions;
}

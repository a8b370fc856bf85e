// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/EditionChooserBox.h"

#include "host_window/EditionChooser.h"
#include "host_window/HostInteraction.h"
#include "host_window/ui/HostSettings.h"
#include "resources/mMain.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>

EditionChooserBox::EditionChooserBox(QComboBox& box, HostInteraction& model,
                                     const HostSettings& settings)
    : Combo1(box), m_model(model), m_settings(settings) {}

void EditionChooserBox::fill(qint32 version) {
    const bool multi = shared().gMultiEditionMode;
    Combo1.setVisible(multi);
    if (!multi)
        return;
    // An edition whose database is missing stays in the list, named with the file it
    // needs, but cannot be picked.
    auto* model = qobject_cast<QStandardItemModel*>(Combo1.model());
    for (const EditionChooser::Item& item : EditionChooser::items(m_settings.liturgyFile())) {
        Combo1.addItem(EditionChooser::itemText(item), item.code);
        if (!item.available && model)
            model->item(Combo1.count() - 1)->setEnabled(false);
    }
    const qint32 configured = mMain::validateVersion(version, m_settings.vkIniFile);
    // The first item of that code; none: the first item.
    const int index = qMax(0, Combo1.findData(configured));
    Combo1.setCurrentIndex(index);
    m_chosenIndex = index;
}

void EditionChooserBox::chosen(int index) {
    if (index < 0)
        return;
    ProcScope scope("fHoster.Combo1_Click");
    scope.run(
        [&] {
            const qint32 code = Combo1.itemData(index).toInt();
            if (m_model.chooseEdition(code, m_settings.vkIniFile,
                                      m_disk ? *m_disk : RealDiskInterface::instance()))
                m_chosenIndex = index;
        },
        [&](const Failure& failure) {
            ProcScope::handle(failure);
            // The chooser keeps showing the edition that the INI file names.
            const QSignalBlocker block(&Combo1);
            Combo1.setCurrentIndex(m_chosenIndex);
        });
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QtGlobal>

class DiskInterface;
class HostInteraction;
class QComboBox;
struct HostSettings;

// The edition chooser `Combo1` of the multi-edition window: filled with the editions (one whose
// database is missing is named with the file it needs and cannot be picked), and a pick handed to
// the interaction model; a pick that fails leaves the chooser on the edition the INI file names.
class EditionChooserBox {
public:
    EditionChooserBox(QComboBox& box, HostInteraction& model, const HostSettings& settings);

    // The disk that a pick writes the INI file through (tests make it fail).
    void setDisk(DiskInterface* disk) { m_disk = disk; }
    // Shown only in multi-edition mode, then filled and set to the edition of `version`, or to
    // its first item.
    void fill(qint32 version);
    // The user picked the item at `index`.
    void chosen(int index);

private:
    QComboBox& Combo1;
    HostInteraction& m_model;
    const HostSettings& m_settings;
    DiskInterface* m_disk = nullptr;
    int m_chosenIndex = 0; // the chooser item that the INI file names
};

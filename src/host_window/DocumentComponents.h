// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// Registers the component's word processor ("Word.Application") and month export
// ("DeVerazararuDevur.CLiturgicalMonth"). With `desktop` the word processor exists only where
// the desktop has an application for OpenDocument text (elsewhere its creation fails with 429)
// and shows its documents there; without, it only writes the files it is asked to save, which
// is what a process without a desktop needs.
void registerDocumentComponents(bool desktop = true);

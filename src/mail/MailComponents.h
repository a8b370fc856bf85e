// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// Registers the component's messaging objects under "MSMAPI.MAPISession" and
// "MSMAPI.MAPIMessages". They can be created only where xdg-email is installed; elsewhere the
// creation fails with 429 and mail goes through a "mailto:" request. The process calls it once
// at start.
void registerMailComponents();

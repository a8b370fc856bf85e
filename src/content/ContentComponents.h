// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// Registers the component's own readings and content-links components under their
// programmatic identifiers. The process calls it once at start, before the first day page.
void registerContentComponents();

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

/** @file
 * What the component's library exports: its entry points and the facade class. Everything
 * else is built hidden and stays inside the library, so that it can change without breaking
 * hosts. */
#ifndef VOVORUZEVUDADUDAREXPORT_H
#define VOVORUZEVUDADUDAREXPORT_H

#if defined(__GNUC__) || defined(__clang__)
#define VOVORUZEVUDADUDAR_EXPORT __attribute__((visibility("default")))
#else
#define VOVORUZEVUDADUDAR_EXPORT
#endif

#endif

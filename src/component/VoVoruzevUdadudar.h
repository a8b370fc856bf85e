// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

/** @file
 * The entry points of the component's library, libVoVoruzevUdadudar.so, for hosts that load it
 * at run time. Results follow the usual convention of such servers: 0 success, 1 "no",
 * negative numbers failures. */
#ifndef VOVORUZEVUDADUDAR_H
#define VOVORUZEVUDADUDAR_H

#include "VoVoruzevUdadudarExport.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/** Success. */
#define LC_S_OK 0
/** "No": the component cannot be unloaded yet. */
#define LC_S_FALSE 1
#define LC_E_FAIL ((int32_t)0x80004005)
#define LC_E_POINTER ((int32_t)0x80004003)
#define LC_CLASS_E_CLASSNOTAVAILABLE ((int32_t)0x80040111)
#define LC_SELFREG_E_CLASS ((int32_t)0x80040201)

/** Writes the manifest (class name and this library's path) into the user's component folder. */
VOVORUZEVUDADUDAR_EXPORT int32_t DllRegisterServer(void);
/** Removes the manifest; success also when there was none. */
VOVORUZEVUDADUDAR_EXPORT int32_t DllUnregisterServer(void);
/** For "VoVoruzevUdadudar.cVoVoruzevUdadudar" (or "cVoVoruzevUdadudar"): the class object, a
 * QObject whose invokable CreateInstance() returns a new instance (a QObject owned by the
 * caller). */
VOVORUZEVUDADUDAR_EXPORT int32_t DllGetClassObject(const char* className, void** classObject);
/** LC_S_OK when no instance and no window of the component is alive, else LC_S_FALSE. */
VOVORUZEVUDADUDAR_EXPORT int32_t DllCanUnloadNow(void);
/** The QWidget of a window handle of the component (to embed it), or null. */
VOVORUZEVUDADUDAR_EXPORT void* VoVoruzevUdadudarWindow(int32_t handle);
/** The moment the component takes as now on the calling thread, in milliseconds since
 * 1970-01-01 UTC: "Go to Today", the mark of today in the calendars and the dates of print all
 * follow it, for a host that shows a day of its own choosing (or a test). 0 gives the system
 * clock back. */
VOVORUZEVUDADUDAR_EXPORT void VoVoruzevUdadudarSetNow(int64_t msecsSinceEpoch);

#ifdef __cplusplus
}
#endif

#endif

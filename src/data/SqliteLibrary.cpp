// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqliteLibrary.h"

#include <cstring>
#include <link.h>
#include <sqlite3.h>

namespace {

struct DynamicNames {
    QList<QByteArray> needed;
    QByteArray soname;
};

// The names in the dynamic section of a loaded object.
DynamicNames namesOf(const dl_phdr_info* info) {
    DynamicNames names;
    const ElfW(Dyn)* dynamic = nullptr;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type == PT_DYNAMIC)
            dynamic =
                reinterpret_cast<const ElfW(Dyn)*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
    }
    if (!dynamic)
        return names;
    ElfW(Addr) strings = 0;
    for (const ElfW(Dyn)* d = dynamic; d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_STRTAB)
            strings = d->d_un.d_ptr;
    }
    if (!strings)
        return names;
    // The loader relocates the table's address in place on most systems, not on all.
    if (strings < info->dlpi_addr)
        strings += info->dlpi_addr;
    const char* table = reinterpret_cast<const char*>(strings);
    for (const ElfW(Dyn)* d = dynamic; d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_NEEDED)
            names.needed.append(QByteArray(table + d->d_un.d_val));
        else if (d->d_tag == DT_SONAME)
            names.soname = QByteArray(table + d->d_un.d_val);
    }
    return names;
}

struct Search {
    const char* object = nullptr;
    const void* address = nullptr;
    bool found = false;
    DynamicNames names;
};

bool holds(const dl_phdr_info* info, const void* address) {
    const auto at = reinterpret_cast<ElfW(Addr)>(address);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        const ElfW(Addr) start = info->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && at >= start && at < start + segment.p_memsz)
            return true;
    }
    return false;
}

int visit(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    const bool match = search->object
                           ? info->dlpi_name && std::strstr(info->dlpi_name, search->object)
                           : holds(info, search->address);
    if (!match)
        return 0;
    search->found = true;
    search->names = namesOf(info);
    return 1;
}

} // namespace

namespace SqliteLibrary {

QList<QByteArray> neededBy(const char* object, QByteArray* soname) {
    Search search;
    search.object = object;
    dl_iterate_phdr(visit, &search);
    if (soname)
        *soname = search.names.soname;
    return search.names.needed;
}

QByteArray sonameAt(const void* address) {
    Search search;
    search.address = address;
    dl_iterate_phdr(visit, &search);
    return search.names.soname;
}

bool driverSharesOurs() {
    // The loaded libraries are the same for the life of the process once the driver is in.
    static const bool shares = [] {
        const QByteArray ours = sonameAt(reinterpret_cast<const void*>(&sqlite3_prepare_v2));
        return !ours.isEmpty() && neededBy("/libqsqlite").contains(ours);
    }();
    return shares;
}

} // namespace SqliteLibrary

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/cWindowList.h"

#include <QPointer>
#include <QWidget>

namespace cWindowList {

namespace {

struct Entry {
    qint32 handle;
    QPointer<QWidget> window;
};

struct List {
    QList<Entry> entries;
    // Handles look like the system's: even numbers well above the small integers.
    qint32 next = 0x10002;

    void prune() {
        entries.removeIf([](const Entry& e) { return e.window.isNull(); });
    }
    bool used(qint32 handle) const {
        for (const Entry& e : entries)
            if (e.handle == handle)
                return true;
        return false;
    }
    qint32 newHandle() {
        do {
            if (next <= 0 || next > 0x7FFFFFF0)
                next = 0x10002;
            next += 2;
        } while (used(next));
        return next;
    }
};

List& list() {
    static List l;
    return l;
}

} // namespace

qint32 add(QWidget* window) {
    if (!window)
        return 0;
    List& l = list();
    l.prune();
    if (const qint32 h = handleOf(window))
        return h;
    const qint32 handle = l.newHandle();
    l.entries.append({handle, window});
    QObject::connect(window, &QObject::destroyed, [handle] {
        list().entries.removeIf([handle](const Entry& e) { return e.handle == handle; });
    });
    return handle;
}

qint32 handleOf(const QWidget* window) {
    if (!window)
        return 0;
    for (const Entry& e : list().entries)
        if (e.window == window)
            return e.handle;
    return 0;
}

QWidget* find(qint32 handle) {
    if (handle == 0)
        return nullptr;
    for (const Entry& e : list().entries)
        if (e.handle == handle && e.window)
            return e.window;
    return nullptr;
}

QList<QWidget*> windows() {
    List& l = list();
    l.prune();
    QList<QWidget*> result;
    for (const Entry& e : l.entries)
        result.append(e.window);
    return result;
}

int count() {
    List& l = list();
    l.prune();
    return int(l.entries.size());
}

void unload(QWidget* window) {
    if (!window || handleOf(window) == 0)
        return;
    window->hide();
    delete window;
}

} // namespace cWindowList

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/mCommands.h"

#include "support/LateBinding.h"

#include <QHash>

namespace mCommands {

namespace {

struct Row {
    Dispatch dispatch;
    Status status;
};

const QList<QPair<QString, Row>>& rows() {
    using D = Dispatch;
    using S = Status;
    static const QList<QPair<QString, Row>> table = [] {
        QList<QPair<QString, Row>> t;
        auto add = [&t](std::initializer_list<const char*> ids, D d, S s) {
            for (const char* id : ids)
                t.append({QString::fromLatin1(id), Row{d, s}});
        };
        add({"ID_PREVIEW", "ID_PRINT"}, D::Print, S::Enable);
        add({"ID_PAGE_SETUP"}, D::Forward, S::Enable);
        add({"ID_CLICK_AND_PRINT"}, D::Ignore, S::Disable);
        add({"OPEN_IN_MS_WORD"}, D::Word, S::Untouched);
        add({"ID_SEND"}, D::Send, S::EnableWhenDayPage);
        add({"ID_NEW_EMAIL"}, D::Forward, S::Enable);
        add({"ID_VK_LITURGY_CALENDAR_NEW_SERVICE", "ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE"},
            D::NewService, S::Untouched);
        add({"ID_SEARCH_ON_WEB", "ID_SEARCH_COMPUTER"}, D::Forward, S::Enable);
        add({"ID_PREVIOUS", "ID_NEXT"}, D::Ignore, S::Enable);
        add({"ID_GO_HOME"}, D::Ignore, S::Enable);
        add({"ID_SAVE_AS", "ID_COPY", "ID_CUT", "ID_PASTE", "ID_DELETE_ITEM",
             "ID_DELETE_COLLECTION", "ID_PROPERTIES", "ID_SELECT_ALL", "ID_SEARCH_ITEM",
             "ID_EXPAND_ALL", "ID_EXPAND_ONE", "ID_COLLAPS_ALL", "ID_VIEW_FOLDERS",
             "ID_VIEW_PREVIEW"},
            D::Ignore, S::Disable);
        add({"ID_SEARCH_COLLECTION"}, D::Forward, S::Disable);
        add({"ID_VIEW_LARGE_ICONS", "ID_VIEW_SMALL_ICONS", "ID_VIEW_LIST", "ID_VIEW_DETAILS",
             "ID_GO_TO", "ID_STOP", "ID_REFRESH"},
            D::Ignore, S::Disable);
        add({"ID_FORWARD", "ID_ADD_CLIP_ART", "ID_ADD_TO_FAVORITES", "ID_ORGANIZE_FAVORITES",
             "ID_ADD_SONG"},
            D::Ignore, S::Untouched);
        add({"ID_SYSTEM", "ID_ADD_CLIP_ART_COLLECTION", "ID_ADD_SONG_COLLECTION", "ID_OPTIONS",
             "ID_TOPMOST", "ID_VISIT", "ID_ABOUT", "ID_START_DOWN_LOAD", "ID_VIEW_OUTLOOK_BAR",
             "ID_CONTROL_PANEL", "ID_OPEN_WIN_EXPLORER", "ID_NEW_WINDOW", "ID_RESET_TOOLBARS",
             "ID_CHECK_UPDATE", "ID_PRINTER_SETTINGS", "ID_OPEN_MY_COMPUTER",
             "ID_OPEN_NETWORK_PLACES", "ID_OPEN_PRINTERS"},
            D::Forward, S::Untouched);
        return t;
    }();
    return table;
}

const Row* find(const QString& id) {
    for (const auto& [name, row] : rows())
        if (name == id)
            return &row;
    return nullptr;
}

} // namespace

Dispatch dispatchOf(const QString& id) {
    if (const Row* row = find(id))
        return row->dispatch;
    if (id.left(6) == QLatin1String("ID_URL") || id.left(6) == QLatin1String("ID_MS_"))
        return Dispatch::Forward;
    return Dispatch::Ignore;
}

bool carryOut(QObject* window, const QString& id) {
    switch (dispatchOf(id)) {
    case Dispatch::Forward:
        return LateBinding::call(window, "sendCommand", {id}).toBool();
    case Dispatch::Print:
        return LateBinding::call(window, "doPrint", {id}).toBool();
    case Dispatch::Word:
        return LateBinding::call(window, "openInMSWord").toBool();
    case Dispatch::Send:
        return LateBinding::call(window, "doSend", {id}).toBool();
    case Dispatch::NewService:
        return LateBinding::call(window, "newService", {id}).toBool();
    case Dispatch::Ignore:
        break;
    }
    return false;
}

Status statusOf(const QString& id) {
    if (const Row* row = find(id))
        return row->status;
    return Status::Untouched;
}

QStringList knownIdentifiers() {
    QStringList ids;
    for (const auto& [name, row] : rows())
        ids.append(name);
    return ids;
}

QList<Tool> windowTools() {
    return {
        {"ID_PRINT", QT_TRANSLATE_NOOP("QObject", "Print"), "document-print"},
        {"ID_PREVIEW", QT_TRANSLATE_NOOP("QObject", "Preview"), "document-print-preview"},
        {"OPEN_IN_MS_WORD", QT_TRANSLATE_NOOP("QObject", "Word"), "x-office-document"},
        {"ID_SEND", QT_TRANSLATE_NOOP("QObject", "Send"), "mail-send"},
        {"ID_VK_LITURGY_CALENDAR_NEW_SERVICE", QT_TRANSLATE_NOOP("QObject", "New Service"),
         "appointment-new"},
        {"ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE",
         QT_TRANSLATE_NOOP("QObject", "Recurring Services"), "view-calendar-week"},
    };
}

} // namespace mCommands

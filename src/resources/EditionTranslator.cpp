// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "resources/EditionTranslator.h"

#include "support/SharedState.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The translator is found again by its name on the application object, so that the window
// program and the component's library, each with its own copy of this code, share one.
constexpr const char* kName = "liturgyCalendarTranslator";
constexpr qint32 kNorwegianOffset = 1000;

// The component's own texts, and the texts of Qt's dialogs and buttons, of which Debian ships
// no Bokmål translation.
constexpr const char* kFiles[] = {":/i18n/liturgy_nb.qm", ":/i18n/qtbase_nb.qm"};

QList<QTranslator*> current() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return {};
    return app->findChildren<QTranslator*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
}

} // namespace

void EditionTranslator::follow() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    const QList<QTranslator*> translators = current();
    const bool norwegian = shared().gLanguageOffset == kNorwegianOffset;
    if (norwegian == !translators.isEmpty())
        return;
    if (!norwegian) {
        for (QTranslator* translator : translators) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        return;
    }
    for (const char* file : kFiles) {
        auto* translator = new QTranslator(app);
        translator->setObjectName(QLatin1String(kName));
        // Built into the library; without it the texts stay English.
        if (!translator->load(QLatin1String(file))) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
    }
}

bool EditionTranslator::installed() {
    return !current().isEmpty();
}

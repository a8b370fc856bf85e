// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/ui/QtServiceDialogs.h"

#include "services/ServiceComponents.h"
#include "services/ui/fCreateOneService.h"
#include "services/ui/fRecurringServices.h"

#include <QApplication>

bool QtServiceDialogs::editOne(cVkRecurringServices& services) {
    fCreateOneService dialog(services, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtServiceDialogs::editSeries(cVkRecurringServices& services) {
    fRecurringServices dialog(services, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtServiceDialogs::registerComponent() {
    registerServiceComponents([] { return std::make_unique<QtServiceDialogs>(); });
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/PreviewNames.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>

namespace PreviewNames {

void name(QPrintPreviewDialog& dialog, const QString& document) {
    const QString preview = QCoreApplication::translate("PreviewNames", "Print Preview");
    dialog.setAccessibleName(document.isEmpty() ? preview
                                                : preview + QStringLiteral(": ") + document);
    // The pages take the focus when the preview opens.
    const QString pages = QCoreApplication::translate("PreviewNames", "Pages");
    for (QPrintPreviewWidget* widget : dialog.findChildren<QPrintPreviewWidget*>()) {
        widget->setAccessibleName(pages);
        for (QAbstractScrollArea* view : widget->findChildren<QAbstractScrollArea*>()) {
            view->setAccessibleName(pages);
            view->viewport()->setAccessibleName(pages);
        }
    }
    for (QToolBar* bar : dialog.findChildren<QToolBar*>())
        bar->setAccessibleName(preview);
    // The zoom is the one list; the page number the one field outside it.
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        field->setAccessibleName(qobject_cast<QComboBox*>(field->parentWidget())
                                     ? QCoreApplication::translate("PreviewNames", "Zoom")
                                     : QCoreApplication::translate("PreviewNames", "Page"));
    }
}

} // namespace PreviewNames

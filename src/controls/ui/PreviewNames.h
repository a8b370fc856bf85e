// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class QPrintPreviewDialog;

// Qt's print preview carries the title it is given, and leaves its pages, its tool bar and its
// zoom and page fields without a name; a screen reader would hear only the program's name and
// then nothing. These name them, in the edition's language, for the document `document`.
namespace PreviewNames {

void name(QPrintPreviewDialog& dialog, const QString& document);

} // namespace PreviewNames

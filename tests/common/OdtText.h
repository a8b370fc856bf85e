// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>

// The text of an OpenDocument text file as a test compares it: one line per paragraph or
// heading, white space collapsed as the format reads it and trimmed at line ends, line breaks
// as "/"; a table row as one line of its cells joined by " | ", the paragraphs of a cell joined
// by "/", and a cell shaded whole (not only behind its paragraphs) followed by its colour in
// brackets ("3/Lent 3 [#b377d7]").
// A file that cannot be read gives "<unreadable>".
QString odtText(const QString& file);
// The content.xml of an OpenDocument file as unzip reads it; empty when it cannot be read.
QByteArray odtContent(const QString& file);

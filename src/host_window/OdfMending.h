// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>

// Mends two faults of Qt's OpenDocument writer in a document's content.xml. The writer puts a
// tab before every line break, which a word processor shows as a blank line after each psalm
// line; the tab goes. It gives a shaded table cell's colour to the paragraph inside it, so only
// the line behind the text is shaded; each such cell gets the colour of its first paragraph as
// its own background, in a style of its own.
namespace OdfMending {

// The mended content.xml; `content` itself when it is not well-formed.
QByteArray mendContent(const QByteArray& content);

} // namespace OdfMending

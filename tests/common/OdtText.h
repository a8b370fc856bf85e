#pragma once

#include <QString>

// The text of an OpenDocument text file as a test compares it: one line per paragraph or
// heading; a table row as one line of its cells joined by " | ", the paragraphs of a cell
// joined by "/", and a shaded cell followed by its colour in brackets ("3/Lent 3 [#5b2c6f]").
// A file that cannot be read gives "<unreadable>".
QString odtText(const QString& file);

#pragma once

#include <QColor>
#include <QLocale>
#include <QStringList>

class QFont;
class QPainter;
class QRect;
class QRectF;

// Drawing pieces that the month and week calendar views share.
namespace CalendarPaint {

// A colour value 0x00BBGGRR (red in the low byte) as a QColor.
QColor fromColorValue(qint32 value);
// Black or white, whichever reads better on `background`.
QColor readableOn(const QColor& background);
// The service marker in the top right corner of `cell`: one dot for one service (1), two for
// more (3); nothing for 0.
void drawMarker(QPainter& painter, const QRectF& cell, int marker, const QColor& color);
// The frame of the current date around `cell` (nothing for an empty cell): a line in the
// highlight colour, thicker while the view has the focus.
void drawCurrentFrame(QPainter& painter, const QRect& cell, const QColor& highlight, bool focused);
// `text` broken into lines of at most `width` pixels in `font`: at word boundaries, and inside
// a word only when it is wider than a line. With more than `maxLines` lines (0: no limit) the
// last one kept ends in an ellipsis.
QStringList wrapText(const QString& text, const QFont& font, int width, int maxLines = 0);
// The entries of a comma-separated list of names; `fallback` when it does not hold `count`.
QStringList splitNames(const QString& list, int count, const QStringList& fallback);
// A mouse button as the calendar controls report it: 1 left, 2 right, 4 middle, 0 another.
int buttonCode(Qt::MouseButton button);
// The default locale's abbreviated weekday names, Sunday first, and full month names.
QStringList localeDayNames(const QLocale& locale = QLocale());
QStringList localeMonthNames(const QLocale& locale = QLocale());

} // namespace CalendarPaint

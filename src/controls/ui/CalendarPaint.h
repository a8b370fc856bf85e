// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QColor>
#include <QLocale>
#include <QPalette>
#include <QStringList>
#include <QTextLayout>
#include <optional>
#include <utility>

class QFont;
class QFontMetricsF;
class QPaintDevice;
class QPainter;
class QRect;
class QRectF;

// Drawing pieces that the month and week calendar views share.
namespace CalendarPaint {

// A colour value 0x00BBGGRR (red in the low byte) as a QColor.
QColor fromColorValue(qint32 value);
// The contrast ratio of two colours as the web's accessibility guidelines compute it, from 1
// (the same) to 21 (black and white).
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever has the higher contrast with `background`: never less than 4.58.
QColor readableOn(const QColor& background);
// `preferred` when it has a contrast of at least 4.5 with `background` (what text needs to be
// read by most people), else black or white.
QColor textOn(const QColor& background, const QColor& preferred);
// Background and text of a month day: its liturgical colour with black or white text; a day
// without colour in the palette's base and text; a day of a neighbouring month in the
// alternate base, its number dimmed as far as it stays readable.
std::pair<QColor, QColor> dayColors(const QPalette& palette, bool inMonth,
                                    std::optional<qint32> color);
// The one-pixel border inside `cell`, in `color`: what drawRect(cell.adjusted(0, 0, -1, -1))
// draws with a one-pixel pen and no brush, as four strips that do not overlap, which the raster
// engine fills directly rather than through its line stroker.
void drawCellBorder(QPainter& painter, const QRect& cell, const QColor& color);
// Background and text of a band of names (the month's title and weekdays, a week day's
// header; today's header in the highlight colours).
std::pair<QColor, QColor> bandColors(const QPalette& palette, bool highlighted = false);
// The service marker at the right end of `band` (the line of a cell's day number or header):
// one dot for one service (1), two for more (3); nothing for 0. The dots stay inside the band,
// so that they never cover the text below it.
void drawMarker(QPainter& painter, const QRectF& band, int marker, const QColor& color);
// How much of the right end of `band` the marker takes: text in the band stays left of it.
qreal markerWidth(const QRectF& band, int marker);
// The frame of the current date around `cell` (nothing for an empty cell): a line in the
// highlight colour and inside it one in the text colour of the cell's `background`, so that it
// shows on every liturgical colour; both thicker while the view has the focus.
void drawCurrentFrame(QPainter& painter, const QRect& cell, const QColor& highlight,
                      const QColor& background, bool focused);
// `text` broken into lines of at most `width` in `font` on `device` (the screen when null): at
// word boundaries only; a word wider than a line is shortened with an ellipsis. With more than
// `maxLines` lines (0: no limit) the last one kept ends in an ellipsis.
QStringList wrapText(const QString& text, const QFont& font, qreal width, int maxLines = 0,
                     QPaintDevice* device = nullptr);
// `text` made of parts joined by " - " (a service's time, place and kind) broken after a part
// before it is broken inside one: parts that fit a line together share it, a line that a part
// ends keeps its " -" where it fits, and a part wider than a line is wrapped as wrapText wraps
// it.
QStringList wrapParts(const QString& text, const QFont& font, qreal width,
                      QPaintDevice* device = nullptr);

// `text` wrapped as wrapText wraps it, laid out once for counting its lines and drawing them.
class WrappedText {
public:
    // In the painter's font and on its device.
    WrappedText(const QString& text, const QPainter& painter, qreal width, int maxLines = 0);
    WrappedText(const QString& text, const QFont& font, qreal width, int maxLines,
                QPaintDevice* device);

    // The lines as wrapText gives them.
    const QStringList& lines() const { return m_lines; }
    // Line `index` at the top left of `rect`, as drawText(rect, Qt::AlignLeft | Qt::AlignTop)
    // draws it in the font the text was wrapped in; a line as it was laid out is drawn from
    // the layout, without shaping it again.
    void drawLine(QPainter& painter, qsizetype index, const QRectF& rect) const;

private:
    QTextLayout m_layout;
    QStringList m_lines;
    QList<bool> m_asLaidOut; // the line is the layout's line less its trailing spaces
};
// The first of `forms` (longest first; each the texts shown side by side) in which every text
// fits its own width of `widths`, so that the texts stay alike; the last form when none does.
QStringList firstFittingAlike(const QList<QStringList>& forms, const QFontMetricsF& metrics,
                              const QList<qreal>& widths);
// The shorter forms of `names`, longest first: as they are, without an abbreviation's point,
// two letters, one letter.
QList<QStringList> nameForms(const QStringList& names);
// `names` in the longest of their forms that fits `width` for every one of them.
QStringList fittingNames(const QStringList& names, const QFontMetricsF& metrics, qreal width);
// The entries of a comma-separated list of names; `fallback` when it does not hold `count`.
QStringList splitNames(const QString& list, int count, const QStringList& fallback);
// A mouse button as the calendar controls report it: 1 left, 2 right, 4 middle, 0 another.
int buttonCode(Qt::MouseButton button);
// The default locale's abbreviated weekday names, Sunday first, and full month names.
QStringList localeDayNames(const QLocale& locale = QLocale());
QStringList localeMonthNames(const QLocale& locale = QLocale());

} // namespace CalendarPaint

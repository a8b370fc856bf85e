// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarPaint.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTextLayout>
#include <cmath>

namespace CalendarPaint {

QColor fromColorValue(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

namespace {

double luminance(const QColor& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

constexpr double kTextContrast = 4.5;

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableOn(const QColor& background) {
    // Brightness alone put white on the liturgical violet and green, which then read at about
    // 3:1; the ratio itself picks black there.
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

QColor textOn(const QColor& background, const QColor& preferred) {
    return contrastRatio(background, preferred) >= kTextContrast ? preferred
                                                                 : readableOn(background);
}

std::pair<QColor, QColor> dayColors(const QPalette& palette, bool inMonth,
                                    std::optional<qint32> color) {
    if (!inMonth) {
        const QColor background = palette.color(QPalette::AlternateBase);
        return {background, textOn(background, palette.color(QPalette::PlaceholderText))};
    }
    if (color) {
        const QColor background = fromColorValue(*color);
        return {background, readableOn(background)};
    }
    const QColor background = palette.color(QPalette::Base);
    return {background, textOn(background, palette.color(QPalette::Text))};
}

std::pair<QColor, QColor> bandColors(const QPalette& palette, bool highlighted) {
    const QColor background = palette.color(highlighted ? QPalette::Highlight : QPalette::Window);
    return {background, textOn(background, palette.color(highlighted ? QPalette::HighlightedText
                                                                     : QPalette::WindowText))};
}

void drawCurrentFrame(QPainter& painter, const QRect& cell, const QColor& highlight,
                      const QColor& background, bool focused) {
    if (cell.isEmpty())
        return;
    const int outer = focused ? 3 : 2;
    const int inner = focused ? 2 : 1;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(highlight, outer, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QRectF frame =
        QRectF(cell).adjusted(outer / 2.0, outer / 2.0, -outer / 2.0, -outer / 2.0);
    painter.drawRect(frame);
    painter.setPen(
        QPen(readableOn(background), inner, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal in = outer + inner / 2.0;
    painter.drawRect(QRectF(cell).adjusted(in, in, -in, -in));
}

namespace {

qreal markerRadius(const QRectF& band) {
    return qMin(band.height() / 4, band.width() / 16);
}

} // namespace

qreal markerWidth(const QRectF& band, int marker) {
    if (marker <= 0)
        return 0;
    const qreal r = markerRadius(band);
    return marker >= 3 ? r * 6 : r * 3;
}

void drawMarker(QPainter& painter, const QRectF& band, int marker, const QColor& color) {
    if (marker <= 0 || band.isEmpty())
        return;
    const qreal r = markerRadius(band);
    const int dots = marker >= 3 ? 2 : 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (int i = 0; i < dots; ++i) {
        const QPointF centre(band.right() - r * 1.5 - i * r * 3, band.center().y());
        painter.drawEllipse(centre, r, r);
    }
    painter.restore();
}

QStringList wrapText(const QString& text, const QFont& font, qreal width, int maxLines,
                     QPaintDevice* device) {
    if (text.isEmpty() || width <= 0)
        return {};
    const QFontMetricsF metrics(font, device);
    QTextLayout layout(text, font, device);
    QTextOption option;
    // Never inside a word: "Christma / s Eve" reads as two words that do not exist.
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString shown = text.mid(line.textStart(), line.textLength()).trimmed();
        lines.append(metrics.horizontalAdvance(shown) > width
                         ? metrics.elidedText(shown, Qt::ElideRight, width)
                         : shown);
    }
    layout.endLayout();
    if (maxLines > 0 && lines.size() > maxLines) {
        // The last kept line runs on into the rest of the text, then is cut with an ellipsis.
        QString rest = text.mid(layout.lineAt(maxLines - 1).textStart()).simplified();
        lines = lines.mid(0, maxLines);
        lines.last() = metrics.elidedText(rest, Qt::ElideRight, width);
    }
    return lines;
}

QString firstFitting(const QStringList& forms, const QFontMetricsF& metrics, qreal width) {
    for (const QString& form : forms) {
        if (metrics.horizontalAdvance(form) <= width)
            return form;
    }
    return forms.isEmpty() ? QString() : metrics.elidedText(forms.last(), Qt::ElideRight, width);
}

QStringList fittingNames(const QStringList& names, const QFontMetricsF& metrics, qreal width) {
    QString (*const forms[])(const QString&) = {
        [](const QString& n) { return n; },
        [](const QString& n) { return n.endsWith(QLatin1Char('.')) ? n.chopped(1) : n; },
        [](const QString& n) { return n.left(2); },
        [](const QString& n) { return n.left(1); },
    };
    QStringList shown;
    for (const auto& form : forms) {
        shown.clear();
        bool fits = true;
        for (const QString& name : names) {
            shown.append(form(name));
            fits = fits && metrics.horizontalAdvance(shown.last()) <= width;
        }
        if (fits)
            break;
    }
    return shown;
}

QStringList splitNames(const QString& list, int count, const QStringList& fallback) {
    const QStringList names = list.split(QLatin1Char(','));
    return names.size() == count ? names : fallback;
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

QStringList localeDayNames(const QLocale& locale) {
    QStringList names;
    // Sunday first, as the calendar controls count.
    names.append(locale.dayName(7, QLocale::ShortFormat));
    for (int d = 1; d <= 6; ++d)
        names.append(locale.dayName(d, QLocale::ShortFormat));
    return names;
}

QStringList localeMonthNames(const QLocale& locale) {
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names.append(locale.standaloneMonthName(m, QLocale::LongFormat));
    return names;
}

} // namespace CalendarPaint

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

void drawCellBorder(QPainter& painter, const QRect& cell, const QColor& color) {
    if (cell.width() < 3 || cell.height() < 3) {
        painter.setPen(color);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        return;
    }
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), color);
    painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), color);
    painter.fillRect(QRect(cell.left(), cell.top() + 1, 1, cell.height() - 2), color);
    painter.fillRect(QRect(cell.right(), cell.top() + 1, 1, cell.height() - 2), color);
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
    return WrappedText(text, font, width, maxLines, device).lines();
}

QStringList wrapParts(const QString& text, const QFont& font, qreal width, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; };
    if (fits(text))
        return wrapText(text, font, width, 0, device);
    const QStringList parts = text.split(QStringLiteral(" - "));
    const QString dash = QStringLiteral(" -");
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool more = i + 1 < parts.size();
        const QString part = more ? parts[i] + dash : parts[i];
        const QString joined = line.isEmpty() ? part : line + QLatin1Char(' ') + part;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line.clear();
        if (fits(part)) {
            line = part;
            continue;
        }
        // The dash ends the part's last line where it fits, never a line of its own.
        QStringList wrapped = wrapText(parts[i], font, width, 0, device);
        if (more && !wrapped.isEmpty() && fits(wrapped.last() + dash))
            wrapped.last() += dash;
        lines += wrapped;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

WrappedText::WrappedText(const QString& text, const QPainter& painter, qreal width, int maxLines)
    : WrappedText(text, painter.font(), width, maxLines, painter.device()) {}

namespace {

// Whether drawText lays out `line` on a left-to-right line of its own as the wrapping laid it
// out: no right-to-left script or direction mark, which would change the direction or order,
// and no line break, tab or separator of a text's shorter forms, which drawText reads itself.
bool drawnAlike(QStringView line) {
    for (const QChar c : line) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return false;
        default:
            break;
        }
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
            c == QChar(0x9c) || c == QChar::LineSeparator)
            return false;
    }
    return true;
}

} // namespace

WrappedText::WrappedText(const QString& text, const QFont& font, qreal width, int maxLines,
                         QPaintDevice* device)
    : m_layout(text, font, device) {
    if (text.isEmpty() || width <= 0)
        return;
    const QFontMetricsF metrics(font, device);
    QTextOption option;
    // Never inside a word: "Christma / s Eve" reads as two words that do not exist.
    option.setWrapMode(QTextOption::WordWrap);
    m_layout.setTextOption(option);
    // Without it the layout forgets its shaped glyphs at the end and shapes again to draw.
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width);
        const QStringView laidOut = QStringView(text).mid(line.textStart(), line.textLength());
        const QString shown = laidOut.trimmed().toString();
        // Only a word longer than the line runs past it.
        const bool fits = line.naturalTextWidth() <= width;
        m_lines.append(fits ? shown : metrics.elidedText(shown, Qt::ElideRight, width));
        // Wrapping leaves the spaces between two lines at the end of the first, unseen.
        m_asLaidOut.append(fits && laidOut.startsWith(shown) && drawnAlike(shown));
    }
    m_layout.endLayout();
    if (maxLines > 0 && m_lines.size() > maxLines) {
        // The last kept line runs on into the rest of the text, then is cut with an ellipsis.
        const QString rest = text.mid(m_layout.lineAt(maxLines - 1).textStart()).simplified();
        m_lines.resize(maxLines);
        m_asLaidOut.resize(maxLines);
        m_lines.last() = metrics.elidedText(rest, Qt::ElideRight, width);
        m_asLaidOut.last() = false;
    }
}

void WrappedText::drawLine(QPainter& painter, qsizetype index, const QRectF& rect) const {
    // Right to left, drawText puts the line at the right of `rect`.
    if (!m_asLaidOut.value(index) || painter.layoutDirection() == Qt::RightToLeft) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, m_lines.value(index));
        return;
    }
    const QTextLine line = m_layout.lineAt(int(index));
    line.draw(&painter, QPointF(rect.left() - line.x(), rect.top() - line.y()));
}

QStringList firstFittingAlike(const QList<QStringList>& forms, const QFontMetricsF& metrics,
                              const QList<qreal>& widths) {
    for (const QStringList& form : forms) {
        bool fits = true;
        for (qsizetype i = 0; i < form.size() && fits; ++i)
            fits = metrics.horizontalAdvance(form[i]) <= widths.value(i);
        if (fits)
            return form;
    }
    return forms.isEmpty() ? QStringList() : forms.last();
}

QList<QStringList> nameForms(const QStringList& names) {
    QString (*const shorten[])(const QString&) = {
        [](const QString& n) { return n; },
        [](const QString& n) { return n.endsWith(QLatin1Char('.')) ? n.chopped(1) : n; },
        [](const QString& n) { return n.left(2); },
        [](const QString& n) { return n.left(1); },
    };
    QList<QStringList> forms;
    for (const auto& form : shorten) {
        QStringList shown;
        for (const QString& name : names)
            shown.append(form(name));
        forms.append(shown);
    }
    return forms;
}

QStringList fittingNames(const QStringList& names, const QFontMetricsF& metrics, qreal width) {
    return firstFittingAlike(nameForms(names), metrics, QList<qreal>(names.size(), width));
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

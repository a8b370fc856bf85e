#include "controls/ui/CalendarPaint.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTextLayout>

namespace CalendarPaint {

QColor fromColorValue(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor readableOn(const QColor& background) {
    // Perceived brightness (ITU-R BT.601 weights); the threshold keeps white text on the
    // mid-tone liturgical greens, violets and reds.
    const double luma =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luma > 150 ? QColor(Qt::black) : QColor(Qt::white);
}

void drawCurrentFrame(QPainter& painter, const QRect& cell, const QColor& highlight, bool focused) {
    if (cell.isEmpty())
        return;
    painter.setPen(QPen(highlight, focused ? 3 : 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
}

void drawMarker(QPainter& painter, const QRectF& cell, int marker, const QColor& color) {
    if (marker <= 0)
        return;
    const qreal r = qMax<qreal>(2.5, qMin(cell.width(), cell.height()) / 16);
    const int dots = marker >= 3 ? 2 : 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (int i = 0; i < dots; ++i) {
        const QPointF centre(cell.right() - r * 2 - i * r * 3, cell.top() + r * 2);
        painter.drawEllipse(centre, r, r);
    }
    painter.restore();
}

QStringList wrapText(const QString& text, const QFont& font, int width, int maxLines) {
    if (text.isEmpty() || width <= 0)
        return {};
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    if (maxLines > 0 && lines.size() > maxLines) {
        // The last kept line runs on into the rest of the text, then is cut with an ellipsis.
        QString rest = lines[maxLines - 1];
        for (qsizetype i = maxLines; i < lines.size(); ++i)
            rest += QLatin1Char(' ') + lines[i];
        lines = lines.mid(0, maxLines);
        lines.last() = QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
    }
    return lines;
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

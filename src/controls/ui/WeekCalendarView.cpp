// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/WeekCalendarView.h"

#include "controls/CalendarLocale.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/CalendarTableAccessible.h"
#include "support/SharedState.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kMargin = 4;
constexpr int kBarWidth = 5;
constexpr int kMinTextLines = 3;
// A column narrower than this many average letters beside a colour bar is read word by word.
constexpr int kMinColumnLetters = 15;
// The column counts a week can be laid out in: each row count with its widest columns.
constexpr int kColumnChoices[] = {7, 4, 3, 2, 1};

QStringList textLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

} // namespace

WeekCalendarView::WeekCalendarView(QWidget* parent)
    : QAbstractScrollArea(parent), m_dayNames(CalendarPaint::localeDayNames()),
      m_monthNames(CalendarPaint::localeMonthNames()) {
    // Before anything asks for the view's accessible interface, which Qt then keeps.
    CalendarTableAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setAccessibleName(tr("Week calendar"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layoutRows();
}

void WeekCalendarView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Week calendar"));
    // The days' names follow the language and the locale.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        CalendarTableAccessible::announceCurrent(this);
}

void WeekCalendarView::setCurrentDate(const QDate& date) {
    if (date == m_model.currentDate())
        return;
    m_model.setCurrentDate(date);
    viewport()->update();
    emit dateChanged(date);
    CalendarTableAccessible::announceCurrent(this);
}

void WeekCalendarView::setRange(const QDate& first, const QDate& last) {
    m_model.setStartDate(first);
    m_model.setEndDate(last);
    m_rangeSet = true;
    layoutRows();
    CalendarTableAccessible::announceCurrent(this);
}

int WeekCalendarView::shownMonth() const {
    return m_rangeSet ? m_model.endDate().month() : 0;
}

int WeekCalendarView::shownYear() const {
    return m_rangeSet ? m_model.endDate().year() : 0;
}

void WeekCalendarView::setDayNames(const QString& names) {
    m_dayNames = CalendarPaint::splitNames(names, 7, CalendarPaint::localeDayNames());
    viewport()->update();
}

void WeekCalendarView::setMonthNames(const QString& names) {
    m_monthNames = CalendarPaint::splitNames(names, 12, CalendarPaint::localeMonthNames());
    viewport()->update();
}

QDate WeekCalendarView::firstCellDate() const {
    return CalendarLocale::startOfWeek(m_model.startDate(), m_model.firstDayOfWeek());
}

int WeekCalendarView::weekCount() const {
    const qint64 days = firstCellDate().daysTo(m_model.endDate());
    return days < 0 ? 0 : int(days / 7) + 1;
}

int WeekCalendarView::headerHeight() const {
    // The header is bold, which some fonts draw taller.
    QFont bold = font();
    bold.setBold(true);
    return qMax(fontMetrics().height(), QFontMetrics(bold).height()) + 4;
}

int WeekCalendarView::columnsFor(int width) const {
    const int least =
        kMinColumnLetters * fontMetrics().averageCharWidth() + 2 + 2 * kMargin + kBarWidth + 1;
    for (const int columns : kColumnChoices) {
        if (width / columns >= least)
            return columns;
    }
    return 1;
}

int WeekCalendarView::rowCount() const {
    const qint64 last = firstCellDate().daysTo(m_model.endDate());
    if (last < 0)
        return 0;
    return int(last / 7) * rowsPerWeek() + int(last % 7) / m_columns + 1;
}

QDate WeekCalendarView::dateOfPlace(int row, int col) const {
    const int day = (row % rowsPerWeek()) * m_columns + col;
    if (col < 0 || col >= m_columns || day >= 7)
        return {};
    return firstCellDate().addDays(qint64(row / rowsPerWeek()) * 7 + day);
}

QRect WeekCalendarView::placeRect(int row, int col) const {
    const int w = viewport()->width();
    const int x0 = w * col / m_columns;
    return QRect(x0, rowTop(row), w * (col + 1) / m_columns - x0, m_rowHeights.value(row));
}

void WeekCalendarView::layoutRows() {
    m_rowHeights.clear();
    m_columns = columnsFor(viewport()->width());
    const int rows = rowCount();
    const int line = fontMetrics().height();
    // Seven columns keep room for three lines; a narrow view does not lengthen every day.
    const int minLines = m_columns == 7 ? kMinTextLines : 1;
    const int header = headerHeight();
    int total = 0;
    for (int row = 0; row < rows; ++row) {
        int lines = minLines;
        for (int col = 0; col < m_columns; ++col) {
            const QDate date = dateOfPlace(row, col);
            if (date.isValid())
                lines = qMax(lines, int(shownLines(date, placeRect(row, col).width()).size()));
        }
        const int h = header + lines * line + 2 * kMargin;
        m_rowHeights.append(h);
        total += h;
    }
    // Rows share the spare height so that a short month fills the pane.
    const int spare = viewport()->height() - total;
    if (rows > 0 && spare > 0) {
        for (int row = 0; row < rows; ++row)
            m_rowHeights[row] += spare / rows;
        total += (spare / rows) * rows;
    }
    verticalScrollBar()->setRange(0, qMax(0, total - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(line);
    viewport()->update();
}

int WeekCalendarView::rowTop(int row) const {
    int y = -verticalScrollBar()->value();
    for (int r = 0; r < row && r < m_rowHeights.size(); ++r)
        y += m_rowHeights[r];
    return y;
}

QRect WeekCalendarView::cellRect(const QDate& date) const {
    if (!m_model.inRange(date))
        return {};
    const qint64 index = firstCellDate().daysTo(date);
    const int day = int(index % 7);
    const int row = int(index / 7) * rowsPerWeek() + day / m_columns;
    if (row >= m_rowHeights.size())
        return {};
    return placeRect(row, day % m_columns);
}

int WeekCalendarView::colourBars(const QDate& date) const {
    int bars = 0;
    for (int i = 1; i <= WeekCalendarModel::kColors; ++i)
        bars += m_model.dateColor(date, i) ? 1 : 0;
    return bars;
}

QRect WeekCalendarView::textArea(const QDate& date, const QRect& cell) const {
    const int top = cell.top() + 1 + headerHeight() + kMargin / 2;
    const QRect columns = textColumns(date, cell);
    return QRect(QPoint(columns.left(), top),
                 QPoint(columns.right(), qMax(top, cell.bottom() - 1)));
}

QRect WeekCalendarView::textColumns(const QDate& date, const QRect& cell) const {
    const int left = cell.left() + 1 + colourBars(date) * (kBarWidth + 1) + kMargin;
    const int right = cell.right() - 1 - kMargin;
    return QRect(QPoint(left, cell.top()), QPoint(qMax(left, right), cell.bottom()));
}

QList<QStringList> WeekCalendarView::wrappedLines(const QDate& date, int cellWidth) const {
    // The width alone: the header's height, which takes a bold font to measure, does not
    // change it.
    const int width = textColumns(date, QRect(0, 0, cellWidth, 1)).width();
    const QStringList lines = textLines(m_model.dateText(date));
    // The services are the last lines of the text.
    const qsizetype firstService = lines.size() - m_model.dateServices(date).size();
    QList<QStringList> wrapped;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        wrapped.append(m_columns < 7 && i >= firstService
                           ? CalendarPaint::wrapParts(lines[i], font(), width)
                           : CalendarPaint::wrapText(lines[i], font(), width));
        // An empty line (a date with services but no liturgical day) keeps its place.
        if (wrapped.last().isEmpty())
            wrapped.last().append(QString());
    }
    return wrapped;
}

QStringList WeekCalendarView::shownLines(const QDate& date, int cellWidth) const {
    QStringList shown;
    for (const QStringList& lines : wrappedLines(date, cellWidth))
        shown += lines;
    return shown;
}

QStringList WeekCalendarView::headers() const {
    const QDate start = m_model.startDate();
    const qint64 count = start.daysTo(m_model.endDate()) + 1;
    if (count <= 0)
        return {};
    QFont bold = font();
    bold.setBold(true);
    QStringList weekdays;
    QStringList days;
    QStringList months;
    QList<qreal> widths;
    for (qint64 i = 0; i < count; ++i) {
        const QDate date = start.addDays(i);
        weekdays.append(m_dayNames.value(CalendarLocale::weekday(date) - 1));
        days.append(QString::number(date.day()));
        months.append(m_monthNames.value(date.month() - 1).left(3));
        // Beside the marker: never cut letters.
        const QRect cell = cellRect(date);
        const QRectF band(0, 0, cell.width() - 2 - 2 * kMargin, headerHeight());
        widths.append(band.width() - CalendarPaint::markerWidth(band, m_model.dateMarker(date)));
    }
    const auto joined = [](const QStringList& a, const QStringList& b) {
        QStringList texts;
        for (qsizetype i = 0; i < a.size(); ++i)
            texts.append(a[i] + QLatin1Char(' ') + b[i]);
        return texts;
    };
    // The weekdays shorten alike, as the month's weekday names do, once the month is left out.
    QList<QStringList> forms = {joined(joined(weekdays, days), months)};
    for (const QStringList& names : CalendarPaint::nameForms(weekdays))
        forms.append(joined(names, days));
    forms.append(days);
    return CalendarPaint::firstFittingAlike(forms, QFontMetricsF(bold), widths);
}

QStringList WeekCalendarView::fittingLines(const QDate& date, const QRect& cell) const {
    QStringList lines = shownLines(date, cell.width());
    const int room = (cell.bottom() - textArea(date, cell).top()) / fontMetrics().height();
    lines.resize(qBound(qsizetype(0), qsizetype(room), lines.size()));
    return lines;
}

QStringList WeekCalendarView::drawnLines(const QDate& date) const {
    const QRect cell = cellRect(date);
    if (cell.isEmpty())
        return {};
    return QStringList{headers().value(m_model.startDate().daysTo(date))} +
           fittingLines(date, cell);
}

QDate WeekCalendarView::dateAt(const QPoint& pos) const {
    const int w = viewport()->width();
    if (w <= 0 || pos.x() < 0 || pos.x() >= w)
        return {};
    const int col = qBound(0, pos.x() * m_columns / w, m_columns - 1);
    int y = rowTop(0);
    for (int row = 0; row < m_rowHeights.size(); ++row) {
        if (pos.y() >= y && pos.y() < y + m_rowHeights[row]) {
            const QDate date = dateOfPlace(row, col);
            return m_model.inRange(date) ? date : QDate();
        }
        y += m_rowHeights[row];
    }
    return {};
}

void WeekCalendarView::ensureDateVisible(const QDate& date) {
    const QRect cell = cellRect(date);
    if (cell.isEmpty())
        return;
    QScrollBar* bar = verticalScrollBar();
    if (cell.top() < 0)
        bar->setValue(bar->value() + cell.top());
    else if (cell.bottom() > viewport()->height())
        bar->setValue(bar->value() + qMin(cell.top(), cell.bottom() - viewport()->height()));
}

void WeekCalendarView::redraw() {
    layoutRows();
    // A refill ends here, with the days' new texts.
    CalendarTableAccessible::announceNames(this);
}

QSize WeekCalendarView::sizeHint() const {
    return QSize(7 * 110, 5 * (headerHeight() + kMinTextLines * fontMetrics().height() + 8));
}

void WeekCalendarView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int columns = m_columns;
    layoutRows();
    // Laid out in other columns, the current date may have moved far from where it was.
    if (m_columns != columns)
        ensureDateVisible(currentDate());
}

void WeekCalendarView::scrollContentsBy(int, int) {
    viewport()->update();
}

void WeekCalendarView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette pal = palette();
    p.fillRect(viewport()->rect(), pal.color(QPalette::Base));
    const QFontMetrics fm(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold);
    const QDate today = now().date();
    const QStringList titles = headers();
    for (int row = 0; row < m_rowHeights.size(); ++row) {
        for (int col = 0; col < m_columns; ++col) {
            const QDate date = dateOfPlace(row, col);
            const QRect cell = placeRect(row, col);
            if (cell.bottom() < 0 || cell.top() > viewport()->height())
                continue;
            const bool inRange = m_model.inRange(date);
            p.fillRect(cell,
                       inRange ? pal.color(QPalette::Base) : pal.color(QPalette::AlternateBase));
            CalendarPaint::drawCellBorder(p, cell, pal.color(QPalette::Mid));
            if (!inRange)
                continue;

            // Header: weekday and date, today's in the highlight colour.
            const QRect header(cell.left() + 1, cell.top() + 1, cell.width() - 2, headerHeight());
            const auto [band, bandText] = CalendarPaint::bandColors(pal, date == today);
            p.fillRect(header, band);
            p.setPen(bandText);
            p.setFont(bold);
            const QRectF titleBand = header.adjusted(kMargin, 0, -kMargin, 0);
            const int marker = m_model.dateMarker(date);
            p.drawText(titleBand, Qt::AlignLeft | Qt::AlignVCenter,
                       boldMetrics.elidedText(
                           titles.value(m_model.startDate().daysTo(date)), Qt::ElideRight,
                           titleBand.width() - CalendarPaint::markerWidth(titleBand, marker)));
            CalendarPaint::drawMarker(p, titleBand, marker, p.pen().color());

            // Colour bars down the left edge, then the text.
            const QRect body(cell.left() + 1, header.bottom() + 1, cell.width() - 2,
                             cell.bottom() - header.bottom() - 1);
            int bars = 0;
            for (int i = 1; i <= WeekCalendarModel::kColors; ++i) {
                if (const auto c = m_model.dateColor(date, i)) {
                    p.fillRect(QRect(body.left() + bars * (kBarWidth + 1), body.top(), kBarWidth,
                                     body.height()),
                               CalendarPaint::fromColorValue(*c));
                    ++bars;
                }
            }
            const QRect text = textArea(date, cell);
            p.setFont(font());
            p.setPen(CalendarPaint::dayColors(pal, true, std::nullopt).second);
            int y = text.top();
            for (const QString& line : fittingLines(date, cell)) {
                p.drawText(QRect(text.left(), y, text.width(), fm.height()),
                           Qt::AlignLeft | Qt::AlignVCenter, line);
                y += fm.height();
            }
        }
        // Where a week takes several rows, a stronger line tells the weeks apart.
        if (rowsPerWeek() > 1 && row > 0 && row % rowsPerWeek() == 0)
            p.fillRect(QRect(0, rowTop(row), viewport()->width(), 2), pal.color(QPalette::Dark));
    }
    CalendarPaint::drawCurrentFrame(p, cellRect(currentDate()), pal.color(QPalette::Highlight),
                                    pal.color(QPalette::Base), hasFocus());
}

void WeekCalendarView::moveTo(const QDate& date) {
    if (!date.isValid() || !m_model.inRange(date))
        return;
    setCurrentDate(date);
    ensureDateVisible(date);
}

void WeekCalendarView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        moveTo(dateAt(event->position().toPoint()));
    QAbstractScrollArea::mousePressEvent(event);
}

void WeekCalendarView::hover(const QDate& date) {
    if (date == m_hover)
        return;
    m_hover = date;
    emit dateHovered(date);
}

void WeekCalendarView::mouseMoveEvent(QMouseEvent* event) {
    hover(dateAt(event->position().toPoint()));
    QAbstractScrollArea::mouseMoveEvent(event);
}

void WeekCalendarView::leaveEvent(QEvent* event) {
    hover(QDate());
    QAbstractScrollArea::leaveEvent(event);
}

void WeekCalendarView::mouseReleaseEvent(QMouseEvent* event) {
    if (const int code = CalendarPaint::buttonCode(event->button()))
        emit mouseReleased(code);
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void WeekCalendarView::keyPressEvent(QKeyEvent* event) {
    const QDate d = currentDate();
    // Up and Down go to the same weekday of the week above or below; where the days are stacked
    // one a row, to the day above or below.
    const int down = m_columns == 1 ? 1 : 7;
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(d.addDays(-1));
        break;
    case Qt::Key_Right:
        moveTo(d.addDays(1));
        break;
    case Qt::Key_Up:
        moveTo(d.addDays(-down));
        break;
    case Qt::Key_Down:
        moveTo(d.addDays(down));
        break;
    case Qt::Key_PageUp:
        moveTo(qMax(m_model.startDate(), d.addDays(-28)));
        break;
    case Qt::Key_PageDown:
        moveTo(qMin(m_model.endDate(), d.addDays(28)));
        break;
    case Qt::Key_Home:
        moveTo(m_model.startDate());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit dayActivated(d);
        break;
    case Qt::Key_F10:
        if (event->modifiers() != Qt::ShiftModifier) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        [[fallthrough]];
    case Qt::Key_Menu:
        emit menuRequested(d, QString(), viewport()->mapToGlobal(cellRect(d).center()));
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void WeekCalendarView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // The keys ask for the menu themselves (keyPressEvent), wherever the mouse is.
    if (event->reason() == QContextMenuEvent::Keyboard)
        return;
    // The scroll area hands on the viewport's event: the point is the viewport's.
    const QPoint pos = event->pos();
    const QDate date = dateAt(pos);
    if (!date.isValid())
        return;
    moveTo(date);
    emit menuRequested(date, lineAt(pos), event->globalPos());
}

QString WeekCalendarView::lineAt(const QPoint& pos) const {
    const QDate date = dateAt(pos);
    const QRect text = textArea(date, cellRect(date));
    if (!date.isValid() || pos.y() < text.top())
        return {};
    const int row = (pos.y() - text.top()) / fontMetrics().height();
    const QStringList lines = textLines(m_model.dateText(date));
    const QList<QStringList> wrapped = wrappedLines(date, cellRect(date).width());
    qsizetype shown = 0;
    for (qsizetype i = 0; i < lines.size() && i < wrapped.size(); ++i) {
        shown += wrapped[i].size();
        if (row < shown)
            return lines[i];
    }
    return {};
}

void WeekCalendarView::focusInEvent(QFocusEvent* event) {
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
    // The reader hears the day, not only the calendar: Qt tells it of the calendar once this
    // returns, so the day is told after that, or the reader would end on the calendar.
    QMetaObject::invokeMethod(
        this, [this] { CalendarTableAccessible::announceCurrent(this); }, Qt::QueuedConnection);
}

void WeekCalendarView::focusOutEvent(QFocusEvent* event) {
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}

QRect WeekCalendarView::gridCellRect(const QDate& date) const {
    const QRect cell = cellRect(date);
    return cell.isEmpty() ? cell : cell.translated(viewport()->pos());
}

QString WeekCalendarView::gridTitle() const {
    // Before its first fill the view has no range of its own to name.
    if (!m_rangeSet)
        return accessibleName();
    return speech().range(m_model.startDate(), m_model.endDate());
}

QStringList WeekCalendarView::gridColumnNames() const {
    return speech().weekdays(m_model.firstDayOfWeek());
}

QString WeekCalendarView::gridSpokenDay(const QDate& date) const {
    const CalendarSpeech said = speech();
    if (!m_model.inRange(date))
        return said.date(date);
    // The text holds the names, then one line per service; the services are said apart.
    const QStringList services = m_model.dateServices(date);
    const QStringList lines = textLines(m_model.dateText(date));
    const QStringList names = lines.mid(0, qMax<qsizetype>(0, lines.size() - services.size()));
    QList<qint32> colors;
    for (int i = 1; i <= WeekCalendarModel::kColors; ++i) {
        if (const auto color = m_model.dateColor(date, i))
            colors.append(*color);
    }
    return said.day(date, names, colors, services, m_model.dateMarker(date));
}

QList<QWidget*> WeekCalendarView::gridControls() const {
    return {verticalScrollBar()};
}

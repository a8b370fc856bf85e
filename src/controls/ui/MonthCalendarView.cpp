// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/MonthCalendarView.h"

#include "controls/CalendarLocale.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/CalendarTableAccessible.h"
#include "support/SharedState.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kWeeks = 6;
constexpr int kMargin = 4;

} // namespace

MonthCalendarView::MonthCalendarView(QWidget* parent)
    : QWidget(parent), m_dayNames(CalendarPaint::localeDayNames()),
      m_monthNames(CalendarPaint::localeMonthNames()), m_previous(new QToolButton(this)),
      m_next(new QToolButton(this)) {
    // Before anything asks for the view's accessible interface, which Qt then keeps.
    CalendarTableAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAutoRaise(true);
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAutoRaise(true);
    retranslate();
    connect(m_previous, &QToolButton::clicked, this, [this] { moveBy(0, -1); });
    connect(m_next, &QToolButton::clicked, this, [this] { moveBy(0, 1); });
    updateAccessibleText();
}

void MonthCalendarView::retranslate() {
    setAccessibleName(tr("Month calendar"));
    m_previous->setAccessibleName(tr("Previous month"));
    m_previous->setToolTip(tr("Previous month (Page Up)"));
    m_next->setAccessibleName(tr("Next month"));
    m_next->setToolTip(tr("Next month (Page Down)"));
}

void MonthCalendarView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    // The days' names follow the language and the locale.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        updateAccessibleText();
}

void MonthCalendarView::setCurrentDate(const QDate& date) {
    if (date == m_model.currentDate())
        return;
    m_model.setCurrentDate(date);
    update();
    emit currentDateChanged(shownMonth(), shownYear());
    // After the listeners, which refill a new month, so that the reader hears its days.
    updateAccessibleText();
}

void MonthCalendarView::setShownMonth(int month) {
    m_model.setMonth(month);
    update();
    emit currentDateChanged(shownMonth(), shownYear());
    // After the listeners, which refill a new month, so that the reader hears its days.
    updateAccessibleText();
}

void MonthCalendarView::setShownYear(int year) {
    m_model.setYear(year);
    update();
    emit currentDateChanged(shownMonth(), shownYear());
    // After the listeners, which refill a new month, so that the reader hears its days.
    updateAccessibleText();
}

QString MonthCalendarView::dayCellText(int day) const {
    if (day < 1 || day > m_model.daysInMonth())
        return {};
    return m_model.dayText(day, 1);
}

void MonthCalendarView::setDayNames(const QString& names) {
    m_dayNames = CalendarPaint::splitNames(names, 7, CalendarPaint::localeDayNames());
    update();
}

void MonthCalendarView::setMonthNames(const QString& names) {
    m_monthNames = CalendarPaint::splitNames(names, 12, CalendarPaint::localeMonthNames());
    updateAccessibleText();
    update();
}

void MonthCalendarView::refresh() {
    updateAccessibleText();
    update();
}

QDate MonthCalendarView::firstShownDate() const {
    return CalendarLocale::startOfWeek(m_model.dateOfDay(1), m_model.firstDayOfWeek());
}

int MonthCalendarView::headerHeight() const {
    return fontMetrics().height() + 2 * kMargin;
}

QFont MonthCalendarView::titleFont() const {
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    return title;
}

QRect MonthCalendarView::titleRect() const {
    // As high as the title's own font, which is larger than the weekdays'.
    const int text = QFontMetrics(titleFont()).height() + 2 * kMargin;
    return QRect(0, 0, width(), qMax(text, m_previous->sizeHint().height() + 4));
}

QRect MonthCalendarView::gridRect() const {
    const int top = titleRect().bottom() + 1 + headerHeight();
    return QRect(0, top, width(), qMax(0, height() - top));
}

QRect MonthCalendarView::cellRect(const QDate& date) const {
    const qint64 index = firstShownDate().daysTo(date);
    if (index < 0 || index >= 7 * kWeeks)
        return {};
    const QRect grid = gridRect();
    const int col = int(index % 7);
    const int row = int(index / 7);
    const int x0 = grid.left() + grid.width() * col / 7;
    const int x1 = grid.left() + grid.width() * (col + 1) / 7;
    const int y0 = grid.top() + grid.height() * row / kWeeks;
    const int y1 = grid.top() + grid.height() * (row + 1) / kWeeks;
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QDate MonthCalendarView::dateAt(const QPoint& pos) const {
    const QRect grid = gridRect();
    if (!grid.contains(pos) || grid.width() <= 0 || grid.height() <= 0)
        return {};
    const int col = qBound(0, (pos.x() - grid.left()) * 7 / grid.width(), 6);
    const int row = qBound(0, (pos.y() - grid.top()) * kWeeks / grid.height(), kWeeks - 1);
    return firstShownDate().addDays(row * 7 + col);
}

int MonthCalendarView::dayAt(const QPoint& pos) const {
    const QDate date = dateAt(pos);
    if (!date.isValid() || date.month() != shownMonth() || date.year() != shownYear())
        return 0;
    return date.day();
}

QSize MonthCalendarView::sizeHint() const {
    return QSize(7 * 110, titleRect().height() + headerHeight() + kWeeks * 70);
}

QSize MonthCalendarView::minimumSizeHint() const {
    return QSize(7 * 40, titleRect().height() + headerHeight() + kWeeks * 30);
}

void MonthCalendarView::resizeEvent(QResizeEvent*) {
    const QRect title = titleRect();
    const QSize button = m_previous->sizeHint();
    const int y = title.top() + (title.height() - button.height()) / 2;
    m_previous->setGeometry(kMargin, y, button.width(), button.height());
    m_next->setGeometry(width() - kMargin - button.width(), y, button.width(), button.height());
}

void MonthCalendarView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));

    // Title: month and year.
    const QRect title = titleRect();
    const auto [band, bandText] = CalendarPaint::bandColors(pal);
    p.fillRect(title, band);
    p.setFont(titleFont());
    p.setPen(bandText);
    p.drawText(title, Qt::AlignCenter,
               m_monthNames.value(shownMonth() - 1) + QLatin1Char(' ') +
                   QString::number(shownYear()));

    // Weekday names from the first day of the week.
    QFont small = font();
    p.setFont(small);
    const QRect grid = gridRect();
    const QRect names(0, title.bottom() + 1, width(), headerHeight());
    // Background and text from one pair of the palette, so that a dark theme keeps them apart.
    p.fillRect(names, band);
    p.setPen(bandText);
    const QFontMetrics nameMetrics(small);
    // A narrow column or a large font shortens the names alike rather than cutting letters.
    const QStringList dayNames =
        CalendarPaint::fittingNames(m_dayNames, QFontMetricsF(small), grid.width() / 7 - 2);
    for (int col = 0; col < 7; ++col) {
        const int x0 = grid.width() * col / 7;
        const int x1 = grid.width() * (col + 1) / 7;
        const int weekday = (m_model.firstDayOfWeek() - 1 + col) % 7; // 0 = Sunday
        p.drawText(QRect(x0, names.top(), x1 - x0, names.height()), Qt::AlignCenter,
                   nameMetrics.elidedText(dayNames.value(weekday), Qt::ElideRight, x1 - x0 - 2));
    }

    const QDate today = now().date();
    const QDate first = firstShownDate();
    const QFontMetrics fm(small);
    QFont bold = small;
    bold.setBold(true);
    const QColor gridLine = pal.color(QPalette::Mid);
    for (int i = 0; i < 7 * kWeeks; ++i) {
        const QDate date = first.addDays(i);
        const QRect cell = cellRect(date);
        const bool inMonth = date.month() == shownMonth() && date.year() == shownYear();
        const auto [background, text] = CalendarPaint::dayColors(
            pal, inMonth, inMonth ? m_model.dayColor(date.day()) : std::nullopt);
        p.fillRect(cell, background);
        CalendarPaint::drawCellBorder(p, cell, gridLine);

        const QRect inner = cell.adjusted(kMargin, 2, -kMargin, -2);
        p.setFont(bold);
        const QString number = QString::number(date.day());
        const QRect numberRect(inner.left(), inner.top(), fm.horizontalAdvance(number) + 8,
                               fm.height() + 2);
        if (date == today) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(text, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(numberRect).adjusted(-2, 0, 2, 0), 6, 6);
            p.restore();
        }
        p.setPen(text);
        p.drawText(numberRect, Qt::AlignCenter, number);
        if (!inMonth)
            continue;
        // In the number's line, right of it: the names below stay clear of the dots.
        CalendarPaint::drawMarker(p,
                                  QRectF(numberRect.right() + 1, numberRect.top(),
                                         inner.right() - numberRect.right(), numberRect.height()),
                                  m_model.dayMarker(date.day()), text);

        p.setFont(small);
        const int y0 = numberRect.bottom() + 1;
        for (const auto& [line, text] :
             nameLines(date.day(), inner.width(), (inner.bottom() + 1 - y0) / fm.height())) {
            p.drawText(QRect(inner.left(), y0 + line * fm.height(), inner.width(), fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }

    // The current date: a frame in the highlight colour, doubled while the view has focus.
    CalendarPaint::drawCurrentFrame(
        p, cellRect(currentDate()), pal.color(QPalette::Highlight),
        CalendarPaint::dayColors(pal, true, m_model.dayColor(currentDay())).first, hasFocus());
}

QList<std::pair<int, QString>> MonthCalendarView::nameLines(int day, int width, int lines) const {
    QStringList names;
    for (int line = 1; line <= MonthCalendarModel::kLines; ++line)
        names.append(m_model.dayText(day, line));
    while (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    // Each name keeps its own line; the room that the later names leave lets a name run on to
    // a second line before it is cut.
    QList<std::pair<int, QString>> shown;
    int at = 0;
    for (qsizetype i = 0; i < names.size() && at < lines; ++i) {
        const int later = int(names.size() - 1 - i);
        const int room = qBound(1, lines - at - later, 2);
        const QStringList wrapped = CalendarPaint::wrapText(names[i], font(), width, room);
        for (const QString& text : wrapped)
            shown.append({at++, text});
        if (wrapped.isEmpty())
            ++at;
    }
    return shown;
}

void MonthCalendarView::changeTo(const QDate& date) {
    if (date.isValid())
        setCurrentDate(date);
}

void MonthCalendarView::moveBy(int days, int months) {
    changeTo(currentDate().addMonths(months).addDays(days));
}

void MonthCalendarView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        changeTo(dateAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void MonthCalendarView::hover(int day) {
    if (day == m_hoverDay)
        return;
    m_hoverDay = day;
    emit dayHovered(day);
}

void MonthCalendarView::mouseMoveEvent(QMouseEvent* event) {
    hover(dayAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void MonthCalendarView::leaveEvent(QEvent* event) {
    hover(0);
    QWidget::leaveEvent(event);
}

void MonthCalendarView::mouseReleaseEvent(QMouseEvent* event) {
    if (const int code = CalendarPaint::buttonCode(event->button()))
        emit mouseReleased(code);
    QWidget::mouseReleaseEvent(event);
}

void MonthCalendarView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        moveBy(-1, 0);
        break;
    case Qt::Key_Right:
        moveBy(1, 0);
        break;
    case Qt::Key_Up:
        moveBy(-7, 0);
        break;
    case Qt::Key_Down:
        moveBy(7, 0);
        break;
    case Qt::Key_PageUp:
        moveBy(0, -1);
        break;
    case Qt::Key_PageDown:
        moveBy(0, 1);
        break;
    case Qt::Key_Home:
        changeTo(now().date());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit dayActivated(currentDate());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MonthCalendarView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
    // The reader hears the day, not only the calendar: Qt tells it of the calendar once this
    // returns, so the day is told after that, or the reader would end on the calendar.
    QMetaObject::invokeMethod(this, &MonthCalendarView::updateAccessibleText, Qt::QueuedConnection);
}

void MonthCalendarView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void MonthCalendarView::updateAccessibleText() {
    CalendarTableAccessible::announceNames(this);
    CalendarTableAccessible::announceCurrent(this);
}

int MonthCalendarView::gridRows() const {
    return kWeeks;
}

QString MonthCalendarView::gridTitle() const {
    return speech().month(shownMonth(), shownYear());
}

QStringList MonthCalendarView::gridColumnNames() const {
    return speech().weekdays(m_model.firstDayOfWeek());
}

QString MonthCalendarView::gridSpokenDay(const QDate& date) const {
    const CalendarSpeech said = speech();
    if (date.month() != shownMonth() || date.year() != shownYear())
        return said.date(date);
    QStringList names;
    for (int line = 1; line <= MonthCalendarModel::kLines; ++line)
        names.append(m_model.dayText(date.day(), line));
    QList<qint32> colors;
    if (const auto color = m_model.dayColor(date.day()))
        colors.append(*color);
    return said.day(date, names, colors, m_model.dayServices(date.day()),
                    m_model.dayMarker(date.day()));
}

QList<QWidget*> MonthCalendarView::gridControls() const {
    return {m_previous, m_next};
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/ui/fThisDay.h"

#include "controls/ui/ToolBarOverflow.h"
#include "controls/ui/cWindowList.h"
#include "day_page/DayPageHtml.h"
#include "day_page/DayPageSend.h"
#include "day_page/PageDocument.h"
#include "resources/ResourceStrings.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"
#include "support/mVBFileDisk.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QUrl>

namespace {

// Sizes of the layout, in twips (15 to a pixel) as the window system gives them.
constexpr int kTwipsPerPixel = 15;
constexpr int kBrowserTop = 415;
constexpr int kOrdoBrowserTop = 20;
// The identifier of the day list among the toolbar's controls.
constexpr int kDayListId = 1;

// The first heading of a page, or its first line of text where it has no heading (one edition
// writes its headings as paragraphs).
QString headingOf(const QTextDocument& document) {
    QString first;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text().simplified();
        if (text.isEmpty())
            continue;
        if (block.blockFormat().headingLevel() > 0)
            return text;
        if (first.isEmpty())
            first = text;
    }
    return first;
}

int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace

fThisDay::fThisDay(QWidget* parent)
    : QWidget(parent), m_page(*this), m_browser(new QTextBrowser(this)) {
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setOpenLinks(false);
    m_browser->setDocument(new PageDocument(m_browser));
    m_browser->setAccessibleName(pageName());
    // The pages carry the print style sheet, which sets dark text: they are shown on paper of
    // their own, as a document viewer shows a page, whatever the desktop's theme.
    QPalette paper = m_browser->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::Link, QColor(0x00, 0x33, 0x99));
    paper.setColor(QPalette::LinkVisited, QColor(0x55, 0x1a, 0x8b));
    m_browser->setPalette(paper);
    // The page's frame turns to the highlight colour while the keyboard is in the page.
    m_browser->setStyleSheet(
        QStringLiteral("QTextBrowser { border: 2px solid palette(mid); }"
                       "QTextBrowser:focus { border-color: palette(highlight); }"));
    m_browser->installEventFilter(this);
    m_page.setShortPages(true);
    // Loading the window shows an empty page.
    navigate(QStringLiteral("About:Blank"));
    cWindowList::add(this);
}

fThisDay::~fThisDay() = default;

qint32 fThisDay::hWnd() {
    return cWindowList::add(this);
}

void fThisDay::setTag(const QString& tag) {
    m_tag = tag;
    m_page.setPageKind(tag.trimmed().toInt());
    if (m_location.isEmpty())
        m_browser->setAccessibleName(pageName());
}

QToolBar* fThisDay::toolBar(int index) const {
    return index == 0 ? m_standard : index == 1 ? m_liturgies : nullptr;
}

bool fThisDay::mInitialize() {
    ProcScope scope("fThisDay.mInitialize");
    bool result = false;
    scope.run([&] {
        delete m_standard;
        delete m_liturgies;
        m_dayList = nullptr;
        m_page.preparePage();

        m_standard = new QToolBar(ResourceStrings::text(ResourceStrings::kStandard), this);
        m_standard->setObjectName(QStringLiteral("Standard"));
        m_standard->setMovable(false);
        m_standard->setFloatable(false);
        m_liturgies = new QToolBar(ResourceStrings::text(ResourceStrings::kLiturgiesList), this);
        m_liturgies->setObjectName(QStringLiteral("Liturgies"));
        m_liturgies->setMovable(false);
        m_liturgies->setFloatable(false);
        ToolBarOverflow::name(m_standard);
        ToolBarOverflow::name(m_liturgies);
        // The second toolbar carries no control, so it takes no room.
        m_liturgies->hide();

        const qint32 kind = m_page.pageKind();
        if (kind == DayPageAssembly::kReadings || kind == DayPageAssembly::kPrayers ||
            kind == DayPageAssembly::kOrdo) {
            m_dayList = new QComboBox(m_standard);
            m_dayList->setProperty("controlId", kDayListId);
            const QString caption = ResourceStrings::text(ResourceStrings::kLiturgicalDay);
            m_dayList->setAccessibleName(caption);
            m_dayList->setToolTip(caption);
            m_dayList->setPlaceholderText(caption);
            m_dayList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            m_standard->addWidget(m_dayList);
            connect(m_dayList, &QComboBox::activated, this, [this] { onCommand(kDayListId); });
            // The ordo is stored per date: its page keeps the list, filled but not shown.
            if (kind == DayPageAssembly::kOrdo)
                m_standard->hide();
        }
        layoutChildren();
        result = true;
    });
    return result;
}

bool fThisDay::mShow(bool force) {
    return m_page.mShow(force);
}

bool fThisDay::mCopy() {
    ProcScope scope("fThisDay.mCopy");
    bool result = false;
    scope.run([&] {
        // A blank page has nothing to copy: the copy command is not available there.
        if (m_location.isEmpty())
            return;
        const QTextCursor selection = m_browser->textCursor();
        if (selection.hasSelection()) {
            copyToClipboard(selection);
            result = true;
            return;
        }
        // The whole page through a cursor of its own: the view stays where the user reads.
        QTextCursor all(m_browser->document());
        all.select(QTextCursor::Document);
        copyToClipboard(all);
        result = true;
    });
    return result;
}

bool fThisDay::eventFilter(QObject* watched, QEvent* event) {
    // A page set while out of sight is laid out when it comes into sight, at the width it has
    // then (a resize on the way lays it out already).
    if (watched == m_browser && event->type() == QEvent::Show &&
        m_browser->document()->pageSize().isNull())
        m_browser->setLineWrapColumnOrWidth(m_browser->lineWrapColumnOrWidth());
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != m_browser || !key || m_browser->textCursor().hasSelection())
        return QWidget::eventFilter(watched, event);
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return QWidget::eventFilter(watched, event);
    // Taken here rather than by the browser, which would copy nothing.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        mCopy();
    return true;
}

void fThisDay::copyToClipboard(const QTextCursor& cursor) const {
    const QTextDocumentFragment fragment = cursor.selection();
    ui().setClipboardHtml(fragment.toHtml(), fragment.toPlainText());
}

bool fThisDay::mSend(const QString& text, qint16 kind) {
    Q_UNUSED(text);
    return DayPageSend::mSend(m_page, *this, LocationName(), kind);
}

void fThisDay::onCommand(int controlId) {
    if (controlId != kDayListId)
        return;
    m_page.dayListPicked();
}

void fThisDay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void fThisDay::layoutChildren() {
    const int w = width();
    const int h = height();
    if (m_page.pageKind() == DayPageAssembly::kOrdo) {
        const int top = pixels(kOrdoBrowserTop);
        m_browser->setGeometry(0, top, w, qMax(0, h - top));
        return;
    }
    const int top = pixels(kBrowserTop);
    if (m_standard)
        m_standard->setGeometry(0, 0, w, top);
    if (m_dayList)
        m_dayList->setFixedWidth(qMax(40, w - 20));
    m_browser->setGeometry(0, top, w, qMax(0, h - top));
}

QString fThisDay::LocationName() const {
    return m_location.isEmpty() ? QString() : mVBFileDisk::fileNamePart(m_location);
}

void fThisDay::clearDayList() {
    if (m_dayList)
        m_dayList->clear();
}

void fThisDay::addDayListEntry(const QString& text) {
    if (m_dayList)
        m_dayList->addItem(text, qint32(0));
}

int fThisDay::dayListCount() const {
    return m_dayList ? m_dayList->count() : 0;
}

QString fThisDay::dayListText(int number) const {
    if (number < 1 || number > dayListCount())
        return {};
    return m_dayList->itemText(number - 1);
}

qint32 fThisDay::dayListItemValue(int number) const {
    if (number < 1 || number > dayListCount())
        return 0;
    return m_dayList->itemData(number - 1).toInt();
}

void fThisDay::setDayListItemValue(int number, qint32 value) {
    if (number < 1 || number > dayListCount())
        return;
    m_dayList->setItemData(number - 1, value);
}

int fThisDay::dayListIndex() const {
    return m_dayList ? m_dayList->currentIndex() + 1 : 0;
}

void fThisDay::setDayListIndex(int number) {
    if (!m_dayList || number < 0 || number > dayListCount())
        return;
    m_dayList->setCurrentIndex(number - 1);
}

QString fThisDay::pageName() const {
    // The pane's own caption, in the edition's language.
    switch (m_page.pageKind()) {
    case DayPageAssembly::kReadings:
        return ResourceStrings::text(ResourceStrings::kReadings);
    case DayPageAssembly::kPrayers:
        return ResourceStrings::text(ResourceStrings::kPrayers);
    case DayPageAssembly::kOrdo:
        return QStringLiteral("Ordo");
    default:
        return tr("Day page");
    }
}

void fThisDay::navigate(const QString& target) {
    if (target.compare(QStringLiteral("About:Blank"), Qt::CaseInsensitive) == 0) {
        m_location.clear();
        m_browser->clear();
        m_browser->setAccessibleName(pageName());
        return;
    }
    m_location = target;
    // The page file is a fragment of HTML in the system's text form; show it as HTML whatever
    // the letter case of its extension.
    const QString html = mVBFileDisk::readTextFile(target);
    m_browser->document()->setBaseUrl(
        QUrl::fromLocalFile(QFileInfo(target).absolutePath() + QLatin1Char('/')));
    // Out of sight the page is not laid out: the window may not have given it its width yet
    // (at the start it has not arranged its panes), and a page is laid out for each width.
    if (!m_browser->isVisible())
        m_browser->document()->setPageSize(QSizeF(0, 0));
    m_browser->setHtml(DayPageHtml::bounded(html));
    // The page is named by its heading, so that a screen reader says which day it now shows
    // (Qt tells the reader of the new name).
    const QString heading = headingOf(*m_browser->document());
    m_browser->setAccessibleName(heading.isEmpty() ? pageName()
                                                   : heading + QStringLiteral(", ") + pageName());
    // The page's address, for the "&u" of a printed header or footer.
    m_browser->document()->setMetaInformation(QTextDocument::DocumentUrl,
                                              QUrl::fromLocalFile(target).toString());
}

void fThisDay::showWaitPointer() {
    ui().setWaitCursor();
}

void fThisDay::showNormalPointer() {
    ui().setDefaultCursor();
}

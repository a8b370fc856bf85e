// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/cWordDocument.h"

#include "day_page/DayPageHtml.h"
#include "host_window/OdfMending.h"
#include "host_window/OdfPackage.h"
#include "host_window/cWordApplication.h"
#include "resources/ResourceStrings.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QBuffer>
#include <QDate>
#include <QLocale>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>

namespace {

constexpr qsizetype kTitleLength = 60;
constexpr int kCentury = 100;
constexpr int kHalfCentury = 50;

} // namespace

cWordDocument::cWordDocument(cWordApplication& application, QObject* parent)
    : QObject(parent), m_application(application), m_cursor(&m_text) {}

QObject* cWordDocument::Application() const {
    return &m_application;
}

void cWordDocument::Paste() {
    const QString html = ui().clipboardHtml();
    if (html.isEmpty())
        m_cursor.insertText(ui().clipboardText());
    else
        m_cursor.insertFragment(
            QTextDocumentFragment::fromHtml(DayPageHtml::bounded(html), &m_text));
    changed();
}

void cWordDocument::InsertHtml(const QString& html) {
    m_cursor.insertFragment(QTextDocumentFragment::fromHtml(DayPageHtml::bounded(html), &m_text));
    changed();
}

void cWordDocument::GoTo(qint32 what, const QString& name) {
    Q_UNUSED(what);
    if (name.compare(QStringLiteral("\\StartOfDoc"), Qt::CaseInsensitive) == 0)
        m_cursor.movePosition(QTextCursor::Start);
    else if (name.compare(QStringLiteral("\\EndOfDoc"), Qt::CaseInsensitive) == 0)
        m_cursor.movePosition(QTextCursor::End);
    else
        throw Failure::invalidCall(QStringLiteral("GoTo ") + name);
}

void cWordDocument::Activate() {
    m_application.activate(this);
}

void cWordDocument::SaveAs(const QString& fileName) {
    saveAs(fileName, RealDiskInterface::instance());
}

void cWordDocument::saveAs(const QString& fileName, DiskInterface& disk) {
    // The writer closes its device when done, so the document is made in memory and the file
    // replaced only once it is complete.
    QBuffer buffer;
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("odf"));
    if (!writer.write(&m_text))
        throw Failure::internal(QStringLiteral("OpenDocument text of ") + fileName);
    std::optional<OdfPackage> package = OdfPackage::read(buffer.data());
    if (!package)
        throw Failure::internal(QStringLiteral("OpenDocument package of ") + fileName);
    const QString content = QStringLiteral("content.xml");
    package->setFile(content, OdfMending::mendContent(package->file(content)));
    disk.writeOrThrow(fileName, package->write());
    m_fileName = fileName;
    m_dirty = false;
}

QString cWordDocument::suggestedName(const QDate& date) const {
    QString title;
    const QStringList lines = m_text.toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        title = line.simplified();
        if (!title.isEmpty())
            break;
    }
    // A day page's title begins with its date ("3/5/24 - Tuesday in Lent 3"): the name carries
    // that day once, in the sortable form at the end, rather than two days side by side.
    QDate day = date;
    if (const qsizetype dash = title.indexOf(QStringLiteral(" - ")); dash > 0) {
        // The page wrote its date in the edition's language ("10.03.2024" in Norwegian).
        QDate titled = ResourceStrings::locale().toDate(title.left(dash), QLocale::ShortFormat);
        // Two-digit years are read as of the 1900s; the day is the one nearest the export.
        while (titled.isValid() && titled.year() < date.year() - kHalfCentury)
            titled = titled.addYears(kCentury);
        if (titled.isValid()) {
            day = titled;
            title = title.mid(dash + 3);
        }
    }
    // No separators or characters that file systems and desktops refuse in a name.
    for (QChar& c : title) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    }
    title = title.left(kTitleLength).simplified();
    if (title.isEmpty())
        title = QStringLiteral("Document");
    return title + QLatin1Char(' ') + day.toString(Qt::ISODate) + QStringLiteral(".odt");
}

void cWordDocument::changed() {
    m_dirty = true;
    m_application.documentChanged(*this);
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/ui/CalendarExportDialog.h"

#include "controls/ui/DateField.h"
#include "ical/IcsExport.h"
#include "resources/ResourceStrings.h"
#include "support/SharedState.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

CalendarExportDialog::CalendarExportDialog(QString iniFile, QString server, qint32 edition,
                                           QWidget* parent)
    : QDialog(parent), m_iniFile(std::move(iniFile)), m_server(std::move(server)),
      m_edition(edition), m_from(new DateField(this)), m_to(new DateField(this)),
      m_days(new QCheckBox(tr("Liturgical &days"), this)),
      m_services(new QCheckBox(tr("Planned &services"), this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Export Calendar"));
    setObjectName(QStringLiteral("exportCalendar"));
    // Dates typed and shown as in the window's other date fields, in the edition's language.
    setLocale(ResourceStrings::locale());
    // The same default as the command: this month and a year on.
    const QDate today = now().date();
    const QDate first(today.year(), today.month(), 1);
    m_from->setObjectName(QStringLiteral("from"));
    m_to->setObjectName(QStringLiteral("to"));
    m_from->setDate(first);
    m_to->setDate(first.addYears(1).addDays(-1));
    m_days->setObjectName(QStringLiteral("days"));
    m_services->setObjectName(QStringLiteral("services"));
    m_days->setChecked(true);
    m_services->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&From:"), m_from);
    form->addRow(tr("&To:"), m_to);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_days);
    layout->addWidget(m_services);
    layout->addWidget(m_buttons);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Export..."));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CalendarExportDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QCheckBox* box : {m_days, m_services})
        connect(box, &QCheckBox::toggled, this, &CalendarExportDialog::updateOk);
    for (DateField* field : {m_from, m_to})
        connect(field, &DateField::dateChanged, this, &CalendarExportDialog::updateOk);
    updateOk();
    fitWidth();
}

void CalendarExportDialog::fitWidth() {
    // Title bars draw the title in bold beside the window's icon and its buttons, each about as
    // wide as the bar is high.
    QFont bold = font();
    bold.setBold(true);
    const int bar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int title = QFontMetrics(bold).horizontalAdvance(windowTitle()) + 5 * bar;
    int width = qMax(sizeHint().width(), title);
    if (const QScreen* shown = screen())
        width = qMin(width, shown->availableGeometry().width());
    resize(width, sizeHint().height());
}

void CalendarExportDialog::updateOk() {
    // A calendar needs something in it and a range that runs forwards.
    const bool kinds = m_days->isChecked() || m_services->isChecked();
    const bool dates = m_from->date().isValid() && m_to->date().isValid();
    const qint64 days = m_from->date().daysTo(m_to->date());
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(kinds && dates && days >= 0 && days < IcsExport::kMaxDays);
}

void CalendarExportDialog::accept() {
    if (!m_buttons->button(QDialogButtonBox::Ok)->isEnabled())
        return;
    // The file dialog and the messages open without a loop of their own, so that nothing waits
    // inside another event.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto* files = new QFileDialog(this, tr("Export Calendar"),
                                  QDir(folder).filePath(QStringLiteral("calendar.ics")),
                                  tr("iCalendar files (*.ics)"));
    files->setObjectName(QStringLiteral("calendarFile"));
    files->setAttribute(Qt::WA_DeleteOnClose);
    files->setAcceptMode(QFileDialog::AcceptSave);
    files->setDefaultSuffix(QStringLiteral("ics"));
    connect(files, &QFileDialog::fileSelected, this, &CalendarExportDialog::write);
    files->open();
}

void CalendarExportDialog::write(const QString& path) {
    FeedReader reader(m_iniFile, m_server);
    CalendarFeed feed;
    QString error;
    const bool days = m_days->isChecked();
    const bool services = m_services->isChecked();
    const bool written = IcsExport::toFile(reader, m_from->date(), m_to->date(),
                                           IcsExport::options(m_edition, days, services, now()),
                                           path, &error, &feed);
    auto* message =
        new QMessageBox(written ? QMessageBox::Information : QMessageBox::Warning, windowTitle(),
                        written ? tr("The calendar was written to %1: %2 days, %3 services.")
                                      .arg(QDir::toNativeSeparators(path))
                                      .arg(days ? feed.days.size() : 0)
                                      .arg(services ? feed.services.size() : 0)
                                : tr("The calendar could not be written: %1").arg(error),
                        QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    // After a failure the dialog stays for another try.
    if (written)
        connect(message, &QMessageBox::finished, this, [this] { QDialog::accept(); });
    message->open();
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDialog>
#include <QString>

class DateField;
class QCheckBox;
class QDialogButtonBox;

// File > Export Calendar...: the user chooses a date range and the liturgical days, the
// planned services or both, then names the file; the calendar is written through the same
// export as the "ics" command, and the dialog says where it went or why it could not be
// written (and then stays open for another try).
class CalendarExportDialog : public QDialog {
    Q_OBJECT
public:
    // The data of `iniFile`, or of the database server `server` when it is not empty; the
    // edition code for the events' UIDs. The edition's language and name are the session's.
    CalendarExportDialog(QString iniFile, QString server, qint32 edition,
                         QWidget* parent = nullptr);

    // Asks for the file; the dialog closes once the calendar was written there.
    void accept() override;

private:
    void updateOk();
    // Wide enough for the title bar to show the whole title, within the screen.
    void fitWidth();
    // Writes the calendar to `path` and says how it went.
    void write(const QString& path);

    QString m_iniFile;
    QString m_server;
    qint32 m_edition;
    DateField* m_from;
    DateField* m_to;
    QCheckBox* m_days;
    QCheckBox* m_services;
    QDialogButtonBox* m_buttons;
};

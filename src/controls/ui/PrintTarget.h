// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QPageSize>
#include <QString>
#include <memory>

class DiskInterface;
class QPrinter;
class QTemporaryFile;

// Where a print goes without a dialog: a named printer, or a PDF file. The printer writes a
// PDF into a private temporary file; only a complete one is then written over the target as a
// whole, so that a failed print or a full disk never leaves a broken file behind or replaces a
// good one.
class PrintTarget {
public:
    PrintTarget();
    ~PrintTarget();
    PrintTarget(const PrintTarget&) = delete;
    PrintTarget& operator=(const PrintTarget&) = delete;

    // Points `printer` at the PDF `outputFile` when it is given, else at the printer named
    // `printerName`. A file the user may not replace is the failure 70, a folder that cannot be
    // written the failure 75, an unknown printer the failure 5, neither of the two given the
    // failure 5; each is thrown.
    void prepare(QPrinter& printer, const QString& printerName, const QString& outputFile);
    // The file to write the PDF `outputFile` into until commit; failures as for prepare.
    QString beginFile(const QString& outputFile);
    // The paper of a PDF: A4, as a printer without settings of its own has it.
    static QPageSize pdfPaper();
    // Writes the finished PDF over the target through `disk` (nothing for a printer). A PDF
    // that did not come out whole is the failure 61 (the disk is full) and so is a full disk;
    // other failures as for DiskInterface::writeOrThrow.
    void commit(DiskInterface& disk);
    void commit();

private:
    std::unique_ptr<QTemporaryFile> m_partial;
    QString m_outputFile;
};

#pragma once

#include <QPageSize>
#include <QString>
#include <memory>

class QPrinter;
class QTemporaryFile;

// Where a print goes without a dialog: a named printer, or a PDF file. A PDF is written beside
// its final name and moved into place only when the print has ended well, so that a failed
// print never leaves a half-written file behind.
class PrintTarget {
public:
    PrintTarget();
    ~PrintTarget();
    PrintTarget(const PrintTarget&) = delete;
    PrintTarget& operator=(const PrintTarget&) = delete;

    // Points `printer` at the PDF `outputFile` when it is given, else at the printer named
    // `printerName`. A folder that cannot be written is the failure 75, an unknown printer the
    // failure 5, neither of the two given the failure 5; each is thrown.
    void prepare(QPrinter& printer, const QString& printerName, const QString& outputFile);
    // The file to write the PDF `outputFile` into until commit; the failure 75 when its folder
    // cannot be written.
    QString beginFile(const QString& outputFile);
    // The paper of a PDF: A4, as a printer without settings of its own has it.
    static QPageSize pdfPaper();
    // Moves the finished PDF into place (nothing for a printer); the failure 75 when it cannot.
    void commit();

private:
    std::unique_ptr<QTemporaryFile> m_partial;
    QString m_outputFile;
};

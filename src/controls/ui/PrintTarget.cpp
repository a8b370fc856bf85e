#include "controls/ui/PrintTarget.h"

#include "support/Failure.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>

PrintTarget::PrintTarget() = default;

PrintTarget::~PrintTarget() = default;

void PrintTarget::prepare(QPrinter& printer, const QString& printerName,
                          const QString& outputFile) {
    if (!outputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(beginFile(outputFile));
        printer.setPageSize(pdfPaper());
        return;
    }
    if (printerName.isEmpty())
        throw Failure::invalidCall(QStringLiteral("no printer and no PDF file to print on"));
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw Failure::invalidCall(
            QStringLiteral("the printer '%1' is not known").arg(printerName));
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(info.printerName());
}

QString PrintTarget::beginFile(const QString& outputFile) {
    const QFileInfo target(outputFile);
    if (outputFile.isEmpty() || target.isDir())
        throw Failure::pathFileAccess(outputFile);
    m_partial = std::make_unique<QTemporaryFile>(target.absolutePath() + QLatin1Char('/') +
                                                 QLatin1Char('.') + target.fileName() +
                                                 QStringLiteral(".XXXXXX"));
    if (!m_partial->open())
        throw Failure::pathFileAccess(outputFile);
    m_partial->close();
    m_outputFile = target.absoluteFilePath();
    return m_partial->fileName();
}

QPageSize PrintTarget::pdfPaper() {
    return QPageSize(QPageSize::A4);
}

void PrintTarget::commit() {
    if (!m_partial)
        return;
    m_partial->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                              QFile::ReadOther);
    // rename() replaces an existing file in one step; the temporary then no longer exists.
    if (std::rename(QFile::encodeName(m_partial->fileName()).constData(),
                    QFile::encodeName(m_outputFile).constData()) != 0)
        throw Failure::pathFileAccess(m_outputFile);
    m_partial->setAutoRemove(false);
    m_partial.reset();
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/PrintTarget.h"

#include "support/COSInfo.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

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
        throw Failure::invalidCall(
            QCoreApplication::translate("PrintTarget", "no printer and no PDF file to print on"));
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw Failure::invalidCall(
            QCoreApplication::translate("PrintTarget", "the printer '%1' is not known")
                .arg(printerName));
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(info.printerName());
}

QString PrintTarget::beginFile(const QString& outputFile) {
    const QFileInfo target(outputFile);
    if (outputFile.isEmpty() || target.isDir() || !target.absoluteDir().exists())
        throw Failure::pathFileAccess(outputFile);
    // Refused before the work of printing, not after it.
    const auto allowed = RealDiskInterface::mayReplace(target.absoluteFilePath());
    if (allowed != DiskInterface::WriteResult::Written)
        throw DiskInterface::failureOf(allowed, outputFile);
    m_partial = std::make_unique<QTemporaryFile>(COSInfo::privateTempFolder() +
                                                 QStringLiteral("print-XXXXXX.pdf"));
    if (!m_partial->open())
        throw Failure::pathFileAccess(m_partial->fileTemplate());
    m_partial->close();
    m_outputFile = target.absoluteFilePath();
    return m_partial->fileName();
}

QPageSize PrintTarget::pdfPaper() {
    return QPageSize(QPageSize::A4);
}

void PrintTarget::commit(DiskInterface& disk) {
    if (!m_partial)
        return;
    QByteArray pdf;
    if (!disk.readFile(m_partial->fileName(), &pdf))
        throw Failure::pathFileAccess(m_partial->fileName());
    // The printer does not report failed writes: a PDF cut short by a full disk lacks the
    // end-of-file marker that closes every complete one.
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        throw DiskInterface::failureOf(DiskInterface::WriteResult::DiskFull, m_outputFile);
    disk.writeOrThrow(m_outputFile, pdf);
    m_partial.reset();
}

void PrintTarget::commit() {
    commit(RealDiskInterface::instance());
}

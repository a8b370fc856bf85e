// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/CErrHandler.h"

#include "support/ComponentInfo.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"
#include "support/UserInterface.h"
#include "support/cResolveFolders.h"
#include "support/mVBFileDisk.h"
#include "support/modLog.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace {

constexpr int kReportDescriptionLength = 255;

const char kReportName[] = "ERRORS.TXT";
const char kHostErrorMethod[] = "mErrorFromClient";
const char kTraceName[] = "trace.log";

QByteArray crlf(const QString& line) {
    return line.toUtf8() + "\r\n";
}

// The report goes to the component's folder; where that cannot be written (a library
// installed under /usr), to the user's log folder, so that it is not silently lost.
QString reportFolder() {
    const QString own = ComponentInfo::folder();
    const QFileInfo info(own);
    if (!own.isEmpty() && info.isDir() && info.isWritable())
        return own;
    return cResolveFolders().getLogPath();
}

// Makes `bytes` the whole of the file at `path`; false when that cannot be done.
bool replaceFile(const QString& path, const QByteArray& bytes) {
    mVBFileDisk::deleteFile(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

CErrHandler::CErrHandler(QObject* parent) : QObject(parent) {
    setMaxProcStackItems(m_maxProcStackItems);
}

CErrHandler::~CErrHandler() {
    if (m_traceExecution)
        m_traceFile.close();
}

void CErrHandler::setMaxProcStackItems(qint16 value) {
    m_maxProcStackItems = value;
    m_stack = QList<StackEntry>();
    m_stack.resize(qMax(0, int(value) + 3));
}

void CErrHandler::setTraceExecution(bool value) {
    m_traceExecution = value;
    if (!value)
        return;
    m_traceFilePath = ComponentInfo::folder() + QLatin1String(kTraceName);
    m_traceFile.close();
    mVBFileDisk::deleteFile(m_traceFilePath);
    m_traceFile.setFileName(m_traceFilePath);
    // A trace that cannot be opened is simply not written.
    (void)m_traceFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

QVariant CErrHandler::Destination() const {
    return reportFolder() + QLatin1String(kReportName);
}

QString CErrHandler::stackEntry(int index) const {
    return index >= 0 && index < m_stack.size() ? m_stack.at(index).toString() : QString();
}

bool CErrHandler::stores(int index) const {
    return index <= m_maxProcStackItems && index < m_stack.size();
}

void CErrHandler::setCurrentFailure(const Failure& failure) {
    m_current = failure;
}

void CErrHandler::showFailure(qint32 number, const QString& description, const QString& procedure) {
    if (!tellHost(number, description, procedure))
        ui().messageBox(UserInterface::Icon::None, UserInterface::Buttons::Ok, QString(),
                        description);
}

void CErrHandler::setHostNotify(QObject* notify) {
    const bool takesErrors =
        notify && notify->metaObject()->indexOfMethod(
                      QMetaObject::normalizedSignature(
                          kHostErrorMethod + QByteArrayLiteral("(qint32,QString,QString)"))
                          .constData()) >= 0;
    m_hostNotify = takesErrors ? notify : nullptr;
}

bool CErrHandler::tellHost(qint32 number, const QString& description, const QString& procedure) {
    // A failure inside the host's own handler is shown, not handed back to it.
    if (!m_hostNotify || m_tellingHost)
        return false;
    m_tellingHost = true;
    const bool told = QMetaObject::invokeMethod(
        m_hostNotify.data(), kHostErrorMethod, Qt::DirectConnection, Q_ARG(qint32, number),
        Q_ARG(QString, description), Q_ARG(QString, procedure));
    m_tellingHost = false;
    return told;
}

void CErrHandler::Push(const QString& strProc) {
    if (m_stackPointer < std::numeric_limits<int>::max())
        ++m_stackPointer;
    // Beyond the stack's room the name is not stored; the pointer still counts, so every
    // Pop still pairs with its Push.
    if (stores(m_stackPointer))
        m_stack[m_stackPointer] = {nullptr, strProc};
    if (m_traceExecution && m_traceFile.isOpen()) {
        m_traceFile.write(crlf(strProc));
        m_traceFile.flush();
    }
}

void CErrHandler::pushName(const char* name) {
    if (m_traceExecution) {
        Push(QString::fromLatin1(name));
        return;
    }
    if (m_stackPointer < std::numeric_limits<int>::max())
        ++m_stackPointer;
    if (stores(m_stackPointer)) {
        StackEntry& entry = m_stack[m_stackPointer];
        entry.name = name;
        entry.text.clear();
    }
}

void CErrHandler::Pop() {
    if (stores(m_stackPointer)) {
        StackEntry& entry = m_stack[m_stackPointer];
        entry.name = nullptr;
        entry.text.clear();
    }
    --m_stackPointer;
    if (m_stackPointer < 0)
        m_stackPointer = 0;
}

void CErrHandler::HandleErrorEx(qint32 nErrNum, const QString& nErrDescr, qint32 nErrLine) {
    Q_UNUSED(nErrNum);
    Q_UNUSED(nErrDescr);
    Q_UNUSED(nErrLine);
    HandleError();
}

void CErrHandler::HandleError() {
    m_lastErrorNumber = m_current ? m_current->number() : 0;
    m_lastErrorLine = m_current ? m_current->line() : 0;
    m_lastErrorDescription = m_current ? m_current->description() : QString();
    m_lastErrorProcedure = stackEntry(m_stackPointer);
    if (m_appTitle.isEmpty())
        m_appTitle = ComponentInfo::title();

    bool cancel = false;
    Q_EMIT BeforeHandlerCalled(cancel);
    if (cancel)
        return;

    writeReport();
    if (m_displayMsgOnError &&
        !tellHost(m_lastErrorNumber, m_lastErrorDescription, m_lastErrorProcedure)) {
        ui().beep();
        ui().messageBox(UserInterface::Icon::Critical, UserInterface::Buttons::Ok, m_appTitle,
                        userText(), messageText());
    }
    Q_EMIT AfterHandlerCalled();
}

// The box speaks the edition's language; its lines, names and numbers are those of the
// report, which stays in the words support reads.
QString CErrHandler::userText() const {
    if (m_currentOperation.isEmpty())
        return m_lastErrorDescription;
    return m_lastErrorDescription + QStringLiteral("\r\n") + tr("Current Operation: ") +
           m_currentOperation;
}

QString CErrHandler::messageText() const {
    QString text =
        tr("The following error has occurred in procedure: ") + QStringLiteral("\r\n") +
        tr("%1 on line %2").arg(m_lastErrorProcedure, QString::number(m_lastErrorLine)) +
        QStringLiteral("\r\n") +
        tr("Error (%1) %2").arg(QString::number(m_lastErrorNumber), m_lastErrorDescription);
    if (!m_currentOperation.isEmpty())
        text += QStringLiteral("\r\n") + tr("Current Operation: ") + m_currentOperation;
    return text;
}

void CErrHandler::writeReport() {
    const QString path = Destination().toString();
    const QString shortDescription = m_lastErrorDescription.left(kReportDescriptionLength);

    QByteArray report;
    report += crlf(m_appTitle + QStringLiteral(" Application Error Information"));
    report += crlf(QStringLiteral("===================================="));
    report += crlf(QStringLiteral("Current Time   : ") + SystemFormats::generalDateTime(now()));
    report += crlf(QStringLiteral("Error String   : ") + shortDescription);
    report += crlf(QStringLiteral("Error Number   : ") + QString::number(m_lastErrorNumber));
    report += crlf(QStringLiteral("Error Line     : ") + QString::number(m_lastErrorLine));
    report += crlf(QStringLiteral("Error Procedure: ") + stackEntry(m_stackPointer));
    report += crlf(QString());
    report += crlf(QStringLiteral("Procedure Stack"));
    report += crlf(QStringLiteral("---------------"));
    for (int i = 0; i < m_stack.size(); ++i) {
        if (m_stack.at(i).isEmpty())
            continue;
        report += crlf(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')) +
                       QString(i * 2, QLatin1Char(' ')) + m_stack.at(i).toString());
    }
    report += crlf(QString());
    if (!m_currentOperation.isEmpty())
        report += crlf(QStringLiteral("Current Operation: ") + m_currentOperation);
    if (m_includeExpandedInfo) {
        QString appPath = ComponentInfo::folder();
        if (appPath.endsWith(QLatin1Char('/')))
            appPath.chop(1);
        report += crlf(QString());
        report += crlf(QStringLiteral("Additional Information"));
        report += crlf(QStringLiteral("----------------------"));
        report += crlf(QStringLiteral("Current Directory: ") + QDir::currentPath());
        report += crlf(QStringLiteral("App Title: ") + ComponentInfo::title());
        report += crlf(QStringLiteral("App CompanyName: ") + ComponentInfo::companyName());
        report += crlf(QStringLiteral("App Major: ") + QString::number(ComponentInfo::major()));
        report += crlf(QStringLiteral("App Minor: ") + QString::number(ComponentInfo::minor()));
        report +=
            crlf(QStringLiteral("App Revision: ") + QString::number(ComponentInfo::revision()));
        report += crlf(QStringLiteral("App Path: ") + appPath);
        report += crlf(QStringLiteral("App ProductName: ") + ComponentInfo::productName());
    }

    // Each report replaces the last. Where the component's folder turns out not to take it
    // after all, the user's log folder does; a report that cannot be written anywhere ends the
    // step without the log record.
    if (!replaceFile(path, report)) {
        const QString fallback = cResolveFolders().getLogPath() + QLatin1String(kReportName);
        if (fallback == path || !replaceFile(fallback, report))
            return;
    }
    modLog::writeRecord({m_lastErrorProcedure, QStringLiteral("Error (") +
                                                   QString::number(m_lastErrorNumber) +
                                                   QStringLiteral(") ") + shortDescription});
}

bool CErrHandler::ClearLog() {
    mVBFileDisk::deleteFile(Destination().toString());
    return true;
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Failure.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The component's single error handler: it keeps the stack of running procedures and reports
// a failure with a beep, a message box naming the failing procedure, an error report file and
// a log record. Procedures reach it through ProcScope, never directly.
class CErrHandler : public QObject {
    Q_OBJECT
public:
    explicit CErrHandler(QObject* parent = nullptr);
    ~CErrHandler() override;

    qint16 MaxProcStackItems() const { return m_maxProcStackItems; }
    // Re-creates the stack empty with room for value + 2 entries; the pointer stays.
    void setMaxProcStackItems(qint16 value);
    bool IncludeExpandedInfo() const { return m_includeExpandedInfo; }
    void setIncludeExpandedInfo(bool value) { m_includeExpandedInfo = value; }
    bool DisplayMsgOnError() const { return m_displayMsgOnError; }
    void setDisplayMsgOnError(bool value) { m_displayMsgOnError = value; }
    bool TraceExecution() const { return m_traceExecution; }
    void setTraceExecution(bool value);
    // The error report's path.
    QVariant Destination() const;
    // The depth of the stack; deeper nesting than a 16-bit number holds reads as its maximum.
    qint16 pCurStackPointer() const { return qint16(qMin(m_stackPointer, 32767)); }

    void Push(const QString& strProc);
    // Push for a name that lives as long as the program (a procedure's literal name): it is
    // kept as it is and made a string only when a report needs it.
    void pushName(const char* name);
    void Pop();
    // Handles the current failure (see setCurrentFailure).
    void HandleError();
    // The same as HandleError; the arguments are not used.
    void HandleErrorEx(qint32 nErrNum, const QString& nErrDescr, qint32 nErrLine);
    // Deletes the report file; true.
    bool ClearLog();

    // The component's own accessors.
    qint32 lastErrorNumber() const { return m_lastErrorNumber; }
    qint32 lastErrorLine() const { return m_lastErrorLine; }
    QString lastErrorDescription() const { return m_lastErrorDescription; }
    QString lastErrorProcedure() const { return m_lastErrorProcedure; }
    QString appTitle() const { return m_appTitle; }
    void setAppTitle(const QString& title) { m_appTitle = title; }
    QString currentOperation() const { return m_currentOperation; }
    void setCurrentOperation(const QString& text) { m_currentOperation = text; }
    // The stack entry at `index` (empty when out of the stack's bounds).
    QString stackEntry(int index) const;
    // The failure that HandleError handles, like the run-time's current error; set by the
    // procedure boundary before it calls HandleError.
    void setCurrentFailure(const Failure& failure);
    // The host's notify object last handed to the component. When it has an invokable
    // mErrorFromClient(qint32 number, QString description, QString procedure), every failure
    // goes there in place of the beep and the message box; one without it changes nothing.
    void setHostNotify(QObject* notify);
    // A failure that a procedure reports in a plain box of its own rather than through
    // HandleError: to the host that takes failures, else in that box.
    void showFailure(qint32 number, const QString& description, const QString& procedure);

Q_SIGNALS:
    void BeforeHandlerCalled(bool& Cancel);
    void AfterHandlerCalled();

private:
    void writeReport();
    // What the box says: the failure in words. The handler's full message, with the procedure,
    // line and number, is behind "Show Details".
    QString userText() const;
    QString messageText() const;
    bool tellHost(qint32 number, const QString& description, const QString& procedure);

    qint16 m_maxProcStackItems = 100;
    bool m_includeExpandedInfo = true;
    bool m_displayMsgOnError = true;
    qint32 m_lastErrorNumber = 0;
    qint32 m_lastErrorLine = 0;
    QString m_lastErrorDescription;
    QString m_lastErrorProcedure;
    QString m_appTitle;
    QString m_currentOperation;
    bool m_traceExecution = false;
    // An entry is a literal name or a string; at most one of the two is set.
    struct StackEntry {
        const char* name = nullptr;
        QString text;
        bool isEmpty() const { return (!name || !*name) && text.isEmpty(); }
        QString toString() const { return name ? QString::fromLatin1(name) : text; }
    };
    bool stores(int index) const;
    QList<StackEntry> m_stack;
    int m_stackPointer = 0; // counts on past the stack's room, never wraps
    QString m_traceFilePath;
    QFile m_traceFile;
    std::optional<Failure> m_current;
    QPointer<QObject> m_hostNotify;
    bool m_tellingHost = false;
};

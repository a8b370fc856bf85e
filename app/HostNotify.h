// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QPageLayout>
#include <QVariant>

// The host's notify object: the component writes the window handle into pChildhWnd, reads
// pParam, writes pCommand and announces events through mMsgFromClient. pPageLayout carries
// the page the user chose in the host's page set-up to the component's printing;
// pNextPageLayout the page the component's next print would use, where the set-up starts.
class HostNotify : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pChildhWnd READ pChildhWnd WRITE setPChildhWnd)
    Q_PROPERTY(QVariant pParam READ pParam WRITE setPParam)
    Q_PROPERTY(QString pCommand READ pCommand WRITE setPCommand)
    Q_PROPERTY(QPageLayout pPageLayout READ pPageLayout WRITE setPPageLayout)
    Q_PROPERTY(QPageLayout pNextPageLayout READ pNextPageLayout WRITE setPNextPageLayout)
public:
    using QObject::QObject;

    qint32 pChildhWnd() const { return m_childhWnd; }
    void setPChildhWnd(qint32 v) { m_childhWnd = v; }
    QVariant pParam() const { return m_param; }
    void setPParam(const QVariant& v) { m_param = v; }
    QString pCommand() const { return m_command; }
    void setPCommand(const QString& v) { m_command = v; }
    QPageLayout pPageLayout() const { return m_pageLayout; }
    void setPPageLayout(const QPageLayout& v) { m_pageLayout = v; }
    // The page the component's next print would use, written before it hands back Page Setup.
    QPageLayout pNextPageLayout() const { return m_nextPageLayout; }
    void setPNextPageLayout(const QPageLayout& v) { m_nextPageLayout = v; }

    Q_INVOKABLE void mMsgFromClient(qint32 code) { emit message(code); }

Q_SIGNALS:
    void message(qint32 code);

private:
    qint32 m_childhWnd = 0;
    QVariant m_param;
    QString m_command;
    QPageLayout m_pageLayout;
    QPageLayout m_nextPageLayout;
};

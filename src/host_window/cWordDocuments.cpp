// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/cWordDocuments.h"

#include "host_window/cWordApplication.h"
#include "host_window/cWordDocument.h"
#include "support/Failure.h"

cWordDocuments::cWordDocuments(cWordApplication& application) : m_application(application) {}

qint32 cWordDocuments::Count() const {
    return qint32(m_application.documents().size());
}

QObject* cWordDocuments::Add() {
    return m_application.addDocument();
}

QObject* cWordDocuments::Item(qint32 index) const {
    const QList<cWordDocument*> all = m_application.documents();
    if (index < 1 || index > all.size())
        throw Failure::subscriptOutOfRange(QStringLiteral("Documents(%1)").arg(index));
    return all.at(index - 1);
}

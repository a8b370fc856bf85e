// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/PageDocument.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QUrl>

PageDocument::PageDocument(QObject* parent) : QTextDocument(parent) {}

std::unique_ptr<PageDocument> PageDocument::copyOf(const QTextDocument& source) {
    auto doc = std::make_unique<PageDocument>();
    doc->setDefaultFont(source.defaultFont());
    doc->setDefaultStyleSheet(source.defaultStyleSheet());
    doc->setDefaultTextOption(source.defaultTextOption());
    doc->setDocumentMargin(source.documentMargin());
    doc->setIndentWidth(source.indentWidth());
    doc->setBaseUrl(source.baseUrl());
    for (const auto info : {DocumentTitle, DocumentUrl})
        doc->setMetaInformation(info, source.metaInformation(info));
    QTextCursor(doc.get()).insertFragment(QTextDocumentFragment(&source));
    doc->rootFrame()->setFrameFormat(source.rootFrame()->frameFormat());
    return doc;
}

QVariant PageDocument::loadResource(int type, const QUrl& name) {
    Q_UNUSED(type);
    return PageResources::load(name);
}

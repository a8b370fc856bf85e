// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "day_page/PageResources.h"

#include <QTextDocument>
#include <memory>

// A text document of a day page: whatever it shows, prints or exports loads its resources
// through PageResources only. (A resource provider is not enough: the document asks its own
// loader first, and that reads any local file.)
class PageDocument : public QTextDocument {
public:
    explicit PageDocument(QObject* parent = nullptr);

    // A copy of `source` for laying out afresh, as QTextDocument::clone makes one.
    static std::unique_ptr<PageDocument> copyOf(const QTextDocument& source);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "day_page/PageDocument.h"

#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

class DiskInterface;
class cWordApplication;

// One document of the word processor: rich text with a cursor (the selection) that is written
// as OpenDocument text. Its application writes it into the export folder and opens it with the
// desktop's handler once it is shown.
class cWordDocument : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* Application READ Application)
    Q_PROPERTY(QString FullName READ FullName)
    Q_PROPERTY(QString Content READ Content)

public:
    explicit cWordDocument(cWordApplication& application, QObject* parent = nullptr);

    QObject* Application() const;
    // The file the document was last written to; empty before.
    QString FullName() const { return m_fileName; }
    // The plain text.
    QString Content() const { return m_text.toPlainText(); }

    // Inserts the clipboard at the cursor: its HTML, or its plain text when it holds no HTML.
    Q_INVOKABLE void Paste();
    // Inserts an HTML fragment at the cursor.
    Q_INVOKABLE void InsertHtml(const QString& html);
    // Moves the cursor to the bookmark `name`: "\StartOfDoc" or "\EndOfDoc" (any letter
    // case). `what` is the kind of target, -1 for a bookmark.
    Q_INVOKABLE void GoTo(qint32 what, const QString& name);
    // Brings the document to the user, with its application.
    Q_INVOKABLE void Activate();
    // Writes the document as OpenDocument text to `fileName`, replacing the file only once it is
    // complete; the failure 75 when it cannot be written.
    Q_INVOKABLE void SaveAs(const QString& fileName);
    // SaveAs through `disk`: the file is replaced whole or not at all.
    void saveAs(const QString& fileName, DiskInterface& disk);

    const QTextDocument& text() const { return m_text; }
    // Whether it changed since it was last written.
    bool isDirty() const { return m_dirty; }
    // Whether its file was handed to the desktop's handler.
    bool isOpened() const { return m_opened; }
    void setOpened() { m_opened = true; }
    // A file name from the first line of the text and `date` ("Title 2024-03-10.odt"); a
    // document without text is called "Document". A first line that begins with a day ("3/10/24
    // - Lent 4", as a day page's does) names that day instead: "Lent 4 2024-03-10.odt".
    QString suggestedName(const QDate& date) const;

private:
    void changed();

    cWordApplication& m_application;
    // Written as OpenDocument text, every image of the document is embedded: only a page's
    // own resources may load.
    PageDocument m_text;
    QTextCursor m_cursor;
    QString m_fileName;
    bool m_dirty = false;
    bool m_opened = false;
};

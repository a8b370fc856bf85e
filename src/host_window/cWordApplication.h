// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class cWordDocument;
class cWordDocuments;

// The word processor as the component reaches it by the identifier "Word.Application": its
// documents are written as OpenDocument text, and opened with the desktop's handler for that
// type. While it is visible, a document that has text is written into the per-user export
// folder whenever it changes, and handed to the desktop the first time.
class cWordApplication : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* Documents READ Documents)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QObject* Selection READ Selection)
    Q_PROPERTY(QObject* ActiveDocument READ Selection)

public:
    static constexpr const char* kProgId = "Word.Application";
    // Whether documents are handed to the desktop or only ever saved where asked.
    enum class Opening { Desktop, Never };

    explicit cWordApplication(Opening opening = Opening::Desktop);
    ~cWordApplication() override;

    QObject* Documents() const;
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    // The selection is the active document's cursor: the document takes Paste and GoTo.
    QObject* Selection() const;
    // Brings the application to the user: writes and opens what changed.
    Q_INVOKABLE void Activate();

    // Whether the desktop can open OpenDocument text: xdg-open is installed and xdg-mime knows
    // an application for the type.
    static bool handlerAvailable();

    QList<cWordDocument*> documents() const { return m_all; }
    cWordDocument* addDocument();
    void activate(cWordDocument* document);
    void documentChanged(cWordDocument& document);

private:
    void publish(cWordDocument& document);

    Opening m_opening;
    cWordDocuments* m_documents;
    QList<cWordDocument*> m_all;
    QPointer<cWordDocument> m_active;
    bool m_visible = false;
};

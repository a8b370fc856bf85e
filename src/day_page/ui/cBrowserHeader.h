// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>

class QPrinter;
class QTextBrowser;

// Prints or previews a day page's browser with a header and a footer of the caller's choice,
// written in page-setup codes (see PageSetupCodes). The page is laid out on the printer page by
// page, and the header and footer are drawn on every page. The user's own page-setup settings
// are remembered when the object is made; on this platform the user has none, so the
// remembered header is "&w&b" and the footer "&u", and Header and Footer start as those.
// Nothing the user set is ever written.
class cBrowserHeader : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Header READ Header WRITE setHeader)
    Q_PROPERTY(QString Footer READ Footer WRITE setFooter)
    Q_PROPERTY(QObject* WebBrowser READ WebBrowser WRITE setWebBrowser)
    Q_PROPERTY(QString DocumentName READ DocumentName WRITE setDocumentName)
    Q_PROPERTY(QString PrinterName READ PrinterName WRITE setPrinterName)
    Q_PROPERTY(QString OutputFile READ OutputFile WRITE setOutputFile)
    Q_PROPERTY(QPageLayout PageLayout READ PageLayout WRITE setPageLayout)

public:
    explicit cBrowserHeader(QObject* parent = nullptr);
    ~cBrowserHeader() override;

    QString Header() const { return m_header; }
    void setHeader(const QString& v) { m_header = v; }
    QString Footer() const { return m_footer; }
    void setFooter(const QString& v) { m_footer = v; }
    // The browser to print: a QTextBrowser.
    QObject* WebBrowser() const { return m_browser; }
    void setWebBrowser(QObject* v) { m_browser = v; }
    // The document's name for the printer (the title of a PDF); the page's title when empty.
    QString DocumentName() const { return m_documentName; }
    void setDocumentName(const QString& v) { m_documentName = v; }
    // Where mPrintDirect prints: the PDF file when set, else the named printer.
    QString PrinterName() const { return m_printerName; }
    void setPrinterName(const QString& v) { m_printerName = v; }
    QString OutputFile() const { return m_outputFile; }
    void setOutputFile(const QString& v) { m_outputFile = v; }
    // The page the user chose in the host's page set-up; when valid, printed on instead of the
    // printer's paper with margins of 2 cm.
    QPageLayout PageLayout() const { return m_pageLayout; }
    void setPageLayout(const QPageLayout& v) { m_pageLayout = v; }

    QString rememberedHeader() const { return m_rememberedHeader; }
    QString rememberedFooter() const { return m_rememberedFooter; }

    // The print preview, without a dialog first; true when it was shown.
    Q_INVOKABLE bool mPreview();
    // The print dialog, then printing; true when printed.
    Q_INVOKABLE bool mPrint();
    // Printing on OutputFile or PrinterName without any dialog; true when printed.
    Q_INVOKABLE bool mPrintDirect();

    // Lays the browser's page out on `printer` with the header and footer; the page count.
    int printOn(QPrinter& printer) const;

private:
    void InitRegistrySettings();
    QTextBrowser* browser() const;
    void setUp(QPrinter& printer) const;

    QString m_header;
    QString m_footer;
    QPointer<QObject> m_browser;
    QString m_documentName;
    QString m_printerName;
    QString m_outputFile;
    QPageLayout m_pageLayout;
    QString m_rememberedHeader;
    QString m_rememberedFooter;
};

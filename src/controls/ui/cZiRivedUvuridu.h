// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

// The print preview of the calendars: draws the month or week calendar given in pctMonth on a
// printer, with a header and a footer, in the orientation, margins (twips) and scale (percent
// of the page) set. With pPreview (the default) a modal print preview owned by pfParent and
// captioned pCaption opens, from which the user prints; without it the print dialog comes
// first. Printing on a set printer or PDF file without any dialog is asked for by the second
// argument of mShowMonth and mShowCalendar. Each returns when the preview is closed or the
// printing has ended. Registered under its programmatic identifier; reached by member name.
class cZiRivedUvuridu : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pCountryVersion READ pCountryVersion WRITE setPCountryVersion)
    Q_PROPERTY(qint32 pOrientation READ pOrientation WRITE setPOrientation)
    Q_PROPERTY(bool pPreview READ pPreview WRITE setPPreview)
    Q_PROPERTY(qint32 pMarginLeft READ pMarginLeft WRITE setPMarginLeft)
    Q_PROPERTY(qint32 pMarginTop READ pMarginTop WRITE setPMarginTop)
    Q_PROPERTY(qint32 pMarginRight READ pMarginRight WRITE setPMarginRight)
    Q_PROPERTY(qint32 pMarginBottom READ pMarginBottom WRITE setPMarginBottom)
    Q_PROPERTY(QString pHeader READ pHeader WRITE setPHeader)
    Q_PROPERTY(QString pFooter READ pFooter WRITE setPFooter)
    Q_PROPERTY(QObject* pfParent READ pfParent WRITE setPfParent)
    Q_PROPERTY(QObject* pctMonth READ pctMonth WRITE setPctMonth)
    Q_PROPERTY(qint32 pScaleFactor READ pScaleFactor WRITE setPScaleFactor)
    Q_PROPERTY(QString pCaption READ pCaption WRITE setPCaption)
    Q_PROPERTY(QString pPrinterName READ pPrinterName WRITE setPPrinterName)
    Q_PROPERTY(QString pOutputFile READ pOutputFile WRITE setPOutputFile)
    Q_PROPERTY(QPageLayout pPageLayout READ pPageLayout WRITE setPPageLayout)

public:
    static constexpr const char* kProgId = "ZiRivedUvuridu.cZiRivedUvuridu";
    static constexpr qint32 kPortrait = 1;
    static constexpr qint32 kLandscape = 2;

    explicit cZiRivedUvuridu(QObject* parent = nullptr);
    ~cZiRivedUvuridu() override;

    // Registers the component under kProgId.
    static void registerComponent();

    // The edition code of the host; kept for the host's sake, the layout is the same for all.
    qint32 pCountryVersion() const { return m_countryVersion; }
    void setPCountryVersion(qint32 v) { m_countryVersion = v; }
    // 1 portrait (the default), 2 landscape; another value fails when showing.
    qint32 pOrientation() const { return m_orientation; }
    void setPOrientation(qint32 v) { m_orientation = v; }
    // True (the default): the print preview; false: the print dialog, then printing.
    bool pPreview() const { return m_preview; }
    void setPPreview(bool v) { m_preview = v; }
    // Page margins in twips; 1134 (2 cm) each by default.
    qint32 pMarginLeft() const { return m_margins[0]; }
    void setPMarginLeft(qint32 v) { m_margins[0] = v; }
    qint32 pMarginTop() const { return m_margins[1]; }
    void setPMarginTop(qint32 v) { m_margins[1] = v; }
    qint32 pMarginRight() const { return m_margins[2]; }
    void setPMarginRight(qint32 v) { m_margins[2] = v; }
    qint32 pMarginBottom() const { return m_margins[3]; }
    void setPMarginBottom(qint32 v) { m_margins[3] = v; }
    // Text at the top left and at the bottom left of every page.
    QString pHeader() const { return m_header; }
    void setPHeader(const QString& v) { m_header = v; }
    QString pFooter() const { return m_footer; }
    void setPFooter(const QString& v) { m_footer = v; }
    // The window that owns the preview and the print dialog; the preview takes its place.
    QObject* pfParent() const { return m_parent; }
    void setPfParent(QObject* v) { m_parent = v; }
    // The month calendar (for mShowMonth) or the week calendar (for mShowCalendar) to draw.
    QObject* pctMonth() const { return m_calendar; }
    void setPctMonth(QObject* v) { m_calendar = v; }
    // The calendar's share of the page, in percent (1 to 100; 100 by default).
    qint32 pScaleFactor() const { return m_scale; }
    void setPScaleFactor(qint32 v) { m_scale = v; }
    // The caption of the preview and of the print dialog.
    QString pCaption() const { return m_caption; }
    void setPCaption(const QString& v) { m_caption = v; }
    // Where a print without dialog goes: the PDF file when set, else the named printer.
    QString pPrinterName() const { return m_printerName; }
    void setPPrinterName(const QString& v) { m_printerName = v; }
    QString pOutputFile() const { return m_outputFile; }
    void setPOutputFile(const QString& v) { m_outputFile = v; }
    // The page the user chose in the host's page set-up. When valid, its paper, orientation and
    // margins are printed on instead of pOrientation and the margins; the user's choice wins.
    QPageLayout pPageLayout() const { return m_pageLayout; }
    void setPPageLayout(const QPageLayout& v) { m_pageLayout = v; }

    // Shows or prints the month calendar of pctMonth: `copies` copies; `direct` prints on
    // pOutputFile or pPrinterName without any dialog. False when nothing was printed or shown
    // (a cancelled dialog, or a failure, which goes to the error handler).
    Q_INVOKABLE bool mShowMonth(qint32 copies, bool direct);
    // The same for the week calendar of pctMonth.
    Q_INVOKABLE bool mShowCalendar(qint32 copies, bool direct);

private:
    enum class Kind { Month, Week };
    bool show(const char* procedure, Kind kind, qint32 copies, bool direct);
    // Checks the settings for `kind`; the page they give.
    QPageLayout pageLayout(Kind kind, qint32 copies) const;
    QString documentName() const;
    void render(QPagedPaintDevice& device, Kind kind) const;

    qint32 m_countryVersion = 0;
    qint32 m_orientation = kPortrait;
    bool m_preview = true;
    qint32 m_margins[4] = {1134, 1134, 1134, 1134};
    QString m_header;
    QString m_footer;
    QPointer<QObject> m_parent;
    QPointer<QObject> m_calendar;
    qint32 m_scale = 100;
    QString m_caption;
    QString m_printerName;
    QString m_outputFile;
    QPageLayout m_pageLayout;
};

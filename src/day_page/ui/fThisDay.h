// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "day_page/DayPageAssembly.h"
#include "day_page/DayPageView.h"

#include <QWidget>

class QComboBox;
class QTextCursor;
class QTextBrowser;
class QToolBar;

// A day page window: the day list in its first toolbar and a browser that shows the page
// file that the day page assembly writes. The host window creates one per page kind, sets the
// properties by name and docks it in a pane; it is listed in the component's window list.
class fThisDay : public QWidget, public DayPageView {
    Q_OBJECT
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(qint16 pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(double pDate READ pDate WRITE setPDate)
    Q_PROPERTY(QString pHTMDataFile READ pHTMDataFile WRITE setPHTMDataFile)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    // The page kind as text: "4" readings, "5" prayers, "7" ordo.
    Q_PROPERTY(QString tag READ tag WRITE setTag)
    Q_PROPERTY(QString LocationName READ LocationName)

public:
    explicit fThisDay(QWidget* parent = nullptr);
    ~fThisDay() override;

    QString pVkIniFile() const { return m_page.pVkIniFile(); }
    void setPVkIniFile(const QString& v) { m_page.setPVkIniFile(v); }
    QString pConnectionString() const { return m_page.pConnectionString(); }
    void setPConnectionString(const QString& v) { m_page.setPConnectionString(v); }
    qint16 pSQLMode() const { return m_page.pSQLMode(); }
    void setPSQLMode(qint16 v) { m_page.setPSQLMode(v); }
    qint32 pUser() const { return m_page.pUser(); }
    void setPUser(qint32 v) { m_page.setPUser(v); }
    qint32 pVersion() const { return m_page.pVersion(); }
    void setPVersion(qint32 v) { m_page.setPVersion(v); }
    double pDate() const { return m_page.pDate(); }
    void setPDate(double v) { m_page.setPDate(v); }
    QString pHTMDataFile() const { return m_page.pHTMDataFile(); }
    void setPHTMDataFile(const QString& v) { m_page.setPHTMDataFile(v); }
    QString pAppTitle() const { return m_page.pAppTitle(); }
    void setPAppTitle(const QString& v) { m_page.setPAppTitle(v); }
    QString tag() const { return m_tag; }
    void setTag(const QString& tag);
    // The file name of the page shown; empty for a blank page.
    QString LocationName() const;
    // The window's handle in the component's window list.
    qint32 hWnd();

    Q_INVOKABLE bool mInitialize();
    Q_INVOKABLE bool mShow(bool force = false);
    // Copies the selection to the clipboard as HTML and plain text, or the whole page when
    // nothing is selected, leaving the view and the selection as they were; false on a blank
    // page.
    Q_INVOKABLE bool mCopy();
    // Sends the page file by e-mail with the subject of `kind`; `text` is not used.
    Q_INVOKABLE bool mSend(const QString& text, qint16 kind);

    DayPageAssembly& assembly() { return m_page; }
    QTextBrowser* WebBrowser1() const { return m_browser; }
    QComboBox* dayList() const { return m_dayList; }
    QToolBar* toolBar(int index) const;
    // The full path of the file shown; empty for a blank page.
    QString location() const { return m_location; }

    // DayPageView
    void clearDayList() override;
    void addDayListEntry(const QString& text) override;
    int dayListCount() const override;
    QString dayListText(int number) const override;
    qint32 dayListItemValue(int number) const override;
    void setDayListItemValue(int number, qint32 value) override;
    int dayListIndex() const override;
    void setDayListIndex(int number) override;
    void navigate(const QString& target) override;
    void showWaitPointer() override;
    void showNormalPointer() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Copy in the page with nothing selected copies the whole page, as the menu's Copy does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCommand(int controlId);
    void layoutChildren();
    // What the page is called before its heading: the kind of page.
    QString pageName() const;
    void copyToClipboard(const QTextCursor& cursor) const;

    DayPageAssembly m_page;
    QString m_tag;
    QString m_location;
    QToolBar* m_standard = nullptr;
    QToolBar* m_liturgies = nullptr;
    QComboBox* m_dayList = nullptr;
    QTextBrowser* m_browser;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QWidget>

// Stands in for the print preview component: every property set and every call is noted as
// one line, with what the call finds of its owner window and of the host's messages.
class RecordingPreview : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pCountryVersion READ zero WRITE setPCountryVersion)
    Q_PROPERTY(qint32 pOrientation READ zero WRITE setPOrientation)
    Q_PROPERTY(bool pPreview READ no WRITE setPPreview)
    Q_PROPERTY(qint32 pMarginLeft READ zero WRITE setPMarginLeft)
    Q_PROPERTY(qint32 pMarginTop READ zero WRITE setPMarginTop)
    Q_PROPERTY(qint32 pMarginRight READ zero WRITE setPMarginRight)
    Q_PROPERTY(qint32 pMarginBottom READ zero WRITE setPMarginBottom)
    Q_PROPERTY(QString pHeader READ none WRITE setPHeader)
    Q_PROPERTY(QString pFooter READ none WRITE setPFooter)
    Q_PROPERTY(QObject* pfParent READ nothing WRITE setPfParent)
    Q_PROPERTY(QObject* pctMonth READ nothing WRITE setPctMonth)
    Q_PROPERTY(qint32 pScaleFactor READ zero WRITE setPScaleFactor)
    Q_PROPERTY(QString pCaption READ none WRITE setPCaption)
public:
    // The lines of every preview made since the last clear, and the messages of the host.
    static QStringList& log() {
        static QStringList lines;
        return lines;
    }
    static QList<qint32>*& messages() {
        static QList<qint32>* m = nullptr;
        return m;
    }

    qint32 zero() const { return 0; }
    bool no() const { return false; }
    QString none() const { return {}; }
    QObject* nothing() const { return nullptr; }

#define RECORD(name, type)                                                                         \
    void set##name(type v) {                                                                       \
        note(#name, QVariant::fromValue(v));                                                       \
    }
    RECORD(PCountryVersion, qint32)
    RECORD(POrientation, qint32)
    RECORD(PPreview, bool)
    RECORD(PMarginLeft, qint32)
    RECORD(PMarginTop, qint32)
    RECORD(PMarginRight, qint32)
    RECORD(PMarginBottom, qint32)
    RECORD(PHeader, const QString&)
    RECORD(PFooter, const QString&)
    RECORD(PScaleFactor, qint32)
    RECORD(PCaption, const QString&)
#undef RECORD
    void setPfParent(QObject* v) {
        m_parent = qobject_cast<QWidget*>(v);
        log().append(QStringLiteral("pfParent=%1").arg(v ? v->objectName() : QStringLiteral("-")));
    }
    void setPctMonth(QObject* v) {
        log().append(QStringLiteral("pctMonth=%1").arg(v ? v->objectName() : QStringLiteral("-")));
    }
    Q_INVOKABLE bool mShowMonth(qint32 a, bool b) {
        return show("mShowMonth", a, b);
    }
    Q_INVOKABLE bool mShowCalendar(qint32 a, bool b) {
        return show("mShowCalendar", a, b);
    }

private:
    void note(const char* name, const QVariant& v) {
        QString n = QString::fromLatin1(name);
        n[0] = QLatin1Char('p');
        log().append(n + QLatin1Char('=') + v.toString());
    }
    bool show(const char* name, qint32 a, bool b) {
        QStringList seen;
        for (qint32 m : *messages())
            seen.append(QString::number(m));
        const QRect g = m_parent ? m_parent->geometry() : QRect();
        log().append(QStringLiteral("%1(%2, %3) owner '%4' of %5 at %6,%7 %8x%9 messages %10")
                         .arg(QLatin1String(name))
                         .arg(a)
                         .arg(b ? "true" : "false")
                         .arg(m_parent ? m_parent->windowTitle() : QString())
                         .arg(m_parent && m_parent->parent() ? m_parent->parent()->objectName()
                                                             : QStringLiteral("-"))
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(seen.join(QLatin1Char(' '))));
        return true;
    }
    QWidget* m_parent = nullptr;
};

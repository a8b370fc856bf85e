// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/HeadlessUserInterface.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

class QProcess;

// What a program run by a test ended with.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Readable failure messages for Qt's strings. They live here, in the header every test
// includes, so that all test programs print them alike.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << ::testing::PrintToString(text.toStdString());
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << ::testing::PrintToString(std::string(bytes.constData(), size_t(bytes.size())));
}

// Every message box shown, whole: "icon buttons | title | text | details".
inline QStringList boxTexts(const QVector<HeadlessUserInterface::MessageBoxCall>& boxes) {
    static const char* const icons[] = {"none", "critical", "question", "exclamation", "info"};
    static const char* const buttons[] = {"ok", "okcancel", "yesno", "yesnocancel", "retry"};
    QStringList out;
    for (const auto& b : boxes)
        out << QString::fromLatin1(icons[int(b.icon)]) + QLatin1Char(' ') +
                   QString::fromLatin1(buttons[int(b.buttons)]) + QStringLiteral(" | ") + b.title +
                   QStringLiteral(" | ") + b.text + QStringLiteral(" | ") + b.details;
    return out;
}

// A test's private world: a temporary folder that serves as the user's data home and cache, the
// temporary folder and the component's folder; a recording user interface; a fixed clock
// (2024-03-05 14:30:15 unless set); the en_US locale. The shared state is reset before and
// after each test.
class TestEnv : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test's temporary folder, with a trailing '/'.
    QString dir() const;
    // A path inside the test's folder.
    QString path(const QString& name) const;
    // Writes `bytes` to a file in the test's folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray readFile(const QString& path);
    // The real Access file `name` of the shared test data beside the source folder; empty when
    // that folder is absent (tests then skip).
    static QString accessTestFile(const QString& name);

    // Starts `program` as this test's user: the en_US locale, home, data home, cache and working
    // folder in the test's folder. The caller waits for it.
    void startProgram(QProcess& process, const QString& program,
                      const QStringList& arguments) const;
    // Runs `program` as startProgram does and waits for it; a test failure when it does not
    // finish normally within `timeoutMs`.
    ProgramRun runProgram(const QString& program, const QStringList& arguments,
                          int timeoutMs = 60000) const;

    HeadlessUserInterface& ui() const { return *m_ui; }
    void setNow(const QDateTime& now);

private:
    struct SavedVariable {
        const char* name;
        bool set;
        QByteArray value;
    };
    QList<SavedVariable> m_savedEnv;
    QTemporaryDir m_dir;
    HeadlessUserInterface* m_ui = nullptr;
};

// Resets the shared state of this thread to a new, empty one.
void resetSharedState();

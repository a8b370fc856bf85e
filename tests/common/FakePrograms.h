// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Stand-ins for the desktop's programs (xdg-email, xdg-open, xdg-mime) in a folder that is the
// whole PATH while the object lives, so that a test sees exactly what the component started
// and nothing of the machine's own programs is found. Each records the arguments of every run.
class FakePrograms {
public:
    explicit FakePrograms(const QString& folder);
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // A program `name` that prints `output` (a line, when not empty) and exits with `exitCode`.
    void add(const QString& name, int exitCode = 0, const QString& output = {});
    // The arguments of each run of `name`, in order.
    QList<QStringList> runs(const QString& name) const;

private:
    QString m_folder;
    bool m_hadPath;
    QByteArray m_path;
};

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/FakePrograms.h"

#include <QDir>
#include <QFile>

namespace {

// Between the arguments of a run, and after each run.
constexpr char kUnit = '\037';
constexpr char kRecord = '\036';

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

FakePrograms::FakePrograms(const QString& folder)
    : m_folder(folder), m_hadPath(qEnvironmentVariableIsSet("PATH")), m_path(qgetenv("PATH")) {
    QDir().mkpath(folder);
    qputenv("PATH", QFile::encodeName(folder));
}

FakePrograms::~FakePrograms() {
    if (m_hadPath)
        qputenv("PATH", m_path);
    else
        qunsetenv("PATH");
}

void FakePrograms::add(const QString& name, int exitCode, const QString& output) {
    const QString program = m_folder + QLatin1Char('/') + name;
    const QString log = shellQuoted(program + QStringLiteral(".log"));
    QString script =
        QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\037' \"$a\"; done >> ") + log +
        QStringLiteral("\nprintf '\\036' >> ") + log + QLatin1Char('\n');
    if (!output.isEmpty())
        script += QStringLiteral("printf '%s\\n' ") + shellQuoted(output) + QLatin1Char('\n');
    script += QStringLiteral("exit %1\n").arg(exitCode);
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(script.toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QList<QStringList> FakePrograms::runs(const QString& name) const {
    QFile file(m_folder + QLatin1Char('/') + name + QStringLiteral(".log"));
    QList<QStringList> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QString text = QString::fromUtf8(file.readAll());
    QStringList records = text.split(QLatin1Char(kRecord));
    records.removeLast(); // each run ends with the separator
    for (const QString& record : records) {
        QStringList arguments = record.split(QLatin1Char(kUnit));
        arguments.removeLast(); // each argument ends with the separator
        result << arguments;
    }
    return result;
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/TestEnv.h"

#include "resources/EditionTranslator.h"
#include "support/CErrHandler.h"
#include "support/ComponentInfo.h"
#include "support/IniFileCache.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

void resetSharedState() {
    SharedState& s = shared();
    s.connectionCache.reset();
    s.iniFiles.reset();
    s.garbageFiles.reset();
    s.errHandler.reset();
    s.gLanguageOffset = 0;
    // A test that switched to Norwegian leaves the application's translator behind otherwise.
    EditionTranslator::follow();
    s.gMultiEditionMode = false;
    s.gEditionName.clear();
    s.env = Environment();
}

void TestEnv::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    resetSharedState();
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("tmp"));
    QDir(m_dir.path()).mkpath(QStringLiteral("module"));
    // Put back after the test: the next test's folder is made in the system's temporary
    // folder, not in this test's, which is gone by then.
    m_savedEnv.clear();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR", "XDG_RUNTIME_DIR",
                             ComponentInfo::kHelperFolderVariable})
        m_savedEnv.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    // The core is linked into the test program, far from the build's helper folder.
    qputenv(ComponentInfo::kHelperFolderVariable, LC_BUILD_HELPER_FOLDER);
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/cache")));
    qputenv("TMPDIR", QFile::encodeName(m_dir.path() + QStringLiteral("/tmp")));
    qunsetenv("XDG_RUNTIME_DIR");
    auto ui = std::make_unique<HeadlessUserInterface>(nullptr);
    m_ui = ui.get();
    shared().env.ui = std::move(ui);
    shared().env.componentFolder = m_dir.path() + QStringLiteral("/module/");
    setNow(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
}

void TestEnv::TearDown() {
    for (const SavedVariable& v : m_savedEnv) {
        if (v.set)
            qputenv(v.name, v.value);
        else
            qunsetenv(v.name);
    }
    resetSharedState();
    m_ui = nullptr;
}

QString TestEnv::dir() const {
    return m_dir.path() + QLatin1Char('/');
}

QString TestEnv::path(const QString& name) const {
    return dir() + name;
}

QString TestEnv::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString p = path(name);
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write " << p.toStdString();
    f.write(bytes);
    return p;
}

QByteArray TestEnv::readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString TestEnv::accessTestFile(const QString& name) {
    // Worktrees sit a level deeper than the main checkout, beside which the data lies.
    const QString source = qEnvironmentVariable("LC_SOURCE_DIR", QStringLiteral(LC_SOURCE_FOLDER));
    for (const char* up : {"/../shared/testdata/", "/../../shared/testdata/"}) {
        const QString file = QDir::cleanPath(source + QLatin1String(up) + name);
        if (!source.isEmpty() && QFileInfo::exists(file))
            return file;
    }
    return {};
}

ProgramRun TestEnv::runProgram(const QString& program, const QStringList& arguments,
                               int timeoutMs) const {
    QProcess process;
    startProgram(process, program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString() << " did not finish normally";
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestEnv::setNow(const QDateTime& now) {
    shared().env.now = [now] { return now; };
}

void TestEnv::startProgram(QProcess& process, const QString& program,
                           const QStringList& arguments) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("HOME"), dir());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir() + QStringLiteral("data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), dir() + QStringLiteral("cache"));
    // The test cluster's password reaches the programs as a parish gives it, through libpq's
    // PGPASSWORD, not on the command line (where the programs warn of it); any other password
    // in a connection string stays there.
    QStringList args = arguments;
    const QRegularExpression clusterPassword(QStringLiteral("(?:^|;)\\s*Password\\s*=([^;]*)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString password =
        clusterPassword.match(qEnvironmentVariable("LC_TEST_POSTGRES")).captured(1);
    if (!password.isEmpty()) {
        const QRegularExpression given(QStringLiteral("(^|;)\\s*Password\\s*=%1\\s*(;|$)")
                                           .arg(QRegularExpression::escape(password)),
                                       QRegularExpression::CaseInsensitiveOption);
        for (QString& a : args) {
            if (!a.contains(given) ||
                !a.contains(QStringLiteral("Provider=PostgreSQL"), Qt::CaseInsensitive))
                continue;
            a.replace(given, QStringLiteral("\\1"));
            env.insert(QStringLiteral("PGPASSWORD"), password);
        }
    }
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir());
    process.start(program, args);
}

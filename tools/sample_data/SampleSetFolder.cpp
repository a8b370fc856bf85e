// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleSetFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>

namespace {

const char* const kBuildPrefix = ".make-sample-data-";
// In the build folder while its set is moved: a run stopped then has moved part of it.
const char* const kMovingMark = ".moving";

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

bool removeEntry(const QString& path) {
    return QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
}

} // namespace

SampleSetFolder::SampleSetFolder(QString outDir, QStringList names)
    : m_outDir(std::move(outDir)), m_names(std::move(names)) {}

SampleSetFolder::~SampleSetFolder() {
    if (!m_published)
        discard();
}

QString SampleSetFolder::buildPath(const QString& name) const {
    return QDir(m_buildDir).absoluteFilePath(name);
}

QString SampleSetFolder::finalPath(const QString& name) const {
    return QDir(m_outDir).absoluteFilePath(name);
}

bool SampleSetFolder::prepare(QString* error) {
    const QFileInfo out(m_outDir);
    if (out.exists() && !out.isDir())
        return fail(error, QStringLiteral("'%1' is a file, not a folder.").arg(m_outDir));
    if (out.exists() && !removeLeftovers(error))
        return false;
    for (const QString& name : std::as_const(m_names)) {
        if (QFileInfo::exists(finalPath(name)))
            return fail(error, QStringLiteral("'%1' exists already; the default set is written "
                                              "into a folder without it.")
                                   .arg(finalPath(name)));
    }
    if (!out.exists() && !QDir().mkpath(m_outDir))
        return fail(error, QStringLiteral("The folder '%1' cannot be created.").arg(m_outDir));
    QTemporaryDir buildDir(
        QDir(m_outDir).absoluteFilePath(QString::fromLatin1(kBuildPrefix) + "XXXXXX"));
    if (!buildDir.isValid())
        return fail(error, QStringLiteral("No folder can be created in '%1'.").arg(m_outDir));
    buildDir.setAutoRemove(false);
    m_buildDir = buildDir.path();
    return true;
}

bool SampleSetFolder::removeLeftovers(QString* error) {
    const QDir outDir(m_outDir);
    const QStringList leftovers =
        outDir.entryList({QString::fromLatin1(kBuildPrefix) + '*'}, QDir::Dirs | QDir::Hidden);
    for (const QString& name : leftovers) {
        const QDir left(outDir.absoluteFilePath(name));
        // A run stopped while moving: what it moved already is missing from its folder.
        if (left.exists(QString::fromLatin1(kMovingMark))) {
            for (const QString& output : std::as_const(m_names)) {
                if (left.exists(output) || !QFileInfo::exists(finalPath(output)))
                    continue;
                if (!removeEntry(finalPath(output)))
                    return fail(error, QStringLiteral("'%1' of an interrupted run cannot be "
                                                      "removed.")
                                           .arg(finalPath(output)));
            }
        }
        if (!QDir(left.absolutePath()).removeRecursively())
            return fail(error, QStringLiteral("The folder '%1' of an interrupted run cannot be "
                                              "removed.")
                                   .arg(left.absolutePath()));
    }
    return true;
}

bool SampleSetFolder::publish(QString* error) {
    QFile mark(buildPath(QString::fromLatin1(kMovingMark)));
    if (!mark.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("'%1' cannot be written.").arg(mark.fileName()));
    mark.close();
    for (const QString& name : std::as_const(m_names)) {
        if (!QDir().rename(buildPath(name), finalPath(name))) {
            const QString why = QStringLiteral("'%1' cannot be moved to '%2'.")
                                    .arg(buildPath(name), finalPath(name));
            discard();
            return fail(error, why);
        }
        m_moved.append(finalPath(name));
    }
    QDir(m_buildDir).removeRecursively();
    m_buildDir.clear();
    m_published = true;
    return true;
}

void SampleSetFolder::discard() {
    if (!m_buildDir.isEmpty())
        QDir(m_buildDir).removeRecursively();
    m_buildDir.clear();
    for (auto it = m_moved.crbegin(); it != m_moved.crend(); ++it)
        removeEntry(*it);
    m_moved.clear();
}

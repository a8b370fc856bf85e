// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/Failure.h"

namespace {

QString withDetail(const char* text, const QString& detail) {
    QString description = QString::fromLatin1(text);
    if (!detail.isEmpty())
        description += QStringLiteral(": ") + detail;
    return description;
}

} // namespace

Failure::Failure(qint32 number, QString description, qint32 line)
    : m_number(number), m_description(std::move(description)), m_line(line),
      m_what(m_description.toUtf8()) {}

Failure Failure::invalidCall(const QString& detail) {
    return {5, withDetail("Invalid procedure call or argument", detail)};
}
Failure Failure::overflow(const QString& detail) {
    return {6, withDetail("Overflow", detail)};
}
Failure Failure::subscriptOutOfRange(const QString& detail) {
    return {9, withDetail("Subscript out of range", detail)};
}
Failure Failure::typeMismatch(const QString& detail) {
    return {13, withDetail("Type mismatch", detail)};
}
Failure Failure::fileNotFound(const QString& path) {
    return {53, withDetail("File not found", path)};
}
Failure Failure::pathFileAccess(const QString& path) {
    return {75, withDetail("Path/File access error", path)};
}
Failure Failure::pathNotFound(const QString& path) {
    return {76, withDetail("Path not found", path)};
}
Failure Failure::objectNotSet(const QString& detail) {
    return {91, withDetail("Object variable or With block variable not set", detail)};
}
Failure Failure::invalidUseOfNull(const QString& detail) {
    return {94, withDetail("Invalid use of Null", detail)};
}
Failure Failure::cannotCreateObject(const QString& progId) {
    return {429, withDetail("A part of the program cannot be started", progId)};
}
Failure Failure::programMissing(const QString& advice) {
    return {429, advice};
}
Failure Failure::memberNotSupported(const QString& member) {
    return {438, withDetail("Object doesn't support this property or method", member)};
}
Failure Failure::internal(const QString& detail) {
    return {51, withDetail("Internal error", detail)};
}

// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/Failure.h"

#include <QCoreApplication>

namespace {

// The words of a failure are read in the edition's language; what follows them (a path, a
// name, a number) stays as it is.
QString withDetail(const char* text, const QString& detail) {
    QString description = QCoreApplication::translate("Failure", text);
    if (!detail.isEmpty())
        description += QStringLiteral(": ") + detail;
    return description;
}

} // namespace

Failure::Failure(qint32 number, QString description, qint32 line)
    : m_number(number), m_description(std::move(description)), m_line(line),
      m_what(m_description.toUtf8()) {}

Failure Failure::invalidCall(const QString& detail) {
    return {5,
            withDetail(QT_TRANSLATE_NOOP("Failure", "Invalid procedure call or argument"), detail)};
}
Failure Failure::overflow(const QString& detail) {
    return {6, withDetail(QT_TRANSLATE_NOOP("Failure", "Overflow"), detail)};
}
Failure Failure::subscriptOutOfRange(const QString& detail) {
    return {9, withDetail(QT_TRANSLATE_NOOP("Failure", "Subscript out of range"), detail)};
}
Failure Failure::typeMismatch(const QString& detail) {
    return {13, withDetail(QT_TRANSLATE_NOOP("Failure", "Type mismatch"), detail)};
}
Failure Failure::fileNotFound(const QString& path) {
    return {53, withDetail(QT_TRANSLATE_NOOP("Failure", "File not found"), path)};
}
Failure Failure::pathFileAccess(const QString& path) {
    return {75, withDetail(QT_TRANSLATE_NOOP("Failure", "Path/File access error"), path)};
}
Failure Failure::pathNotFound(const QString& path) {
    return {76, withDetail(QT_TRANSLATE_NOOP("Failure", "Path not found"), path)};
}
Failure Failure::objectNotSet(const QString& detail) {
    return {91, withDetail(
                    QT_TRANSLATE_NOOP("Failure", "Object variable or With block variable not set"),
                    detail)};
}
Failure Failure::invalidUseOfNull(const QString& detail) {
    return {94, withDetail(QT_TRANSLATE_NOOP("Failure", "Invalid use of Null"), detail)};
}
Failure Failure::cannotCreateObject(const QString& progId) {
    return {429, withDetail(QT_TRANSLATE_NOOP("Failure", "A part of the program cannot be started"),
                            progId)};
}
Failure Failure::programMissing(const QString& advice) {
    return {429, advice};
}
Failure Failure::memberNotSupported(const QString& member) {
    return {438, withDetail(
                     QT_TRANSLATE_NOOP("Failure", "Object doesn't support this property or method"),
                     member)};
}
Failure Failure::internal(const QString& detail) {
    return {51, withDetail(QT_TRANSLATE_NOOP("Failure", "Internal error"), detail)};
}

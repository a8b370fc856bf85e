// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/OdfPackage.h"

#include <QtEndian>
#include <zlib.h>

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr qsizetype kLocalHeaderSize = 30;
constexpr qsizetype kCentralHeaderSize = 46;
constexpr qsizetype kEndSize = 22;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr quint16 kVersion = 20;
constexpr quint16 kUtf8Names = 0x0800;
// 1 January 1980, the earliest date the format knows, so that the same document gives the
// same bytes.
constexpr quint16 kDosDate = (0 << 9) | (1 << 5) | 1;

// Byte by byte, not through memcpy: the caller has checked the bounds, and GCC's bounds
// warning cannot see that a QByteArray may be longer than its empty shared null.
quint16 u16(const QByteArray& data, qsizetype at) {
    return quint16(quint8(data.at(at)) | quint8(data.at(at + 1)) << 8);
}

quint32 u32(const QByteArray& data, qsizetype at) {
    return quint32(u16(data, at)) | quint32(u16(data, at + 2)) << 16;
}

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint32 crcOf(const QByteArray& data) {
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.constData()),
                         uInt(data.size())));
}

std::optional<QByteArray> inflated(const QByteArray& data, qsizetype size) {
    QByteArray out(size, Qt::Uninitialized);
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    const int result = inflate(&s, Z_FINISH);
    inflateEnd(&s);
    if (result != Z_STREAM_END || s.avail_out != 0)
        return std::nullopt;
    return out;
}

QByteArray deflated(const QByteArray& data) {
    z_stream s{};
    deflateInit2(&s, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&s, uLong(data.size()))), Qt::Uninitialized);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.truncate(qsizetype(s.total_out));
    deflateEnd(&s);
    return out;
}

} // namespace

std::optional<OdfPackage> OdfPackage::read(const QByteArray& zip) {
    // The end of the central directory: the last of its signatures, behind which only the
    // archive's comment may follow.
    qsizetype end = zip.size() - kEndSize;
    while (end >= 0 && u32(zip, end) != kEndOfDirectory)
        --end;
    if (end < 0)
        return std::nullopt;
    const int count = u16(zip, end + 10);
    qsizetype at = u32(zip, end + 16);
    OdfPackage package;
    for (int i = 0; i < count; ++i) {
        if (at + kCentralHeaderSize > zip.size() || u32(zip, at) != kCentralHeader)
            return std::nullopt;
        const quint16 method = u16(zip, at + 10);
        const quint32 crc = u32(zip, at + 16);
        const qsizetype packed = u32(zip, at + 20);
        const qsizetype size = u32(zip, at + 24);
        const qsizetype nameLength = u16(zip, at + 28);
        const qsizetype skip = nameLength + u16(zip, at + 30) + u16(zip, at + 32);
        const qsizetype local = u32(zip, at + 42);
        if (at + kCentralHeaderSize + nameLength > zip.size() ||
            local + kLocalHeaderSize > zip.size() || u32(zip, local) != kLocalHeader)
            return std::nullopt;
        const QString name = QString::fromUtf8(zip.mid(at + kCentralHeaderSize, nameLength));
        const qsizetype data =
            local + kLocalHeaderSize + u16(zip, local + 26) + u16(zip, local + 28);
        if (data + packed > zip.size())
            return std::nullopt;
        const QByteArray raw = zip.mid(data, packed);
        std::optional<QByteArray> contents;
        if (method == kStored && packed == size)
            contents = raw;
        else if (method == kDeflated)
            contents = inflated(raw, size);
        if (!contents || crcOf(*contents) != crc)
            return std::nullopt;
        package.m_entries.append({name, *contents});
        at += kCentralHeaderSize + skip;
    }
    return package;
}

QByteArray OdfPackage::file(const QString& name) const {
    for (const Entry& e : m_entries) {
        if (e.name == name)
            return e.contents;
    }
    return {};
}

void OdfPackage::setFile(const QString& name, const QByteArray& contents) {
    for (Entry& e : m_entries) {
        if (e.name == name)
            e.contents = contents;
    }
}

QByteArray OdfPackage::write() const {
    QByteArray out;
    QByteArray directory;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        const QByteArray name = e.name.toUtf8();
        const quint16 method = i == 0 ? kStored : kDeflated;
        const QByteArray data = method == kStored ? e.contents : deflated(e.contents);
        const quint32 crc = crcOf(e.contents);
        const auto header = [&](QByteArray& to) {
            put16(to, kVersion);
            put16(to, kUtf8Names);
            put16(to, method);
            put16(to, 0);
            put16(to, kDosDate);
            put32(to, crc);
            put32(to, quint32(data.size()));
            put32(to, quint32(e.contents.size()));
            put16(to, quint16(name.size()));
            put16(to, 0);
        };
        const quint32 offset = quint32(out.size());
        put32(out, kLocalHeader);
        header(out);
        out += name;
        out += data;
        put32(directory, kCentralHeader);
        put16(directory, kVersion);
        header(directory);
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += name;
    }
    const quint32 start = quint32(out.size());
    out += directory;
    put32(out, kEndOfDirectory);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(m_entries.size()));
    put16(out, quint16(m_entries.size()));
    put32(out, quint32(directory.size()));
    put32(out, start);
    put16(out, 0);
    return out;
}

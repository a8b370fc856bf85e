// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The fuzzer's bytes read as the values a target needs; reading past the end gives zeros and
// empty texts, so every input is a complete case.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : uint8_t(m_data[m_pos++]); }
    // A number from `low` to `high`.
    int number(int low, int high) {
        const unsigned span = unsigned(high - low) + 1;
        const unsigned raw = unsigned(byte()) | unsigned(byte()) << 8;
        return low + int(raw % span);
    }
    // Eight raw bytes as a double: every bit pattern, NaN and infinities included.
    double real() {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= uint64_t(byte()) << (8 * i);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The bytes up to the next '\n' (not included) as UTF-8 text.
    QString line() { return QString::fromUtf8(lineBytes()); }
    QByteArray lineBytes() {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != '\n')
            ++m_pos;
        const QByteArray bytes(m_data + start, qsizetype(m_pos - start));
        if (m_pos < m_size)
            ++m_pos;
        return bytes;
    }
    // Everything not read yet.
    QByteArray rest() {
        const QByteArray bytes(m_data + m_pos, qsizetype(m_size - m_pos));
        m_pos = m_size;
        return bytes;
    }

private:
    const char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

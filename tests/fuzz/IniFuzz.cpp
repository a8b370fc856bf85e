// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The INI reader and writer on any text: a written value reads back, and every other line of
// the file is kept.
#include "FuzzInput.h"
#include "FuzzWorld.h"
#include "support/DiskInterface.h"
#include "support/modIni.h"

#include <QList>

namespace {

// The file as the fuzzer gives it, and what the writer puts in its place.
class MemoryDisk : public DiskInterface {
public:
    explicit MemoryDisk(QByteArray text) : m_text(std::move(text)) {}
    bool exists(const QString&) override { return true; }
    bool readFile(const QString&, QByteArray* contents) override {
        *contents = m_text;
        return true;
    }
    WriteResult writeWhole(const QString&, const QByteArray& contents) override {
        written = contents;
        return WriteResult::Written;
    }
    QByteArray written;

private:
    QByteArray m_text;
};

// The lines of an INI text; a leading byte-order mark is kept by the writer but is no line.
QList<QByteArray> linesOf(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// The value as the reader gives it back: without surrounding blanks and matching quotes.
QString readBack(const QString& value) {
    QString v = value.trimmed();
    const bool quoted = v.size() >= 2 && ((v.startsWith(u'"') && v.endsWith(u'"')) ||
                                          (v.startsWith(u'\'') && v.endsWith(u'\'')));
    return quoted ? v.mid(1, v.size() - 2) : v;
}

// Whether `after` is `before` with one line replaced (the key's), one line inserted (a new key
// in its section) or two lines appended (a new section and its key).
bool keepsOtherLines(const QList<QByteArray>& before, const QList<QByteArray>& after) {
    const qsizetype n = before.size();
    if (after.size() == n) {
        qsizetype changed = 0;
        for (qsizetype i = 0; i < n; ++i)
            changed += before[i] != after[i] ? 1 : 0;
        return changed <= 1;
    }
    if (after.size() == n + 1) {
        for (qsizetype k = 0; k <= n; ++k) {
            QList<QByteArray> without = after;
            without.removeAt(k);
            if (without == before)
                return true;
        }
        return false;
    }
    return after.size() == n + 2 && after.mid(0, n) == before;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWorld::folder();
    FuzzInput in(data, size);
    // Names as the component passes them: without surrounding blanks.
    const QString section = in.line().trimmed();
    const QString key = in.line().trimmed();
    const QString value = in.line();
    const QByteArray text = in.rest();

    // Reading never fails, whatever the file holds.
    (void)modIni::valueIn(text, section, key);
    if (section.isEmpty() || key.isEmpty())
        return 0;
    MemoryDisk disk(text);
    if (!modIni::writeChecked(QStringLiteral("/nonexistent/fuzz.ini"), section, key, value, disk))
        return 0;
    FuzzWorld::check(modIni::valueIn(disk.written, section, key) == readBack(value),
                     "a written value reads back");
    FuzzWorld::check(keepsOtherLines(linesOf(text), linesOf(disk.written)),
                     "every other line is kept");
    return 0;
}

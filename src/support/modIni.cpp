// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/modIni.h"

#include "support/DiskInterface.h"
#include "support/IniFileCache.h"
#include "support/mVBFileDisk.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringDecoder>

namespace {

// One line of an INI text: its content and its own line end ("" for a last line without one).
struct Line {
    QByteArray text;
    QByteArray end;
};

QList<Line> splitLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype i = start;
        while (i < text.size() && text[i] != '\n' && text[i] != '\r')
            ++i;
        Line line{text.mid(start, i - start), {}};
        if (i < text.size()) {
            const qsizetype endLength =
                (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            line.end = text.mid(i, endLength);
            i += endLength;
        }
        lines.append(line);
        start = i;
    }
    return lines;
}

// UTF-8 as written: a byte-order mark inside a line is a character of its name or value (the
// plain conversion would drop one at the start of the piece).
QString decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// The section name of a header line ("[name]"), or a null string for any other line.
QString sectionOf(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return {};
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return {};
    return decoded(t.mid(1, close - 1)).trimmed();
}

// The key of a key line ("key=value"), or a null string.
QString keyOf(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('['))
        return {};
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return {};
    return decoded(t.left(eq)).trimmed();
}

QString valueOf(const QByteArray& line) {
    QString value = decoded(line.mid(line.indexOf('=') + 1)).trimmed();
    // A value in matching quotes reads without them, as the private-profile reader does.
    if (value.size() >= 2 &&
        ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
         (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
        value = value.mid(1, value.size() - 2);
    return value;
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The index of the header line of the first section named `section`, or -1. Names are compared
// without the blanks around them, on the file's side and on the caller's, as they are read.
qsizetype findSection(const QList<Line>& lines, const QString& section) {
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionOf(lines[i].text);
        if (!name.isNull() && same(name, wanted))
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at `header`.
qsizetype sectionEnd(const QList<Line>& lines, qsizetype header) {
    qsizetype i = header + 1;
    while (i < lines.size() && sectionOf(lines[i].text).isNull())
        ++i;
    return i;
}

// An editor's UTF-8 byte-order mark at the start; it is kept but never read as text.
QByteArray byteOrderMarkOf(const QByteArray& text) {
    static const QByteArray mark("\xEF\xBB\xBF");
    return text.startsWith(mark) ? mark : QByteArray();
}

QByteArray lineEndOf(const QList<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QByteArrayLiteral("\r\n");
}

} // namespace

namespace modIni {

QString valueIn(const QByteArray& text, const QString& section, const QString& key) {
    if (isUtf16(text))
        return {};
    const QList<Line> lines = splitLines(text.mid(byteOrderMarkOf(text).size()));
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return {};
    const qsizetype end = sectionEnd(lines, header);
    const QString wanted = key.trimmed();
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString k = keyOf(lines[i].text);
        if (!k.isNull() && same(k, wanted))
            return valueOf(lines[i].text);
    }
    return {};
}

QByteArray withValue(const QByteArray& text, const QString& section, const QString& key,
                     const QString& value) {
    const QByteArray mark = byteOrderMarkOf(text);
    QList<Line> lines = splitLines(text.mid(mark.size()));
    const QByteArray eol = lineEndOf(lines);
    const QByteArray keyLine = key.trimmed().toUtf8() + '=' + value.toUtf8();
    const qsizetype header = findSection(lines, section);
    if (header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = eol;
        lines.append({'[' + section.trimmed().toUtf8() + ']', eol});
        lines.append({keyLine, eol});
    } else {
        const qsizetype end = sectionEnd(lines, header);
        qsizetype found = -1;
        for (qsizetype i = header + 1; i < end && found < 0; ++i) {
            const QString k = keyOf(lines[i].text);
            if (!k.isNull() && same(k, key.trimmed()))
                found = i;
        }
        if (found >= 0) {
            // The key keeps the spelling the file gave it.
            lines[found].text = keyOf(lines[found].text).toUtf8() + '=' + value.toUtf8();
        } else {
            // After the section's last non-empty line, so blank separators stay where they are.
            qsizetype at = end;
            while (at > header + 1 && lines[at - 1].text.trimmed().isEmpty())
                --at;
            if (lines[at - 1].end.isEmpty())
                lines[at - 1].end = eol;
            lines.insert(at, {keyLine, eol});
        }
    }
    QByteArray out = mark;
    for (const Line& line : lines)
        out += line.text + line.end;
    return out;
}

bool isUtf16(const QByteArray& text) {
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF"))
        return true;
    // Without a mark: every letter of the start with a zero byte beside it, on the same side.
    const qsizetype pairs = qMin<qsizetype>(text.size(), 64) / 2;
    if (pairs < 4)
        return false;
    bool little = true;
    bool big = true;
    for (qsizetype i = 0; i < pairs; ++i) {
        const char first = text[2 * i];
        const char second = text[2 * i + 1];
        little = little && first != 0 && second == 0;
        big = big && first == 0 && second != 0;
    }
    return little || big;
}

bool isUtf16File(const QString& iniFile) {
    QFile file(mVBFileDisk::resolveLetterCase(iniFile));
    return file.open(QIODevice::ReadOnly) && isUtf16(file.read(64));
}

QString read(const QString& iniFile, const QString& section, const QString& key) {
    if (iniFile.isEmpty())
        return {};
    return IniFileCache::instance().value(iniFile, section, key).left(kMaxValueLength);
}

QStringList readAll(const QString& iniFile, const QString& section, const QStringList& keys) {
    if (iniFile.isEmpty())
        return QStringList(keys.size());
    QStringList values = IniFileCache::instance().values(iniFile, section, keys);
    for (QString& value : values)
        value.truncate(kMaxValueLength);
    return values;
}

bool writeChecked(const QString& iniFile, const QString& section, const QString& key,
                  const QString& value, DiskInterface& disk, DiskInterface::WriteResult* why) {
    DiskInterface::WriteResult ignored{};
    DiskInterface::WriteResult& result = why ? *why : ignored;
    result = DiskInterface::WriteResult::Failed;
    if (iniFile.isEmpty() || section.trimmed().isEmpty() || key.trimmed().isEmpty())
        return false;
    // A line break or a bracket or equals sign in the wrong place would add lines or sections
    // to the host's file; such a write is refused.
    const auto breaksLine = [](const QString& text) {
        return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    };
    if (breaksLine(section) || breaksLine(key) || breaksLine(value) ||
        section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')) ||
        key.trimmed().startsWith(QLatin1Char('[')) || key.trimmed().startsWith(QLatin1Char(';')))
        return false;
    QString path = mVBFileDisk::resolveLetterCase(iniFile);
    // Through a link, replace the file it points to, not the link.
    const QString target = QFileInfo(path).canonicalFilePath();
    if (!target.isEmpty())
        path = target;
    QByteArray text;
    // A file that exists but cannot be read must not be replaced by one holding a single key.
    if (!disk.readFile(path, &text) && disk.exists(path))
        return false;
    // Lines of UTF-8 among UTF-16 ones would spoil the file for its editor and for us; and
    // names of zero bytes would make a file that reads as UTF-16.
    const QByteArray updated = withValue(text, section, key, value);
    if (isUtf16(text) || isUtf16(updated))
        return false;
    result = disk.writeWhole(path, updated);
    return result == DiskInterface::WriteResult::Written;
}

bool write(const QString& iniFile, const QString& section, const QString& key,
           const QString& value) {
    writeChecked(iniFile, section, key, value, RealDiskInterface::instance());
    return true;
}

} // namespace modIni

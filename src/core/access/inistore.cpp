#include "core/access/inistore.h"

#include <algorithm>
#include <vector>

#include <QFileInfo>

#include "core/system/system.h"

namespace orvelia {

namespace {

// A byte order mark before the first line is not part of its text.
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Positions of one line in the text.
struct Line {
    qsizetype begin = 0;      ///< first byte of the line's text
    qsizetype contentEnd = 0; ///< end of the text, before the line break
    qsizetype end = 0;        ///< after the line break
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct Entry {
    LineKind kind = LineKind::Other;
    QByteArray name;       ///< section or key name, without blanks around it
    qsizetype equals = -1; ///< position of the '=' of a key line in the whole text
};

// Where a key is, or where it would go.
struct Location {
    std::vector<Line> lines;
    qsizetype keyLine = -1;       ///< the line holding the key
    qsizetype equals = -1;        ///< the position of its '='
    qsizetype lastOfSection = -1; ///< the last non-blank line of the first section of that name
};

std::vector<Line> splitLines(const QByteArray& text) {
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const qsizetype newline = text.indexOf('\n', pos);
        if (newline < 0) {
            line.contentEnd = line.end = text.size();
        } else {
            line.end = newline + 1;
            line.contentEnd = newline > pos && text.at(newline - 1) == '\r' ? newline - 1 : newline;
        }
        lines.push_back(line);
        pos = line.end;
    }
    if (!lines.empty() && text.startsWith(kUtf8Bom))
        lines.front().begin = std::min(kUtf8Bom.size(), lines.front().contentEnd);
    return lines;
}

Entry classify(const QByteArray& text, const Line& line) {
    const QByteArray content = text.mid(line.begin, line.contentEnd - line.begin);
    const QByteArray trimmed = content.trimmed();
    if (trimmed.isEmpty())
        return {LineKind::Blank, {}, -1};
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return {LineKind::Comment, {}, -1};
    if (trimmed.startsWith('[')) {
        // An unclosed header names the section with the rest of the line.
        const qsizetype close = trimmed.indexOf(']');
        return {LineKind::Section, trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed(), -1};
    }
    const qsizetype equals = content.indexOf('=');
    if (equals >= 0)
        return {LineKind::Key, content.left(equals).trimmed(), line.begin + equals};
    return {LineKind::Other, {}, -1};
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a.at(i)) != asciiLower(b.at(i)))
            return false;
    }
    return true;
}

Location locate(const QByteArray& text, const QByteArray& section, const QByteArray& key) {
    Location location;
    location.lines = splitLines(text);
    bool inSection = false;      // inside a section of that name
    bool inFirstSection = false; // inside the first one
    for (qsizetype i = 0; i < qsizetype(location.lines.size()); ++i) {
        const Entry entry = classify(text, location.lines[size_t(i)]);
        if (entry.kind == LineKind::Blank)
            continue;
        if (entry.kind == LineKind::Section) {
            inSection = sameName(entry.name, section);
            inFirstSection = inSection && location.lastOfSection < 0;
        } else if (entry.kind == LineKind::Key && inSection && sameName(entry.name, key)) {
            location.keyLine = i;
            location.equals = entry.equals;
            return location;
        }
        if (inFirstSection)
            location.lastOfSection = i;
    }
    return location;
}

// The line ending of the text's first line; "\r\n" for a text without line breaks.
QByteArray lineEnding(const QByteArray& text) {
    const qsizetype newline = text.indexOf('\n');
    if (newline < 0 || (newline > 0 && text.at(newline - 1) == '\r'))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

// The whole file; a file that is not there reads as empty. Anything but a regular file of at most
// kMaxIniBytes (a folder, a pipe, a device, a file grown huge) is an error, found without waiting.
IniRead readFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    sys::NativeFile file;
    if (!file.open(path, sys::NativeFile::Access::ReadOnly))
        return {IniError::Read, {}};
    const std::optional<qint64> size = file.size();
    if (!size || *size > kMaxIniBytes)
        return {IniError::Read, {}};
    QByteArray bytes(*size, Qt::Uninitialized);
    if (!bytes.isEmpty() && !file.readAt(bytes.data(), bytes.size(), 0))
        return {IniError::Read, {}};
    if (!file.close())
        return {IniError::Read, {}};
    return {IniError::None, bytes};
}

} // namespace

const char* describe(IniError error) {
    switch (error) {
    case IniError::None:
        return "ok";
    case IniError::Read:
        return "read failed";
    case IniError::Write:
        return "write failed";
    }
    return "unknown error";
}

namespace ini {

QByteArray value(const QByteArray& text, const QByteArray& section, const QByteArray& key) {
    const Location location = locate(text, section, key);
    if (location.keyLine < 0)
        return {};
    const Line& line = location.lines[size_t(location.keyLine)];
    return text.mid(location.equals + 1, line.contentEnd - location.equals - 1).trimmed();
}

QByteArray withValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value) {
    const Location location = locate(text, section, key);
    if (location.keyLine >= 0) {
        const Line& line = location.lines[size_t(location.keyLine)];
        qsizetype start = location.equals + 1;
        while (start < line.contentEnd && (text.at(start) == ' ' || text.at(start) == '\t'))
            ++start;
        return text.left(start) + value + text.mid(line.contentEnd);
    }

    const QByteArray eol = lineEnding(text);
    const QByteArray entry = key + '=' + value + eol;
    if (location.lastOfSection >= 0) {
        const Line& line = location.lines[size_t(location.lastOfSection)];
        QByteArray out = text.left(line.end);
        if (line.end == line.contentEnd) // the section's last line ends the file without a line break
            out += eol;
        return out + entry + text.mid(line.end);
    }

    QByteArray out = text;
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += eol;
    return out + '[' + section + ']' + eol + entry;
}

} // namespace ini

IniRead readIniValue(const QString& path, const QByteArray& section, const QByteArray& key) {
    IniRead read = readFile(path);
    if (read.ok())
        read.value = ini::value(read.value, section, key);
    return read;
}

IniError writeIniValue(const QString& path, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value) {
    const IniRead old = readFile(path);
    if (!old.ok())
        return old.error;
    const QByteArray bytes = ini::withValue(old.value, section, key, value);

    // The old file is untouched until the new one, on the disk, takes its place.
    if (!sys::replaceFileContents(path, bytes))
        return IniError::Write;
    return IniError::None;
}

} // namespace orvelia

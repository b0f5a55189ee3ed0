#pragma once

#include <QByteArray>
#include <QString>

namespace orvelia {

/// Why reading or writing a value of a settings file failed.
enum class IniError {
    None,
    Read,  ///< the file exists but could not be opened or read
    Write, ///< the new file could not be written or put in place of the old one
};

/// Short description of an error, for diagnostics (never shown to the user).
const char* describe(IniError error);

/// The largest settings file read: a store of one password takes a few dozen bytes.
inline constexpr qint64 kMaxIniBytes = 64 * 1024;

/// A value read from a settings file, or the error that prevented reading it.
struct IniRead {
    IniError error = IniError::None;
    QByteArray value;

    bool ok() const { return error == IniError::None; }
};

/**
 * Settings files in the INI format, handled as bytes so that whatever the
 * file holds besides the value in question survives byte for byte.
 *
 * A section starts at a line "[name]"; inside it, lines "key=value" hold the
 * values. Lines starting with ';' or '#' are comments. Section and key names
 * match without regard to the case of A-Z, and blanks around names and values
 * do not count. When a name occurs more than once, the first key found in the
 * sections of that name, in file order, is the one that is read and replaced.
 */
namespace ini {

/// The value of @p key in @p section of @p text; empty when the section or the key is missing.
QByteArray value(const QByteArray& text, const QByteArray& section, const QByteArray& key);

/**
 * @p text with @p key of @p section set to @p value. A key line that exists is
 * replaced in place (its name, the '=' and the blanks after it are kept); a
 * missing key is added after the last non-blank line of its section; a missing
 * section is appended at the end. New lines use the line ending of the text's
 * first line ("\r\n" when the text has no line break). Names and value must
 * not contain line breaks.
 */
QByteArray withValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value);

} // namespace ini

/**
 * Reads @p key of @p section from the file @p path. A missing file reads as an empty value; one
 * that is not a regular file (a folder, a pipe) or is larger than kMaxIniBytes is an error.
 */
IniRead readIniValue(const QString& path, const QByteArray& section, const QByteArray& key);

/**
 * Sets @p key of @p section in the file @p path to @p value, creating the file
 * when it is missing. The new content goes to a temporary file that replaces
 * the old one only once it is complete on the disk, so a failure leaves the old
 * file as it was. An existing file that cannot be read is never replaced.
 */
IniError writeIniValue(const QString& path, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value);

} // namespace orvelia

#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace orvelia::backup {

/// The entry of a copy that describes all the others; written last.
inline const QString kManifestName = QStringLiteral("manifesto.json");
/// What the manifest names as the program that wrote the copy.
inline const QString kProgramName = QStringLiteral("Orvelia");

/// One file of a copy.
struct Entry {
    enum class Kind { Employees, Works, Password, Document };
    Kind kind = Kind::Document;
    QString name;        ///< its path inside the copy and below the program folder, '/' between parts
    qint64 size = 0;     ///< bytes
    QString sha256;      ///< digest of its bytes, lowercase hexadecimal
    qint64 records = 0;  ///< whole records (archives only)
    qint64 tornTail = 0; ///< bytes after the last whole record, copied as they were (archives only)

    bool isArchive() const { return kind == Kind::Employees || kind == Kind::Works; }
    bool operator==(const Entry&) const = default;
};

/// The description of a copy: who made it, when, and every file it holds.
struct Manifest {
    QString version;
    QDateTime made;
    QList<Entry> entries;

    /// Records in all the archives of the copy.
    qint64 records() const;
    /// Attached documents in the copy.
    int documents() const;
    /// Archives (the registry and the years) in the copy.
    int archives() const;

    QByteArray toJson() const;
    /// The manifest written by toJson(); nothing when @p json is not one (damaged, or another program's).
    static std::optional<Manifest> fromJson(const QByteArray& json);
};

/**
 * The kind of file @p name stands for in a copy, or nothing when a copy of this program cannot
 * hold such a name: the registry, a year (four digits), the password store, or one plain file
 * in the attachments folder. Nothing for anything that could reach outside the folder ("..",
 * an absolute path, a drive letter, a backslash).
 */
std::optional<Entry::Kind> kindOfName(const QString& name);

} // namespace orvelia::backup

#pragma once

#include <QString>

struct zip;

namespace orvelia::backup {

/// A zip file opened through the zip library by a path of any characters; closed (its changes
/// thrown away) by the destructor unless commit() wrote it.
class ZipFile {
public:
    enum class Mode { Create, Read };
    ZipFile() = default;
    ~ZipFile();
    ZipFile(const ZipFile&) = delete;
    ZipFile& operator=(const ZipFile&) = delete;

    /// False, with error() saying why, when the file cannot be opened (or, to read, is no zip).
    bool open(const QString& path, Mode mode);
    zip* handle() const { return m_zip; }
    /// Writes every entry added and closes; false, with error() saying why, when that failed.
    bool commit();
    /// The zip library's last error, in its own words (for diagnostics), and its code.
    const QString& error() const { return m_error; }
    int errorCode() const { return m_code; }
    /// Takes the last error of the open file.
    void takeError();

private:
    zip* m_zip = nullptr;
    QString m_error;
    int m_code = 0;
};

} // namespace orvelia::backup

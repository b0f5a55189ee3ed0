#include "core/backup/zipfile.h"

#include <QFile>

#include <zip.h>

namespace orvelia::backup {

ZipFile::~ZipFile() {
    if (m_zip)
        zip_discard(m_zip);
}

bool ZipFile::open(const QString& path, Mode mode) {
    zip_error_t error;
    zip_error_init(&error);
#ifdef _WIN32
    zip_source_t* source =
        zip_source_win32w_create(reinterpret_cast<const wchar_t*>(path.utf16()), 0, -1, &error);
#else
    zip_source_t* source = zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
#endif
    if (source) {
        const int flags = mode == Mode::Create ? ZIP_CREATE | ZIP_TRUNCATE : ZIP_RDONLY | ZIP_CHECKCONS;
        m_zip = zip_open_from_source(source, flags, &error);
        if (!m_zip)
            zip_source_free(source);
    }
    if (!m_zip) {
        m_code = zip_error_code_zip(&error);
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    }
    zip_error_fini(&error);
    return m_zip != nullptr;
}

bool ZipFile::commit() {
    if (!m_zip)
        return false;
    if (zip_close(m_zip) != 0) {
        takeError();
        return false;
    }
    m_zip = nullptr;
    return true;
}

void ZipFile::takeError() {
    if (!m_zip)
        return;
    zip_error_t* error = zip_get_error(m_zip);
    m_code = zip_error_code_zip(error);
    m_error = QString::fromUtf8(zip_error_strerror(error));
}

} // namespace orvelia::backup

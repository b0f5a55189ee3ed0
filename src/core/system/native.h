#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "core/system/system.h"

/// The system calls under NativeFile, one set for each system (native_posix.cpp, native_windows.cpp).
namespace orvelia::sys::native {

using Handle = std::intptr_t;

/// Opens a regular file; @p created tells whether it was made now.
bool open(const QString& path, NativeFile::Access access, Handle* handle, bool* created);
bool read(Handle h, char* data, qint64 length, qint64 offset);
bool write(Handle h, const char* data, qint64 length, qint64 offset);
bool flush(Handle h);
std::optional<qint64> size(Handle h);
bool resize(Handle h, qint64 size);
/// Takes the lock without waiting: Busy while another process holds an overlapping one.
LockResult tryLock(Handle h, NativeFile::LockKind kind, qint64 start, qint64 length);
void unlock(Handle h, qint64 start, qint64 length);
bool close(Handle h);
bool flushFolder(const QString& folder);

} // namespace orvelia::sys::native

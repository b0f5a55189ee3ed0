#include "core/archive/recordfile.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace orvelia {

namespace {

// Records read by one system call during a scan (about 1 MiB).
constexpr qint64 kScanBlockBytes = 1 << 20;

using LockKind = sys::NativeFile::LockKind;

// Releases the lock when the command leaves the scope, however it leaves it.
class RangeLock {
public:
    RangeLock(const sys::NativeFile& file, LockKind kind, qint64 start, qint64 length)
        : m_file(file)
        , m_start(start)
        , m_length(length)
        , m_ok(file.lock(kind, start, length)) {}
    ~RangeLock() {
        if (m_ok)
            m_file.unlock(m_start, m_length);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;
    bool ok() const { return m_ok; }

private:
    const sys::NativeFile& m_file;
    qint64 m_start;
    qint64 m_length;
    bool m_ok;
};

ArchiveResult<qint64> sizeOf(const sys::NativeFile& file) {
    const std::optional<qint64> size = file.size();
    if (!size)
        return ArchiveError::Size;
    return *size;
}

ArchiveResult<qint64> countOf(const sys::NativeFile& file, int recordSize) {
    const auto size = sizeOf(file);
    if (!size)
        return size;
    return *size / recordSize;
}

// Reads the blocks of a scan, each under a shared lock of its range. A file of more than one
// block is read one block ahead on a second thread while the records of the block before are
// visited, so copying the data out of the system's cache costs the scan no time of its own.
class BlockReader {
public:
    BlockReader(const sys::NativeFile& file, qint64 recordSize, qint64 perBlock, qint64 total)
        : m_file(file)
        , m_recordSize(recordSize)
        , m_perBlock(perBlock)
        , m_total(total) {
        const qint64 blocks = (total + perBlock - 1) / perBlock;
        const std::size_t bytes = std::size_t(std::min(perBlock, std::max<qint64>(total, 1)) * recordSize);
        m_slots[0].bytes.resize(bytes);
        if (blocks < 2)
            return;
        m_slots[1].bytes.resize(bytes);
        try {
            m_thread = std::thread([this, blocks] { readAhead(blocks); });
        } catch (const std::system_error&) {
            m_slots[1].bytes.clear(); // no second thread: each block is read when it is asked for
        }
    }
    ~BlockReader() {
        if (!m_thread.joinable())
            return;
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    // Block @p block (0-based, asked for in order) once it is read, or why it could not be.
    ArchiveError take(qint64 block, const char** data) {
        Slot& slot = slotOf(block);
        if (!m_thread.joinable()) {
            slot.error = readBlock(block, slot.bytes.data());
        } else {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&slot] { return slot.state == Slot::Read; });
        }
        *data = slot.bytes.data();
        return slot.error;
    }
    // The block given by take() has been visited: its buffer may take the next block but one.
    void release(qint64 block) {
        if (!m_thread.joinable())
            return;
        {
            std::lock_guard lock(m_mutex);
            slotOf(block).state = Slot::Free;
        }
        m_changed.notify_all();
    }

private:
    struct Slot {
        std::vector<char> bytes;
        enum { Free, Read } state = Free;
        ArchiveError error = ArchiveError::None;
    };

    Slot& slotOf(qint64 block) { return m_thread.joinable() ? m_slots[block % 2] : m_slots[0]; }

    ArchiveError readBlock(qint64 block, char* into) const {
        const qint64 first = block * m_perBlock;
        const qint64 n = std::min(m_perBlock, m_total - first);
        RangeLock lock(m_file, LockKind::Shared, first * m_recordSize, n * m_recordSize);
        if (!lock.ok())
            return ArchiveError::Lock;
        if (!m_file.readAt(into, n * m_recordSize, first * m_recordSize))
            return ArchiveError::Read;
        return ArchiveError::None;
    }

    void readAhead(qint64 blocks) {
        for (qint64 block = 0; block < blocks; ++block) {
            Slot& slot = m_slots[block % 2];
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || slot.state == Slot::Free; });
                if (m_stop)
                    return;
            }
            const ArchiveError error = readBlock(block, slot.bytes.data());
            {
                std::lock_guard lock(m_mutex);
                slot.error = error;
                slot.state = Slot::Read;
            }
            m_changed.notify_all();
            if (error != ArchiveError::None)
                return;
        }
    }

    const sys::NativeFile& m_file;
    const qint64 m_recordSize;
    const qint64 m_perBlock;
    const qint64 m_total;
    Slot m_slots[2];
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    std::thread m_thread;
};

archive::ScanProgress& scanProgress() {
    static archive::ScanProgress progress;
    return progress;
}

} // namespace

const char* describe(ArchiveError error) {
    switch (error) {
    case ArchiveError::None:
        return "ok";
    case ArchiveError::Open:
        return "open failed";
    case ArchiveError::Lock:
        return "lock failed";
    case ArchiveError::Size:
        return "size unreadable";
    case ArchiveError::Read:
        return "read failed";
    case ArchiveError::Write:
        return "write failed";
    case ArchiveError::Flush:
        return "flush failed";
    case ArchiveError::Close:
        return "close failed";
    case ArchiveError::OutOfRange:
        return "no such record";
    case ArchiveError::NotOpen:
        return "file not open";
    }
    return "unknown";
}

RecordFile::RecordFile(QString path, const RecordLayout& layout)
    : m_path(std::move(path))
    , m_layout(&layout) {}

RecordFile::~RecordFile() = default;

ArchiveError RecordFile::open() {
    return m_file.open(m_path, sys::NativeFile::Access::ReadWrite) ? ArchiveError::None : ArchiveError::Open;
}

ArchiveError RecordFile::openExisting() {
    return m_file.open(m_path, sys::NativeFile::Access::ReadOnly) ? ArchiveError::None : ArchiveError::Open;
}

ArchiveResult<qint64> RecordFile::count() const {
    if (!isOpen())
        return ArchiveError::NotOpen;
    return countOf(m_file, m_layout->size);
}

ArchiveResult<qint64> RecordFile::byteSize() const {
    if (!isOpen())
        return ArchiveError::NotOpen;
    return sizeOf(m_file);
}

ArchiveResult<Record> RecordFile::read(qint64 number) const {
    const auto total = count();
    if (!total)
        return total.error();
    if (number < 1 || number > *total)
        return ArchiveError::OutOfRange;
    const qint64 size = m_layout->size;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    {
        RangeLock lock(m_file, LockKind::Shared, (number - 1) * size, size);
        if (!lock.ok())
            return ArchiveError::Lock;
        if (!m_file.readAt(buffer.data(), size, (number - 1) * size))
            return ArchiveError::Read;
    }
    return Record::decode(*m_layout, buffer.data());
}

ArchiveError RecordFile::writeAt(qint64 offset, const Record& record) {
    std::vector<char> buffer(std::size_t(m_layout->size));
    record.encode(buffer.data());
    if (!m_file.writeAt(buffer.data(), m_layout->size, offset))
        return ArchiveError::Write;
    if (!m_file.flush())
        return ArchiveError::Flush;
    return ArchiveError::None;
}

ArchiveError RecordFile::overwrite(qint64 number, const Record& record) {
    if (!isOpen())
        return ArchiveError::NotOpen;
    const qint64 size = m_layout->size;
    RangeLock lock(m_file, LockKind::Exclusive, (number - 1) * size, size);
    if (!lock.ok())
        return ArchiveError::Lock;
    const auto total = count();
    if (!total)
        return total.error();
    if (number < 1 || number > *total)
        return ArchiveError::OutOfRange;
    return writeAt((number - 1) * size, record);
}

ArchiveResult<qint64> RecordFile::append(const Record& record) {
    if (!isOpen())
        return ArchiveError::NotOpen;
    // The whole file, to its end and beyond, so that two appends never meet.
    RangeLock lock(m_file, LockKind::Exclusive, 0, 0);
    if (!lock.ok())
        return ArchiveError::Lock;
    const auto total = count();
    if (!total)
        return total.error();
    if (const ArchiveError e = writeAt(*total * m_layout->size, record); e != ArchiveError::None)
        return e;
    return *total + 1;
}

ArchiveError RecordFile::scan(const ScanVisitor& visit) const {
    const auto total = count();
    if (!total)
        return total.error();
    const qint64 size = m_layout->size;
    const qint64 perBlock = std::max<qint64>(1, kScanBlockBytes / size);
    const archive::ScanProgress& progress = scanProgress();
    if (progress)
        progress(m_path, 0, *total);
    BlockReader reader(m_file, size, perBlock, *total);
    for (qint64 first = 0, block = 0; first < *total; first += perBlock, ++block) {
        const qint64 n = std::min(perBlock, *total - first);
        const char* data = nullptr;
        if (const ArchiveError e = reader.take(block, &data); e != ArchiveError::None)
            return e;
        for (qint64 i = 0; i < n; ++i) {
            if (!visit(first + i + 1, RecordView(*m_layout, data + i * size))) {
                if (progress)
                    progress(m_path, *total, *total);
                return ArchiveError::None;
            }
        }
        reader.release(block);
        if (progress)
            progress(m_path, first + n, *total);
    }
    return ArchiveError::None;
}

ArchiveError RecordFile::close() {
    return m_file.close() ? ArchiveError::None : ArchiveError::Close;
}

namespace archive {

void setScanProgress(ScanProgress progress) {
    scanProgress() = std::move(progress);
}

namespace {
// Runs one command between open and close; a failed close fails the command.
template <typename Fn>
auto command(const QString& path, const RecordLayout& layout, Fn&& work)
    -> decltype(work(std::declval<RecordFile&>())) {
    RecordFile file(path, layout);
    if (const ArchiveError e = file.open(); e != ArchiveError::None)
        return e;
    auto result = work(file);
    const ArchiveError closed = file.close();
    if constexpr (std::is_same_v<decltype(result), ArchiveError>) {
        return result != ArchiveError::None ? result : closed;
    } else {
        if (!result || closed == ArchiveError::None)
            return result;
        return closed;
    }
}
} // namespace

ArchiveResult<qint64> count(const QString& path, const RecordLayout& layout) {
    return command(path, layout, [](RecordFile& f) { return f.count(); });
}

ArchiveResult<Record> read(const QString& path, qint64 number, const RecordLayout& layout) {
    return command(path, layout, [number](RecordFile& f) { return f.read(number); });
}

ArchiveError overwrite(const QString& path, qint64 number, const Record& record) {
    return command(path, record.layout(), [&](RecordFile& f) { return f.overwrite(number, record); });
}

ArchiveResult<qint64> append(const QString& path, const Record& record) {
    return command(path, record.layout(), [&](RecordFile& f) { return f.append(record); });
}

ArchiveError scan(const QString& path, const RecordLayout& layout, const ScanVisitor& visit) {
    return command(path, layout, [&](RecordFile& f) { return f.scan(visit); });
}

} // namespace archive

} // namespace orvelia

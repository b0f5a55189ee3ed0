#include "core/archive/recordfile.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>

namespace orvelia {

namespace {

// Records read by one system call during a scan (about 1 MiB).
constexpr qint64 kScanBlockBytes = 1 << 20;

using LockKind = sys::NativeFile::LockKind;

// The byte that journaled overwrites lock, far past any record: one overwrite or recovery at a
// time in each archive. An append locks the whole file, this byte included.
constexpr qint64 kJournalLockByte = qint64(1) << 62;

std::atomic<int>& unlockedSaves() {
    static std::atomic<int> state{0}; // 0 none, 1 seen and not yet told, 2 told
    return state;
}

// Releases the lock when the command leaves the scope, however it leaves it. A file system that
// cannot lock lets the command go on unlocked; an exclusive lock it could not take is noted so
// the user can be told once.
class RangeLock {
public:
    RangeLock(const sys::NativeFile& file, LockKind kind, qint64 start, qint64 length)
        : m_file(file)
        , m_start(start)
        , m_length(length)
        , m_result(file.lock(kind, start, length)) {
        int none = 0;
        if (m_result == sys::LockResult::Unsupported && kind == LockKind::Exclusive)
            unlockedSaves().compare_exchange_strong(none, 1);
    }
    ~RangeLock() {
        if (m_result == sys::LockResult::Locked)
            m_file.unlock(m_start, m_length);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;
    bool ok() const {
        return m_result == sys::LockResult::Locked || m_result == sys::LockResult::Unsupported;
    }
    ArchiveError error() const {
        return m_result == sys::LockResult::Busy ? ArchiveError::Busy : ArchiveError::Lock;
    }

private:
    const sys::NativeFile& m_file;
    qint64 m_start;
    qint64 m_length;
    sys::LockResult m_result;
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
            return lock.error();
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
    case ArchiveError::Busy:
        return "archive in use";
    case ArchiveError::Uncertain:
        return "save not taken back";
    case ArchiveError::Recover:
        return "interrupted save not undone";
    }
    return "unknown";
}

RecordFile::RecordFile(QString path, const RecordLayout& layout)
    : m_path(std::move(path))
    , m_layout(&layout) {}

RecordFile::~RecordFile() = default;

ArchiveError RecordFile::open() {
    if (isOpen())
        return ArchiveError::None;
    if (const ArchiveError e = recoverJournal(m_path, m_layout->size); e != ArchiveError::None)
        return e;
    return m_file.open(m_path, sys::NativeFile::Access::ReadWrite) ? ArchiveError::None : ArchiveError::Open;
}

ArchiveError RecordFile::openExisting() {
    if (isOpen())
        return ArchiveError::None;
    if (!m_file.open(m_path, sys::NativeFile::Access::ReadOnly))
        return ArchiveError::Open;
    // A reader too sees the old record of an interrupted save; where the folder cannot be
    // written (a copy on read-only media) it reads the archive as it lies.
    if (const ArchiveError e = recoverJournal(m_path, m_layout->size);
        e != ArchiveError::None && e != ArchiveError::Open && e != ArchiveError::Recover) {
        m_file.close();
        return e;
    }
    return ArchiveError::None;
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
            return lock.error();
        if (!m_file.readAt(buffer.data(), size, (number - 1) * size))
            return ArchiveError::Read;
    }
    return Record::decode(*m_layout, buffer.data());
}

ArchiveError RecordFile::writeAt(qint64 offset, const QByteArray& bytes) {
    if (!m_file.writeAt(bytes.constData(), bytes.size(), offset))
        return ArchiveError::Write;
    if (!m_file.flush())
        return ArchiveError::Flush;
    return ArchiveError::None;
}

namespace {

QByteArray encoded(const Record& record) {
    QByteArray bytes(record.layout().size, Qt::Uninitialized);
    record.encode(bytes.data());
    return bytes;
}

// The journal of an overwrite: a mark, where the record starts, its length, the old bytes,
// and a SHA-256 of all that, which tells a whole journal from one cut short.
const QByteArray kJournalMark = QByteArrayLiteral("ORVRIP01");
constexpr int kJournalHead = 8 + 8 + 4;
constexpr int kJournalSeal = 32;

QByteArray journalBytes(qint64 offset, const QByteArray& old) {
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint64(offset) << quint32(old.size());
    body += old;
    return kJournalMark + body + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

// The old record a whole journal keeps, or nothing for one cut short or not of this archive.
std::optional<std::pair<qint64, QByteArray>> readJournal(const QByteArray& bytes, int recordSize) {
    if (bytes.size() != kJournalHead + recordSize + kJournalSeal || !bytes.startsWith(kJournalMark))
        return std::nullopt;
    const QByteArray body = bytes.mid(8, kJournalHead - 8 + recordSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.right(kJournalSeal))
        return std::nullopt;
    QDataStream in(body);
    in.setByteOrder(QDataStream::LittleEndian);
    qint64 offset = 0;
    quint32 length = 0;
    in >> offset >> length;
    if (length != quint32(recordSize) || offset < 0 || offset % recordSize != 0)
        return std::nullopt;
    return std::make_pair(offset, body.mid(kJournalHead - 8));
}

// Writes the journal beside the archive and brings it, and its name, to the disk.
bool writeJournal(const QString& path, qint64 offset, const QByteArray& old) {
    const QByteArray bytes = journalBytes(offset, old);
    sys::NativeFile journal;
    const bool ok = journal.open(path, sys::NativeFile::Access::ReadWrite) && journal.resize(0) &&
                    journal.writeAt(bytes.constData(), bytes.size(), 0) && journal.flush() && journal.close();
    if (!ok) {
        journal.close();
        QFile::remove(path);
    }
    return ok;
}

// Removes the journal: the overwrite it kept the old record of is done, or undone.
bool removeJournal(const QString& path) {
    return QFile::remove(path) && sys::flushFolder(QFileInfo(path).absolutePath());
}

} // namespace

ArchiveError RecordFile::overwrite(qint64 number, const Record& record) {
    if (!isOpen())
        return ArchiveError::NotOpen;
    const qint64 size = m_layout->size;
    const qint64 offset = (number - 1) * size;
    RangeLock journalLock(m_file, LockKind::Exclusive, kJournalLockByte, 1);
    if (!journalLock.ok())
        return journalLock.error();
    RangeLock lock(m_file, LockKind::Exclusive, offset, size);
    if (!lock.ok())
        return lock.error();
    const auto total = count();
    if (!total)
        return total.error();
    if (number < 1 || number > *total)
        return ArchiveError::OutOfRange;
    QByteArray old(size, Qt::Uninitialized);
    if (!m_file.readAt(old.data(), size, offset))
        return ArchiveError::Read;
    // The old record is safe on the disk before a byte of it changes.
    const QString journal = journalPath(m_path);
    if (!writeJournal(journal, offset, old))
        return ArchiveError::Write;
    if (const ArchiveError e = writeAt(offset, encoded(record)); e != ArchiveError::None) {
        // Put back at once what was there; if even that fails, the journal does it next time.
        if (writeAt(offset, old) == ArchiveError::None)
            removeJournal(journal);
        return e;
    }
    // Removing the journal is what makes the new record the saved one.
    if (!removeJournal(journal)) {
        if (writeAt(offset, old) == ArchiveError::None)
            removeJournal(journal);
        return ArchiveError::Write;
    }
    return ArchiveError::None;
}

ArchiveResult<qint64> RecordFile::append(const Record& record) {
    if (!isOpen())
        return ArchiveError::NotOpen;
    // The whole file, to its end and beyond, so that two appends never meet.
    RangeLock lock(m_file, LockKind::Exclusive, 0, 0);
    if (!lock.ok())
        return lock.error();
    const auto size = sizeOf(m_file);
    if (!size)
        return size.error();
    const qint64 total = *size / m_layout->size;
    AppendUndo undo;
    undo.offset = total * m_layout->size;
    // A torn tail is written over; its bytes are kept to be put back if the append fails.
    undo.tail.resize(*size - undo.offset);
    if (!undo.tail.isEmpty() && !m_file.readAt(undo.tail.data(), undo.tail.size(), undo.offset))
        return ArchiveError::Read;
    undo.record = encoded(record);
    if (const ArchiveError e = writeAt(undo.offset, undo.record); e != ArchiveError::None) {
        // Cut back to the size before, still under the lock.
        const bool undone =
            m_file.resize(*size) &&
            (undo.tail.isEmpty() || m_file.writeAt(undo.tail.constData(), undo.tail.size(), undo.offset)) &&
            m_file.flush();
        return undone ? e : ArchiveError::Uncertain;
    }
    m_lastAppend = std::move(undo);
    return total + 1;
}

ArchiveError RecordFile::undoAppend(const AppendUndo& undo) {
    if (!isOpen())
        return ArchiveError::NotOpen;
    if (undo.offset < 0)
        return ArchiveError::Uncertain;
    RangeLock lock(m_file, LockKind::Exclusive, 0, 0);
    if (!lock.ok())
        return ArchiveError::Uncertain;
    // Only while the record is still the last thing in the file: nothing appended after it.
    const auto size = sizeOf(m_file);
    QByteArray last(undo.record.size(), Qt::Uninitialized);
    if (!size || *size != undo.offset + undo.record.size() ||
        !m_file.readAt(last.data(), last.size(), undo.offset) || last != undo.record)
        return ArchiveError::Uncertain;
    const bool undone =
        m_file.resize(undo.offset + undo.tail.size()) &&
        (undo.tail.isEmpty() || m_file.writeAt(undo.tail.constData(), undo.tail.size(), undo.offset)) &&
        m_file.flush();
    return undone ? ArchiveError::None : ArchiveError::Uncertain;
}

ArchiveError RecordFile::scan(const ScanVisitor& visit) const {
    const auto total = count();
    if (!total)
        return total.error();
    const qint64 size = m_layout->size;
    const archive::ScanProgress& progress = scanProgress();
    if (progress)
        progress(m_path, 0, *total);
    bool stopped = false;
    const ArchiveError e = scanBlocks(*total, [&](qint64 first, qint64 n, const char* data) {
        for (qint64 i = 0; i < n; ++i) {
            if (!visit(first + i + 1, RecordView(*m_layout, data + i * size))) {
                stopped = true;
                return false;
            }
        }
        if (progress)
            progress(m_path, first + n, *total);
        return true;
    });
    if (e == ArchiveError::None && stopped && progress)
        progress(m_path, *total, *total);
    return e;
}

ArchiveError RecordFile::scanBlocks(qint64 total, const BlockVisitor& visit) const {
    if (!isOpen())
        return ArchiveError::NotOpen;
    const qint64 size = m_layout->size;
    const qint64 perBlock = std::max<qint64>(1, kScanBlockBytes / size);
    BlockReader reader(m_file, size, perBlock, total);
    for (qint64 first = 0, block = 0; first < total; first += perBlock, ++block) {
        const qint64 n = std::min(perBlock, total - first);
        const char* data = nullptr;
        if (const ArchiveError e = reader.take(block, &data); e != ArchiveError::None)
            return e;
        if (!visit(first, n, data))
            return ArchiveError::None;
        reader.release(block);
    }
    return ArchiveError::None;
}

ArchiveResult<RecordFile::Snapshot> RecordFile::snapshot() const {
    if (!isOpen())
        return ArchiveError::NotOpen;
    RangeLock lock(m_file, LockKind::Shared, 0, 0);
    if (!lock.ok())
        return lock.error();
    const auto size = sizeOf(m_file);
    if (!size)
        return size.error();
    Snapshot snapshot;
    snapshot.records = *size / m_layout->size;
    const qint64 tail = *size % m_layout->size;
    snapshot.tail.resize(tail);
    if (tail > 0 && !m_file.readAt(snapshot.tail.data(), tail, *size - tail))
        return ArchiveError::Read;
    return snapshot;
}

ArchiveError RecordFile::close() {
    return m_file.close() ? ArchiveError::None : ArchiveError::Close;
}

QString journalPath(const QString& archivePath) {
    return archivePath + QStringLiteral(".ripristino");
}

ArchiveError recoverJournal(const QString& archivePath, int recordSize) {
    const QString journal = journalPath(archivePath);
    if (!QFileInfo::exists(journal))
        return ArchiveError::None;
    sys::NativeFile file;
    if (!file.open(archivePath, sys::NativeFile::Access::ReadWrite))
        return ArchiveError::Open;
    {
        // The saver that wrote the journal may still be at work: its locks are waited for.
        RangeLock journalLock(file, LockKind::Exclusive, kJournalLockByte, 1);
        if (!journalLock.ok())
            return journalLock.error();
        QFile kept(journal);
        if (!kept.exists())
            return ArchiveError::None; // another copy of the program was quicker
        if (!kept.open(QIODevice::ReadOnly))
            return ArchiveError::Recover;
        const QByteArray bytes = kept.read(kJournalHead + recordSize + kJournalSeal + 1);
        kept.close();
        if (const auto old = readJournal(bytes, recordSize)) {
            RangeLock lock(file, LockKind::Exclusive, old->first, recordSize);
            if (!lock.ok())
                return lock.error();
            if (!file.writeAt(old->second.constData(), recordSize, old->first) || !file.flush())
                return ArchiveError::Recover;
        }
        // A journal cut short was written before the archive was touched: nothing to undo.
        if (!removeJournal(journal))
            return ArchiveError::Recover;
    }
    return file.close() ? ArchiveError::None : ArchiveError::Recover;
}

namespace archive {

bool takeUnlockedSaveNotice() {
    int seen = 1;
    return unlockedSaves().compare_exchange_strong(seen, 2);
}

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
    RecordFile file(path, record.layout());
    if (const ArchiveError e = file.open(); e != ArchiveError::None)
        return e;
    const auto added = file.append(record);
    if (!added) {
        file.close();
        return added;
    }
    if (file.close() == ArchiveError::None)
        return added;
    // The record reached the disk but the system reports the closing failed: it is taken back, so
    // that "not saved" holds; where another record came after it meanwhile, that cannot be known.
    RecordFile again(path, record.layout());
    if (again.open() == ArchiveError::None && again.undoAppend(file.lastAppend()) == ArchiveError::None &&
        again.close() == ArchiveError::None)
        return ArchiveError::Close;
    return ArchiveError::Uncertain;
}

ArchiveError scan(const QString& path, const RecordLayout& layout, const ScanVisitor& visit) {
    return command(path, layout, [&](RecordFile& f) { return f.scan(visit); });
}

} // namespace archive

} // namespace orvelia

#include "core/backup/backup.h"

#include <ctime>
#include <memory>
#include <set>
#include <thread>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <zip.h>

#include "core/access/password.h"
#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/attachments/attachments.h"
#include "core/backup/pipe.h"
#include "core/backup/sha256.h"
#include "core/backup/zipfile.h"
#include "core/system/settings.h"
#include "core/system/system.h"

namespace orvelia::backup {

namespace {

const QString kDestinationKey = QStringLiteral("copia/cartella");
const QString kLastBackupKey = QStringLiteral("copia/ultima");
const QString kStagingName = QStringLiteral(".ripristino-in-corso");
const QString kPartialSuffix = QStringLiteral(".parziale");
constexpr qint64 kMaxManifestBytes = qint64(16) << 20;

const RecordLayout* layoutOf(Entry::Kind kind) {
    switch (kind) {
    case Entry::Kind::Employees:
        return &TSchedaLavoratore::layout;
    case Entry::Kind::Works:
        return &TSchedaLavoro::layout;
    default:
        return nullptr;
    }
}

/// Counts progress over the whole of a command.
class Meter {
public:
    Meter(const Progress& progress, qint64 total)
        : m_progress(progress)
        , m_total(std::max<qint64>(total, 1)) {
        tell();
    }
    void add(qint64 bytes) {
        m_done = std::min(m_done + bytes, m_total);
        if (m_done - m_told >= BlockPipe::kBlockBytes * 4 || m_done == m_total)
            tell();
    }
    void finish() {
        m_done = m_total;
        tell();
    }

private:
    void tell() {
        m_told = m_done;
        if (m_progress)
            m_progress(m_done, m_total);
    }
    const Progress& m_progress;
    qint64 m_total;
    qint64 m_done = 0;
    qint64 m_told = 0;
};

// ------------------------------------------------------------------------- what a copy holds

// What an archive that could not be read makes of a copy.
Error readError(ArchiveError e) {
    return e == ArchiveError::Busy ? Error::Busy : Error::ReadArchive;
}

Entry entryNamed(Entry::Kind kind, const QString& name) {
    Entry e;
    e.kind = kind;
    e.name = name;
    return e;
}

/// The files of @p folder a copy holds, in the order they are written, with their kind and name.
QList<Entry> filesOf(const QString& folder) {
    QList<Entry> files;
    const QDir dir(folder);
    auto add = [&](const QString& name) {
        if (const auto kind = kindOfName(name); kind && QFileInfo(dir.filePath(name)).isFile())
            files.append(entryNamed(*kind, name));
    };
    add(kEmployeeArchiveName);
    const QStringList years =
        dir.entryList({QStringLiteral("*") + kWorkArchiveSuffix}, QDir::Files, QDir::Name);
    for (const QString& year : years)
        add(year);
    add(kPasswordStoreName);
    const QStringList documents =
        QDir(attachmentFolder(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& document : documents)
        add(kAttachmentFolderName + QLatin1Char('/') + document);
    return files;
}

qint64 bytesOnDisk(const QString& folder, const QList<Entry>& files) {
    qint64 total = 0;
    for (const Entry& e : files)
        total += QFileInfo(QDir(folder).filePath(e.name)).size();
    return total;
}

// ------------------------------------------------------------------------- writing a copy

class Writer;

/// One entry being written: read on a thread of its own, handed to the zip library through a pipe.
struct Feed {
    Writer* writer = nullptr;
    Entry entry;
    QString path;
    bool isManifest = false;
    bool prepared = false;
    Error error = Error::None;
    std::unique_ptr<RecordFile> archive;
    RecordFile::Snapshot snapshot;
    QByteArray bytes; // the manifest's text
    std::unique_ptr<BlockPipe> pipe;
    std::thread thread;
    const char* block = nullptr;
    qint64 blockLength = 0;
    qint64 blockUsed = 0;
    qint64 served = 0;
    zip_error_t zipError;

    Feed() { zip_error_init(&zipError); }
    ~Feed() {
        stop();
        zip_error_fini(&zipError);
    }
    Feed(const Feed&) = delete;
    Feed& operator=(const Feed&) = delete;

    bool fail(Error why) {
        if (error == Error::None)
            error = why;
        zip_error_set(&zipError, ZIP_ER_READ, 0);
        return false;
    }
    void stop() {
        if (pipe)
            pipe->abandon();
        if (thread.joinable())
            thread.join();
        pipe.reset();
        block = nullptr;
        if (archive)
            archive->close();
        archive.reset();
    }

    bool prepare();
    void start();
    void produce();
    zip_int64_t read(char* into, zip_uint64_t length);
};

class Writer {
public:
    Writer(const QString& folder, const QDateTime& now, const Progress& progress)
        : m_folder(folder)
        , m_now(now)
        , m_files(filesOf(folder))
        , m_meter(progress, 2 * bytesOnDisk(folder, m_files)) {}

    Outcome write(const QString& partial);
    Manifest manifest() const {
        Manifest m;
        m.version = QStringLiteral(ORVELIA_VERSION);
        m.made = m_now;
        for (const auto& feed : m_feeds)
            if (!feed->isManifest)
                m.entries.append(feed->entry);
        return m;
    }
    Meter& meter() { return m_meter; }
    time_t madeTime() const { return time_t(m_now.toSecsSinceEpoch()); }

private:
    QString m_folder;
    QDateTime m_now;
    QList<Entry> m_files;
    Meter m_meter;
    std::vector<std::unique_ptr<Feed>> m_feeds;
};

zip_int64_t feedCallback(void* user, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    Feed& feed = *static_cast<Feed*>(user);
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_STAT: {
        auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &feed.zipError);
        if (!stat || !feed.prepare())
            return -1;
        zip_stat_init(stat);
        stat->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        stat->size = zip_uint64_t(feed.entry.size);
        stat->mtime = feed.writer->madeTime();
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_OPEN:
        if (!feed.prepare())
            return -1;
        feed.start();
        return 0;
    case ZIP_SOURCE_READ:
        return feed.read(static_cast<char*>(data), length);
    case ZIP_SOURCE_CLOSE:
        feed.stop();
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&feed.zipError, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    default:
        zip_error_set(&feed.zipError, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// Called when the zip library comes to the entry: an archive is opened and its records
// counted now, under a shared lock, so a save in progress finishes first; the manifest is
// written now, once every other entry has been read.
bool Feed::prepare() {
    if (prepared)
        return error == Error::None;
    prepared = true;
    if (isManifest) {
        bytes = writer->manifest().toJson();
        entry.size = bytes.size();
        return true;
    }
    if (const RecordLayout* layout = layoutOf(entry.kind)) {
        archive = std::make_unique<RecordFile>(path, *layout);
        if (const ArchiveError e = archive->openExisting(); e != ArchiveError::None)
            return fail(readError(e));
        const auto taken = archive->snapshot();
        if (!taken)
            return fail(readError(taken.error()));
        snapshot = *taken;
        entry.records = snapshot.records;
        entry.tornTail = snapshot.tail.size();
        entry.size = snapshot.records * layout->size + snapshot.tail.size();
        return true;
    }
    const QFileInfo info(path);
    if (!info.isFile())
        return fail(Error::ReadFile);
    entry.size = info.size();
    return true;
}

void Feed::start() {
    served = 0;
    if (isManifest)
        return;
    pipe = std::make_unique<BlockPipe>();
    thread = std::thread([this] { produce(); });
}

// On the feed's own thread: reads the file, computes its digest and hands the bytes on.
void Feed::produce() {
    Sha256 hash;
    bool ok = true;
    auto hand = [&](const char* data, qint64 length) {
        hash.add(data, length);
        return pipe->write(data, length);
    };
    if (archive) {
        const qint64 size = archive->layout().size;
        bool handed = true;
        const ArchiveError e = archive->scanBlocks(snapshot.records, [&](qint64, qint64 n, const char* data) {
            handed = hand(data, n * size);
            return handed;
        });
        if (e != ArchiveError::None) {
            error = readError(e);
            ok = false;
        }
        ok = ok && handed && hand(snapshot.tail.constData(), snapshot.tail.size());
    } else {
        QFile file(path);
        qint64 total = 0;
        if (!file.open(QIODevice::ReadOnly)) {
            ok = false;
        } else {
            std::vector<char> buffer(static_cast<std::size_t>(BlockPipe::kBlockBytes));
            for (;;) {
                const qint64 n = file.read(buffer.data(), qint64(buffer.size()));
                if (n < 0 || (n > 0 && !hand(buffer.data(), n))) {
                    ok = false;
                    break;
                }
                if (n == 0)
                    break;
                total += n;
            }
        }
        if (total != entry.size)
            ok = false;
        if (!ok && error == Error::None)
            error = Error::ReadFile;
    }
    if (ok)
        entry.sha256 = QString::fromLatin1(hash.result().toHex());
    pipe->finish(ok);
}

zip_int64_t Feed::read(char* into, zip_uint64_t length) {
    if (isManifest) {
        const qint64 n = std::min<qint64>(qint64(length), bytes.size() - served);
        std::memcpy(into, bytes.constData() + served, std::size_t(n));
        served += n;
        return n;
    }
    zip_uint64_t given = 0;
    while (given < length) {
        if (!block || blockUsed == blockLength) {
            if (block)
                pipe->release();
            blockUsed = 0;
            block = pipe->take(&blockLength);
            if (!block) {
                if (!pipe->ok() || served != entry.size) {
                    fail(error == Error::None ? Error::ReadFile : error);
                    return -1;
                }
                break;
            }
        }
        const qint64 n = std::min<qint64>(qint64(length - given), blockLength - blockUsed);
        std::memcpy(into + given, block + blockUsed, std::size_t(n));
        given += zip_uint64_t(n);
        blockUsed += n;
        served += n;
    }
    writer->meter().add(qint64(given));
    return zip_int64_t(given);
}

Outcome Writer::write(const QString& partial) {
    Outcome outcome;
    ZipFile zip;
    if (!zip.open(partial, ZipFile::Mode::Create)) {
        outcome.error = Error::Destination;
        outcome.detail = zip.error();
        return outcome;
    }
    QList<Entry> entries = m_files;
    entries.append(entryNamed(Entry::Kind::Document, kManifestName));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        auto feed = std::make_unique<Feed>();
        feed->writer = this;
        feed->entry = entries[i];
        feed->isManifest = i == entries.size() - 1;
        feed->path = QDir(m_folder).filePath(feed->entry.name);
        zip_source_t* source = zip_source_function(zip.handle(), feedCallback, feed.get());
        const zip_int64_t index = source ? zip_file_add(zip.handle(), feed->entry.name.toUtf8().constData(),
                                                        source, ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            zip.takeError();
            outcome.error = Error::Write;
            outcome.detail = zip.error();
            return outcome;
        }
        // Stored as they are: the archives compress well, but compressing would make the copy
        // several times slower than copying the folder, and the copy is kept for safety, not size.
        zip_set_file_compression(zip.handle(), zip_uint64_t(index), ZIP_CM_STORE, 0);
        m_feeds.push_back(std::move(feed));
    }
    if (!zip.commit()) {
        outcome.error = Error::Write;
        outcome.detail = zip.error();
        for (const auto& feed : m_feeds) {
            if (feed->error != Error::None) {
                outcome.error = feed->error;
                outcome.detail = feed->path;
                break;
            }
        }
        return outcome;
    }
    outcome.manifest = manifest();
    return outcome;
}

// ------------------------------------------------------------------------- reading a copy

/// Where a checked entry's bytes go besides the digest (a restore writes them to a file).
using EntrySink = std::function<bool(const Entry& entry, const char* data, qint64 length)>;

struct Opened {
    Error error = Error::None;
    QString detail;
    QString entry;
    Manifest manifest;
    std::vector<zip_uint64_t> indexes; // the zip index of each manifest entry
};

Opened openCopy(ZipFile& zip, const QString& zipPath) {
    Opened o;
    const QFileInfo info(zipPath);
    if (!info.isFile()) {
        o.error = Error::NotFound;
        return o;
    }
    if (!zip.open(zipPath, ZipFile::Mode::Read)) {
        o.error = zip.errorCode() == ZIP_ER_OPEN || zip.errorCode() == ZIP_ER_READ ? Error::NotFound
                                                                                   : Error::Damaged;
        o.detail = zip.error();
        return o;
    }
    const zip_int64_t count = zip_get_num_entries(zip.handle(), 0);
    std::optional<zip_uint64_t> manifestIndex;
    QHash<QString, zip_uint64_t> byName;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(zip.handle(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (name == kManifestName) {
            manifestIndex = zip_uint64_t(i);
            continue;
        }
        if (!kindOfName(name)) {
            o.error = Error::Unsafe;
            o.entry = name;
            return o;
        }
        if (byName.contains(name)) {
            o.error = Error::Damaged;
            o.entry = name;
            return o;
        }
        byName.insert(name, zip_uint64_t(i));
    }
    if (!manifestIndex) {
        o.error = Error::Foreign;
        return o;
    }
    zip_stat_t stat;
    zip_file_t* file = nullptr;
    QByteArray json;
    if (zip_stat_index(zip.handle(), *manifestIndex, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        stat.size <= zip_uint64_t(kMaxManifestBytes) &&
        (file = zip_fopen_index(zip.handle(), *manifestIndex, 0))) {
        json.resize(qsizetype(stat.size));
        if (zip_fread(file, json.data(), stat.size) != zip_int64_t(stat.size))
            json.clear();
        zip_fclose(file);
    }
    if (json.isEmpty()) {
        o.error = Error::Damaged;
        o.entry = kManifestName;
        return o;
    }
    const auto manifest = Manifest::fromJson(json);
    if (!manifest) {
        o.error = Error::Foreign;
        return o;
    }
    o.manifest = *manifest;
    std::set<QString> seen;
    for (const Entry& e : o.manifest.entries) {
        const auto found = byName.find(e.name);
        const RecordLayout* layout = layoutOf(e.kind);
        const bool shaped =
            !layout || (e.tornTail < layout->size && e.records * layout->size + e.tornTail == e.size);
        if (found == byName.end() || !seen.insert(e.name).second || !shaped) {
            o.error = Error::Damaged;
            o.entry = e.name;
            return o;
        }
        o.indexes.push_back(*found);
    }
    if (qsizetype(seen.size()) != byName.size()) {
        o.error = Error::Damaged;
        return o;
    }
    return o;
}

/// Reads every entry of an opened copy, computing its digest on a second thread; the bytes also
/// go to @p sink when one is given. Damaged at the first entry that differs from the manifest.
Opened readEntries(ZipFile& zip, Opened opened, Meter& meter, const EntrySink& sink) {
    std::vector<char> buffer(static_cast<std::size_t>(BlockPipe::kBlockBytes));
    for (qsizetype i = 0; i < opened.manifest.entries.size(); ++i) {
        const Entry& e = opened.manifest.entries[i];
        zip_file_t* file = zip_fopen_index(zip.handle(), opened.indexes[std::size_t(i)], 0);
        if (!file) {
            opened.error = Error::Damaged;
            opened.entry = e.name;
            return opened;
        }
        BlockPipe pipe;
        QByteArray digest;
        std::thread hasher([&pipe, &digest] {
            Sha256 hash;
            qint64 length = 0;
            while (const char* block = pipe.take(&length)) {
                hash.add(block, length);
                pipe.release();
            }
            digest = hash.result();
        });
        qint64 total = 0;
        bool ok = true;
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer.data(), buffer.size());
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0)
                break;
            total += n;
            if (total > e.size || !pipe.write(buffer.data(), n) || (sink && !sink(e, buffer.data(), n))) {
                ok = false;
                break;
            }
            meter.add(n);
        }
        pipe.finish(ok);
        if (!ok)
            pipe.abandon();
        hasher.join();
        zip_fclose(file);
        if (!ok || total != e.size || QString::fromLatin1(digest.toHex()) != e.sha256) {
            opened.error = Error::Damaged;
            opened.entry = e.name;
            return opened;
        }
    }
    return opened;
}

Outcome outcomeOf(Operation operation, const Opened& opened, const QString& zipPath) {
    Outcome outcome;
    outcome.operation = operation;
    outcome.error = opened.error;
    outcome.detail = opened.detail;
    outcome.entry = opened.entry;
    outcome.manifest = opened.manifest;
    outcome.file = zipPath;
    return outcome;
}

qint64 bytesOf(const Manifest& manifest) {
    qint64 total = 0;
    for (const Entry& e : manifest.entries)
        total += e.size;
    return total;
}

Outcome checkWith(const QString& zipPath, Meter* meter, const Progress& progress) {
    ZipFile zip;
    Opened opened = openCopy(zip, zipPath);
    if (opened.error != Error::None)
        return outcomeOf(Operation::Restore, opened, zipPath);
    std::optional<Meter> own;
    if (!meter)
        meter = &own.emplace(progress, bytesOf(opened.manifest));
    return outcomeOf(Operation::Restore, readEntries(zip, std::move(opened), *meter, {}), zipPath);
}

QString uniqueCopyPath(const QString& destination, const QDateTime& now) {
    const QDir dir(destination);
    const QString name = fileNameFor(now);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(path + kPartialSuffix); ++n)
        path = dir.filePath(name.chopped(4) + QStringLiteral("-%1.zip").arg(n));
    return path;
}

// ------------------------------------------------------------------------- restoring

/// Moves the staged files into the folder, keeping each file replaced until all are in place;
/// puts everything back when a step fails.
class Replacement {
public:
    Replacement(const QString& folder, const QString& staging)
        : m_folder(folder)
        , m_staging(staging) {}

    Error run(const Manifest& manifest) {
        const QDir dir(m_folder);
        if (!dir.mkpath(kAttachmentFolderName) || !QDir(m_staging).mkpath(QStringLiteral("vecchi")))
            return Error::Target;
        for (const Entry& e : manifest.entries) {
            QStringList names{e.name};
            if (e.isArchive())
                names.append(e.name +
                             QStringLiteral(".ripristino")); // a journal must not outlive its archive
            for (const QString& name : names) {
                const QString target = dir.filePath(name);
                if (!QFileInfo::exists(target))
                    continue;
                const QString kept = keptPath(name);
                if (!sys::renameOver(target, kept))
                    return undo();
                m_kept.append(name);
            }
            if (!sys::renameOver(stagedPath(e.name), dir.filePath(e.name)))
                return undo();
            m_placed.append(e.name);
        }
        if (!sys::flushFolder(m_folder) || !sys::flushFolder(attachmentFolder(m_folder)))
            return undo();
        return Error::None;
    }

    QString stagedPath(const QString& name) const { return QDir(m_staging).filePath(flat(name)); }

private:
    static QString flat(const QString& name) {
        return QString(name).replace(QLatin1Char('/'), QLatin1Char('_'));
    }
    QString keptPath(const QString& name) const {
        return QDir(m_staging).filePath(QStringLiteral("vecchi/") + flat(name));
    }

    Error undo() {
        bool whole = true;
        const QDir dir(m_folder);
        for (const QString& name : std::as_const(m_placed))
            whole = QFile::remove(dir.filePath(name)) && whole;
        for (const QString& name : std::as_const(m_kept))
            whole = sys::renameOver(keptPath(name), dir.filePath(name)) && whole;
        sys::flushFolder(m_folder);
        sys::flushFolder(attachmentFolder(m_folder));
        return whole ? Error::Target : Error::Uncertain;
    }

    QString m_folder;
    QString m_staging;
    QStringList m_kept;
    QStringList m_placed;
};

QString recordCount(qint64 n) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(n);
}

} // namespace

QString fileNameFor(const QDateTime& when) {
    return QStringLiteral("Orvelia-copia-%1.zip").arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

Outcome makeBackup(const QString& folder, const QString& destination, const QDateTime& now,
                   const Progress& progress) {
    Outcome outcome;
    outcome.operation = Operation::Backup;
    const QFileInfo info(destination);
    if (destination.isEmpty() || !info.isDir()) {
        outcome.error = Error::Destination;
        outcome.detail = destination;
        return outcome;
    }
    const QString final = uniqueCopyPath(destination, now);
    const QString partial = final + kPartialSuffix;
    Writer writer(folder, now, progress);
    outcome = writer.write(partial);
    outcome.operation = Operation::Backup;
    if (outcome.ok()) {
        // Read back through a fresh opening of the file, as a restore would read it.
        const Outcome check = checkWith(partial, &writer.meter(), {});
        if (!check.ok() || check.manifest.entries != outcome.manifest.entries) {
            outcome.error = Error::Check;
            outcome.detail = check.detail;
        }
    }
    if (outcome.ok()) {
        sys::NativeFile written;
        if (!written.open(partial, sys::NativeFile::Access::ReadWrite) || !written.flush() ||
            !written.close() || !sys::renameOver(partial, final) || !sys::flushFolder(destination))
            outcome.error = Error::Write;
    }
    if (!outcome.ok()) {
        QFile::remove(partial);
        outcome.file = final;
        if (outcome.error == Error::Destination)
            outcome.detail = destination;
        return outcome;
    }
    writer.meter().finish();
    outcome.file = final;
    settings::setValue(folder, kLastBackupKey, now.toString(Qt::ISODate));
    return outcome;
}

Outcome inspectBackup(const QString& zipPath) {
    ZipFile zip;
    return outcomeOf(Operation::Restore, openCopy(zip, zipPath), zipPath);
}

Outcome checkBackup(const QString& zipPath, const Progress& progress) {
    return checkWith(zipPath, nullptr, progress);
}

bool holdsData(const QString& folder) {
    const QList<Entry> files = filesOf(folder);
    return std::any_of(files.begin(), files.end(),
                       [](const Entry& e) { return e.kind != Entry::Kind::Password; });
}

Outcome restoreBackup(const QString& zipPath, const QString& folder, bool replace, const QDateTime& now,
                      const Progress& progress) {
    ZipFile zip;
    Opened opened = openCopy(zip, zipPath);
    if (opened.error != Error::None)
        return outcomeOf(Operation::Restore, opened, zipPath);
    const bool occupied = holdsData(folder);
    if (occupied && !replace) {
        opened.error = Error::NeedsReplace;
        opened.detail = folder;
        return outcomeOf(Operation::Restore, opened, zipPath);
    }

    // Every entry is checked while it is written into a hidden folder inside the program folder
    // (the same disk, so the files can be moved into place in one step each).
    const QString staging = QDir(folder).filePath(kStagingName);
    QDir(staging).removeRecursively();
    if (!QDir(folder).mkpath(kStagingName)) {
        opened.error = Error::Target;
        opened.detail = folder;
        return outcomeOf(Operation::Restore, opened, zipPath);
    }
    Replacement replacement(folder, staging);
    Meter meter(progress, bytesOf(opened.manifest));
    std::unique_ptr<sys::NativeFile> out;
    qint64 written = 0;
    bool writeFailed = false;
    auto finishFile = [&] {
        const bool ok = !out || (out->flush() && out->close());
        out.reset();
        return ok;
    };
    auto sink = [&](const Entry& e, const char* data, qint64 length) {
        if (!out || out->path() != replacement.stagedPath(e.name)) {
            if (!finishFile())
                return writeFailed = true, false;
            out = std::make_unique<sys::NativeFile>();
            written = 0;
            if (!out->open(replacement.stagedPath(e.name), sys::NativeFile::Access::ReadWrite))
                return writeFailed = true, false;
        }
        if (!out->writeAt(data, length, written))
            return writeFailed = true, false;
        written += length;
        return true;
    };
    // Empty entries are never handed to the sink: their files are made here.
    for (const Entry& e : std::as_const(opened.manifest.entries)) {
        sys::NativeFile empty;
        if (e.size == 0 && !(empty.open(replacement.stagedPath(e.name), sys::NativeFile::Access::ReadWrite) &&
                             empty.flush() && empty.close()))
            writeFailed = true;
    }
    opened = readEntries(zip, std::move(opened), meter, sink);
    if (!finishFile())
        writeFailed = true;
    auto fail = [&](Error error, const QString& detail) {
        QDir(staging).removeRecursively();
        opened.error = error;
        opened.detail = detail;
        return outcomeOf(Operation::Restore, opened, zipPath);
    };
    if (writeFailed)
        return fail(Error::Target, folder);
    if (opened.error != Error::None)
        return fail(opened.error, opened.detail);

    Outcome outcome = outcomeOf(Operation::Restore, opened, zipPath);
    if (occupied) {
        const Outcome safety = makeBackup(folder, QFileInfo(zipPath).absolutePath(), now);
        if (!safety.ok()) {
            Outcome failed = fail(Error::SafetyCopy, safety.detail);
            failed.safetyError = safety.error;
            failed.safetyDetail = safety.file;
            return failed;
        }
        outcome.safetyCopy = safety.file;
    }
    if (const Error e = replacement.run(opened.manifest); e != Error::None) {
        if (e == Error::Target)
            QDir(staging).removeRecursively();
        outcome.error = e;
        outcome.detail = folder;
        return outcome;
    }
    QDir(staging).removeRecursively();
    meter.finish();
    return outcome;
}

QString message(const Outcome& o) {
    const QString file = QDir::toNativeSeparators(o.file);
    const QString detail = QDir::toNativeSeparators(o.detail);
    const QString unchanged = QStringLiteral("\n\r\n\rNessun dato \u00E8 stato cambiato.");
    const QString notMade = QStringLiteral("\n\r\n\rLa copia non \u00E8 stata fatta.");
    switch (o.error) {
    case Error::None:
        break;
    case Error::Destination:
        return QStringLiteral("Attenzione: la cartella di destinazione \"%1\" non esiste o non permette di "
                              "scrivere.\n\r\n\rScegliere un'altra cartella per la copia di sicurezza.")
            .arg(detail);
    case Error::Busy:
        return QStringLiteral("Attenzione: l'archivio \"%1\" \u00E8 rimasto in uso da un'altra postazione "
                              "troppo a lungo.\n\r\n\rRiprovare tra qualche istante.")
                   .arg(QFileInfo(o.detail).fileName()) +
               notMade;
    case Error::ReadArchive:
    case Error::ReadFile:
        return QStringLiteral("Attenzione: il sistema non permette di leggere il file \"%1\".").arg(detail) +
               notMade;
    case Error::Write:
        return QStringLiteral(
                   "Attenzione: non \u00E8 stato possibile scrivere la copia di sicurezza \"%1\" (disco "
                   "pieno, supporto rimosso o protetto dalla scrittura).")
                   .arg(file) +
               notMade;
    case Error::Check:
        return QStringLiteral(
                   "Attenzione: la copia di sicurezza scritta in \"%1\" non corrisponde ai dati letti "
                   "ed \u00E8 stata eliminata.\n\r\n\rRiprovare, se possibile su un altro supporto.")
            .arg(QDir::toNativeSeparators(QFileInfo(o.file).absolutePath()));
    case Error::NotFound:
        return QStringLiteral("Attenzione: il file \"%1\" non esiste o non si pu\u00F2 leggere.").arg(file) +
               unchanged;
    case Error::Damaged:
        return QStringLiteral("Attenzione: il file \"%1\" \u00E8 danneggiato o incompleto%2.")
                   .arg(file, o.entry.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" (\"%1\" manca o non corrisponde)").arg(o.entry)) +
               unchanged;
    case Error::Foreign:
        return QStringLiteral("Attenzione: il file \"%1\" non \u00E8 una copia di sicurezza di Orvelia.")
                   .arg(file) +
               unchanged;
    case Error::Unsafe:
        return QStringLiteral(
                   "Attenzione: il file \"%1\" contiene un elemento che Orvelia non conserva (\"%2\").")
                   .arg(file, o.entry) +
               unchanged;
    case Error::NeedsReplace:
        return QStringLiteral("Attenzione: la cartella \"%1\" contiene gi\u00E0 degli archivi.").arg(detail) +
               unchanged;
    case Error::SafetyCopy: {
        Outcome safety;
        safety.error = o.safetyError.value_or(Error::Write);
        safety.file = o.safetyDetail;
        safety.detail = o.detail;
        return QStringLiteral(
                   "Attenzione: prima di ripristinare non \u00E8 stato possibile fare la copia dei dati "
                   "presenti.\n\r\n\r") +
               message(safety) + unchanged;
    }
    case Error::Target:
        return QStringLiteral("Attenzione: il sistema non permette di scrivere nella cartella \"%1\".")
                   .arg(detail) +
               unchanged;
    case Error::Uncertain:
        return QStringLiteral(
                   "Attenzione: il ripristino si \u00E8 interrotto e non \u00E8 stato possibile rimettere "
                   "tutti i file com'erano.\n\r\n\rI dati presenti prima sono nella copia \"%1\": "
                   "ripristinarla.")
            .arg(QDir::toNativeSeparators(o.safetyCopy));
    }
    const QString contents = QStringLiteral("Archivi: %1, con %2 schede in tutto.\n\rDocumenti allegati: %3.")
                                 .arg(o.manifest.archives())
                                 .arg(recordCount(o.manifest.records()))
                                 .arg(o.manifest.documents());
    if (o.operation == Operation::Backup)
        return QStringLiteral("Copia di sicurezza completata.\n\r\n\rFile: %1\n\r").arg(file) + contents;
    QString text = QStringLiteral("Ripristino completato dalla copia del %1.\n\r\n\r")
                       .arg(o.manifest.made.toString(QStringLiteral("dd/MM/yyyy HH:mm"))) +
                   contents;
    if (!o.safetyCopy.isEmpty())
        text += QStringLiteral("\n\r\n\rI dati presenti prima sono stati salvati nella copia \"%1\".")
                    .arg(QDir::toNativeSeparators(o.safetyCopy));
    return text;
}

QString savedDestination(const QString& folder) {
    return settings::value(folder, kDestinationKey, QString());
}

bool saveDestination(const QString& folder, const QString& destination) {
    return settings::setValue(folder, kDestinationKey, destination);
}

std::optional<QDateTime> lastBackup(const QString& folder) {
    const QDateTime when =
        QDateTime::fromString(settings::value(folder, kLastBackupKey, QString()), Qt::ISODate);
    if (!when.isValid())
        return std::nullopt;
    return when;
}

bool reminderDue(const std::optional<QDateTime>& last, const QDateTime& now) {
    return !last || last->daysTo(now) >= 7 || *last > now.addDays(1);
}

bool reminderDue(const QString& folder, const QDateTime& now) {
    return reminderDue(lastBackup(folder), now);
}

} // namespace orvelia::backup

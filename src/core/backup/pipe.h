#pragma once

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

#include <QtGlobal>

namespace orvelia::backup {

/**
 * Blocks of bytes handed from one thread to another through a few buffers that are used
 * over and over: the copy reads the archives on one thread while the zip library writes
 * on the other, and reads the copy back while another thread computes the digests.
 * One producer, one consumer.
 */
class BlockPipe {
public:
    static constexpr qint64 kBlockBytes = qint64(1) << 20;

    BlockPipe()
        : m_buffers(kBuffers) {
        for (Buffer& b : m_buffers)
            b.bytes.resize(std::size_t(kBlockBytes));
    }

    /// Producer: copies @p length bytes in; false once the consumer has stopped taking them.
    bool write(const char* data, qint64 length) {
        while (length > 0) {
            std::unique_lock lock(m_mutex);
            Buffer& b = m_buffers[std::size_t(m_written % kBuffers)];
            m_changed.wait(lock, [&] { return m_abandoned || !b.full; });
            if (m_abandoned)
                return false;
            lock.unlock();
            const qint64 n = std::min(length, kBlockBytes - b.length);
            std::memcpy(b.bytes.data() + b.length, data, std::size_t(n));
            b.length += n;
            data += n;
            length -= n;
            if (b.length == kBlockBytes)
                post();
        }
        return true;
    }
    /// Producer: no more bytes; @p ok false when the producer failed.
    void finish(bool ok) {
        {
            std::lock_guard lock(m_mutex);
            Buffer& b = m_buffers[std::size_t(m_written % kBuffers)];
            if (!m_abandoned && b.length > 0 && !b.full) {
                b.full = true;
                ++m_written;
            }
            m_finished = true;
            m_ok = ok;
        }
        m_changed.notify_all();
    }

    /// Consumer: the next block (its bytes and length), or a null pointer at the end.
    const char* take(qint64* length) {
        std::unique_lock lock(m_mutex);
        Buffer& b = m_buffers[std::size_t(m_read % kBuffers)];
        m_changed.wait(lock, [&] { return b.full || m_finished; });
        if (!b.full) {
            *length = 0;
            return nullptr;
        }
        *length = b.length;
        return b.bytes.data();
    }
    /// Consumer: the block of the last take() is used up.
    void release() {
        {
            std::lock_guard lock(m_mutex);
            Buffer& b = m_buffers[std::size_t(m_read % kBuffers)];
            b.full = false;
            b.length = 0;
            ++m_read;
        }
        m_changed.notify_all();
    }
    /// Consumer: stops taking; the producer's next write returns false.
    void abandon() {
        {
            std::lock_guard lock(m_mutex);
            m_abandoned = true;
        }
        m_changed.notify_all();
    }
    /// After the end: whether the producer finished without failing.
    bool ok() const {
        std::lock_guard lock(m_mutex);
        return m_ok;
    }

private:
    static constexpr int kBuffers = 4;
    struct Buffer {
        std::vector<char> bytes;
        qint64 length = 0;
        bool full = false;
    };

    void post() {
        {
            std::lock_guard lock(m_mutex);
            m_buffers[std::size_t(m_written % kBuffers)].full = true;
            ++m_written;
        }
        m_changed.notify_all();
    }

    std::vector<Buffer> m_buffers;
    qint64 m_written = 0;
    qint64 m_read = 0;
    bool m_finished = false;
    bool m_ok = false;
    bool m_abandoned = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace orvelia::backup

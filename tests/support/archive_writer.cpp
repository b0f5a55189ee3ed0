// A second process for the tests of shared archives and of saves that are cut short.
// Usage:
//   archive_writer <file> <tag> <count>   appends <count> work records tagged <tag>
//   archive_writer hold <file> <ms>       holds the lock of an append for <ms> milliseconds
//   archive_writer churn <file> <seed> <first>
//                                         appends and overwrites until it is killed, saying
//                                         "append N I" or "overwrite N I" once save I (from
//                                         <first> on) is saved as record N
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include <QString>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"
#include "core/system/system.h"
#include "support/churn.h"

using namespace orvelia;

namespace {

int appendTagged(const QString& path, const QString& tag, int n) {
    for (int i = 0; i < n; ++i) {
        Record r(TSchedaLavoro::layout);
        r[TSchedaLavoro::Cognome] = tag;
        r[TSchedaLavoro::Nome] = QString::number(i);
        r[TSchedaLavoro::Note] = QString(240, QChar(u'a' + i % 26));
        const auto k = archive::append(path, r);
        if (!k) {
            std::fprintf(stderr, "append %d: %s\n", i, describe(k.error()));
            return 1;
        }
    }
    return 0;
}

int hold(const QString& path, int ms) {
    sys::NativeFile file;
    if (!file.open(path, sys::NativeFile::Access::ReadWrite) ||
        file.lock(sys::NativeFile::LockKind::Exclusive, 0, 0) != sys::LockResult::Locked)
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return 0;
}

int churn(const QString& path, unsigned seed, int first) {
    std::mt19937 rng(seed);
    qint64 count = 0;
    for (int i = first;; ++i) {
        if (count == 0 || rng() % 2 == 0) {
            const auto k = archive::append(path, test::churnRecord(i));
            if (!k)
                return 1;
            count = *k;
            std::printf("append %lld %d\n", static_cast<long long>(*k), i);
        } else {
            const qint64 n = 1 + qint64(rng() % std::uint64_t(count));
            if (archive::overwrite(path, n, test::churnRecord(i)) != ArchiveError::None)
                return 1;
            std::printf("overwrite %lld %d\n", static_cast<long long>(n), i);
        }
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    sys::prepareProcess();
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == QLatin1String("hold"))
        return hold(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc == 5 && QString::fromLocal8Bit(argv[1]) == QLatin1String("churn"))
        return churn(QString::fromLocal8Bit(argv[2]), unsigned(std::atoi(argv[3])), std::atoi(argv[4]));
    if (argc == 4)
        return appendTagged(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                            std::atoi(argv[3]));
    return 2;
}

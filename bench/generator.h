#pragma once

// Realistic archives of any size for the timing runs: a worker archive and
// one year of the work register, the same bytes for the same arguments.

#include <cstdint>

#include <QDate>
#include <QString>

namespace orvelia::bench {

/// splitmix64: a small generator that gives the same numbers on every machine.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed)
        : m_state(seed) {}

    std::uint64_t next();
    /// A number from 0 to @p n - 1 (n > 0).
    std::uint64_t below(std::uint64_t n);
    /// True @p perThousand times out of a thousand.
    bool chance(int perThousand) { return below(1000) < std::uint64_t(perThousand); }

private:
    std::uint64_t m_state;
};

/**
 * The codice fiscale of a person: three letters of the surname, three of the
 * name, year, month letter, day (plus 40 for women), the code of the comune
 * of birth and the check character. Letters other than A-Z are skipped.
 */
QString codiceFiscale(const QString& surname, const QString& name, const QDate& birth, bool female,
                      const QString& comuneCode);

/// What to write.
struct ArchiveSizes {
    std::int64_t workers = 0; ///< records of Brenzo.pro
    std::int64_t works = 0;   ///< records of <year>.lav
    int year = 0;             ///< the year of the work register, 1000 to 9999
    std::uint64_t seed = 1;
};

/// The outcome of a generation.
struct GeneratedArchives {
    bool ok = false;
    QString error;                 ///< why it failed, in words for the user
    QString frequentCodiceFiscale; ///< the first worker, who has about 1 % of the works
};

/**
 * Writes @p folder/Brenzo.pro and @p folder/<year>.lav, replacing them. Every
 * work belongs to a worker of the archive, so works need at least one worker.
 */
GeneratedArchives generateArchives(const QString& folder, const ArchiveSizes& sizes);

} // namespace orvelia::bench

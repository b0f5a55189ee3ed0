#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QByteArrayView>
#include <QString>

#include "core/archive/recordfile.h"

namespace orvelia {

/// The names of the months, January first.
inline const std::array<QString, 12> kMonthNames = {
    QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
    QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
    QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
    QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre"),
};

/// A work record that a monthly scan could not use, named for the user.
struct SkippedWorkRecord {
    qint64 number = 0; ///< 1-based position in the year file
    QString date;      ///< the stored Data
    QString worker;    ///< Cognome and Nome
    bool operator==(const SkippedWorkRecord&) const = default;
};

/// How a record's date places it in a monthly scan.
enum class MonthPlace {
    Counted,    ///< month 01-12 and the year asked for
    OtherYear,  ///< a well-formed date of another year: left out by design
    Unreadable, ///< month and year cannot be read from the date
};

/**
 * Where the date text @p data places a record for @p year. The month is read
 * from characters 4-5 and the year from characters 7-10 (1-based) of the
 * trimmed date followed by ten blanks; the record counts when the trimmed
 * month is 01 to 12 and the trimmed year equals the trimmed @p year. @p month
 * receives the month (1-12) of a counted record.
 */
MonthPlace placeInMonth(const QString& data, const QString& year, int* month = nullptr);
/**
 * The same place for the stored bytes @p stored of a date field (Windows-1252,
 * untrimmed) as for its decoded, trimmed text; plain ASCII bytes are read
 * without decoding them.
 */
MonthPlace placeInMonth(QByteArrayView stored, const QString& year, int* month = nullptr);

/// The result of adding up the amounts due of one year file month by month.
struct MonthlyTotals {
    /// The sums of TotDovuto, January first, as added (not rounded).
    std::array<double, 12> sums{};
    /// Set when the file could not be opened or read; the sums are then incomplete.
    ArchiveError error = ArchiveError::None;
    /// Set when a counted record's TotDovuto cannot be read: the scan stopped there.
    std::optional<SkippedWorkRecord> unreadableAmount;
    /// Records left out because their date cannot be read, in file order.
    std::vector<SkippedWorkRecord> unreadableDates;

    bool complete() const { return error == ArchiveError::None && !unreadableAmount; }
};

/**
 * Adds up, month by month, the amounts due of the records of @p year in the
 * year file @p path (created empty when missing). Records of other years are
 * left out; so are records whose date cannot be read, which are listed. The
 * scan stops at the first counted record whose amount cannot be read.
 */
MonthlyTotals scanMonthlyTotals(const QString& path, const QString& year);

/**
 * A monthly sum to whole euros: written in the general number form, read back
 * and rounded half up to no decimals (1234,49 -> 1234; 1234,5 -> 1235;
 * 10,40 + 10,20 -> 21).
 */
double roundToEuro(double sum);

/// Error shown when a counted record's amount due cannot be read.
QString unreadableAmountMessage(const SkippedWorkRecord& record);
/// Warning listing the records left out because their date cannot be read.
QString unreadableDatesMessage(const std::vector<SkippedWorkRecord>& records);

} // namespace orvelia

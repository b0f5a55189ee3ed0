#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

namespace orvelia::summary {

/// Texts of the period summary shared by its criteria and list windows.
inline const QString kAllWorkers = QStringLiteral("Tutti i lavoratori");
inline const QString kIntervalDesign = QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa");
inline const QString kEmptyTotal = QStringLiteral("0,00");
inline const QString kArchiveNotAccessible =
    QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");

/// The twelve month names of the drop-down boxes, January first.
const QStringList& monthNames();
/// The two-digit number of the month called @p name (trimmed, any letter case), or "00" when none is.
QString monthNumber(const QString& name);

/// Which control of the criteria window receives the focus after a refused check.
enum class CriteriaFocus { Stay, Anno, GiornoInizio, MeseInizio, GiornoFine, MeseFine };

/// A refused criteria check: its text, whether it is a warning (otherwise a plain message) and the focus.
struct CriteriaRefusal {
    QString text;
    bool warning;
    CriteriaFocus focus;
    bool operator==(const CriteriaRefusal&) const = default;
};

/// What the criteria window holds when "Visualizza riepilogo" is pressed.
struct Criteria {
    QString year;                            ///< txtAnno, untrimmed
    QString startDay, startMonth, startYear; ///< the year from lblAnnoInizio
    QString endDay, endMonth, endYear;       ///< the year from lblAnnoFine
};

/// The outcome of the criteria checks: the composed date texts (as far as they were composed) and the
/// first refusal, if any.
struct CriteriaCheck {
    QString startDate;
    QString endDate;
    std::optional<CriteriaRefusal> refusal;
};

/**
 * The checks of the criteria, in order: a year of four characters, the start
 * day and month, the end day and month chosen, start and end dates that exist
 * (composed as day/month number/year), and the start not after the end.
 */
CriteriaCheck checkCriteria(const Criteria& criteria);

/// The worker label: the trimmed filter, or "Tutti i lavoratori" when it is empty.
QString workerLabel(const QString& filter);
/// "Dal   <start>   al   <end>".
QString intervalText(const QString& startDate, const QString& endDate);
/// True when @p filter (untrimmed, A-Z as a-z) occurs in @p codFisc (A-Z as a-z).
bool matchesWorker(const QString& codFisc, const QString& filter);

/**
 * The finished text of the total from the text of the running sum: "0,00"
 * when empty; otherwise rounded to four decimals in the general number form,
 * with at least two decimals and a "0" before a leading comma.
 */
QString finishTotal(const QString& runningText);

/// What the summary asks for: the year file, the interval and the worker filter (untrimmed).
struct Request {
    QString yearFile;
    QString startDate;
    QString endDate;
    QString workerFilter;
};

/// A record at which the scan stopped because its date or amount cannot be read.
struct UnreadableRecord {
    enum class What { Date, Amount };
    What what;
    qint64 number;  ///< 1-based position in the year file
    QString date;   ///< Data as stored
    QString worker; ///< surname and name
    QString codFisc;
    QString amount; ///< TotDovuto as stored
};

/// The summary built from a request.
struct Result {
    QStringList lines;                          ///< in file order
    QString workerLabel;                        ///< the worker label text
    QString interval;                           ///< the interval text; empty when the scan stopped early
    QString total;                              ///< the finished total; "0,00" when the scan stopped early
    ArchiveError error = ArchiveError::None;    ///< the year file could not be opened or read
    std::optional<UnreadableRecord> unreadable; ///< the record the scan stopped at

    bool complete() const { return error == ArchiveError::None && !unreadable; }
};

/**
 * The scan of the summary: calls @p listed for each record it lists, in file
 * order, and returns everything but the lines (left empty).
 */
Result scan(const Request& request, int currentYear, const std::function<void(const RecordView&)>& listed);

/**
 * Builds the summary, one work list line (work::workLine) for each record
 * listed; the amount of a line always begins at character 145. Scans the year file (created empty when
 * missing) and keeps, in file order, the records of the worker filter whose date lies in the interval, both
 * ends included, adding up their amounts. The scan stops at a record whose date, or (for a selected record)
 * amount, cannot be read; the lines listed before it stay. @p currentYear completes a date without a year.
 */
Result build(const Request& request, int currentYear);

/// The title of the printed summary for the worker label @p workerLabel.
QString printTitle(const QString& workerLabel);
/// The lines that close the printed summary: the separator, the interval and the total.
QStringList closingLines(const QString& interval, const QString& total);

/// The message that names the record the scan stopped at and says that the summary is incomplete.
QString unreadableMessage(const UnreadableRecord& record, const QString& yearFile);

} // namespace orvelia::summary

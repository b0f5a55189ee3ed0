#pragma once

#include <array>
#include <optional>

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

namespace orvelia::registry {

/// The employee fields the search filters look in, in the order of the filter boxes.
inline constexpr std::array<TSchedaLavoratore::Field, 10> kSearchFields = {
    TSchedaLavoratore::Cognome,   TSchedaLavoratore::Nome,     TSchedaLavoratore::Codice,
    TSchedaLavoratore::Categoria, TSchedaLavoratore::CodFisc,  TSchedaLavoratore::Iva,
    TSchedaLavoratore::Familiari, TSchedaLavoratore::Prodotti, TSchedaLavoratore::Acquisto,
    TSchedaLavoratore::Note,
};

/**
 * The line of the employee search for one worker: surname and name (28
 * columns), "  C.F. " and the codice fiscale (16), "  Mans. " and the job
 * (24), "  Tel. " and the preferred telephone (14), "  Note: " and the whole
 * note. Every field is trimmed first.
 */
QString searchLine(const QString& cognome, const QString& nome, const QString& codFisc, const QString& codice,
                   const QString& recapito, const QString& note);

/// The employee search line of @p record (a Record or a RecordView).
template <typename R> QString searchLine(const R& record) {
    using F = TSchedaLavoratore;
    return searchLine(record[F::Cognome], record[F::Nome], record[F::CodFisc], record[F::Codice],
                      record[F::Recapito], record[F::Note]);
}

/**
 * The line of the expiring-contracts list for one worker: surname and name
 * (30 columns), "  Tel. " and the telephone (12), "  Scad. " and the expiry
 * (10), "  Tot. € " and the total pay (12), "  Rata: € " and the instalment
 * (12), "  Tipo: " and the whole contract type. Every field is trimmed first.
 */
QString expiryLine(const QString& cognome, const QString& nome, const QString& recapito,
                   const QString& scadenza, const QString& totale, const QString& rata,
                   const QString& acquisto);

/// The expiring-contracts line of @p record (a Record or a RecordView).
template <typename R> QString expiryLine(const R& record) {
    using F = TSchedaLavoratore;
    return expiryLine(record[F::Cognome], record[F::Nome], record[F::Recapito], record[F::Scadenza],
                      record[F::Totale], record[F::Rata], record[F::Acquisto]);
}

/**
 * The employee search over the ten filter texts, as typed. A filter is in use
 * when its trimmed text is not empty. A filter in use hits a record when its
 * text as typed (blanks kept), with A-Z as a-z, occurs in its field with A-Z
 * as a-z; accented letters keep their case. A record is found when every
 * filter in use hits it; with no filter in use every record is found.
 * A box holding only blanks is not in use and never hits.
 */
class EmployeeSearch {
public:
    explicit EmployeeSearch(const std::array<QString, 10>& typed);

    /// The number of filters in use.
    int filtersInUse() const { return int(m_keys.size()); }
    /// True when @p record is found. Decodes only the fields of the filters in use.
    bool matches(const RecordView& record) const;

private:
    struct Key {
        int field;
        QString text; // as typed, A-Z as a-z
    };
    QList<Key> m_keys;
};

/**
 * Scans the employee archive at @p path (created empty when missing) and
 * returns the search line of every record @p search finds, in archive order.
 */
ArchiveResult<QStringList> searchEmployees(const QString& path, const EmployeeSearch& search);

/// Whether a contract has reached its notice period.
enum class ContractState {
    Due,       ///< the expiry minus the notice days is today or earlier
    NotDue,    ///< the notice period starts after today
    Unreadable ///< the expiry is not a valid date or the notice is not a whole number
};

/**
 * The expiry rule: a contract is due from the day @p notice days before its
 * expiry @p scadenza onwards, expired contracts included. The expiry is read
 * with the date check (a date without a year falls in the year of @p today);
 * the notice is a whole number in decimal.
 */
ContractState contractState(const QString& scadenza, const QString& notice, const QDate& today);

/// The outcome of the expiring-contracts scan.
struct ExpiringContracts {
    QStringList lines;                       ///< the line of every due contract, in archive order
    QList<qint64> unreadable;                ///< positions of the records whose expiry could not be judged
    ArchiveError error = ArchiveError::None; ///< what ended the scan early; lines found before it are kept
};

/**
 * Scans the employee archive at @p path (created empty when missing) for the
 * contracts due on @p today. A record whose expiry or notice cannot be read
 * is left out and its position noted; the scan goes on to the last record.
 */
ExpiringContracts expiringContracts(const QString& path, const QDate& today);

/**
 * The message naming the positions of the records whose expiry could not be
 * judged: the first twenty one by one, the rest counted.
 */
QString unreadableExpiryMessage(const QList<qint64>& positions);

/// The default of how many days ahead the identity documents list looks.
inline constexpr int kDocumentDaysDefault = 30;
/// The most days ahead the identity documents list may look.
inline constexpr int kDocumentDaysMost = 365;

/**
 * The line of the identity documents list for one worker: "Scaduto " or "Valido  " (so the
 * expired come first in list order), surname and name (30 columns), "  Doc. " and the document
 * type (20), "  N. " and its number (16), "  Scad. " and the expiry date (10), "  Giorni: " and
 * the days left, right-aligned in 5 columns (negative when expired). Every field is trimmed first.
 */
QString documentLine(const QString& cognome, const QString& nome, const QString& tipoDoc,
                     const QString& numDoc, const QString& dataSca, qint64 daysLeft);

/// The outcome of the identity documents scan.
struct DocumentsDue {
    QStringList lines;        ///< the line of every document due, in archive order
    QList<qint64> unreadable; ///< positions of the records whose expiry date fails the date check
    ArchiveError error = ArchiveError::None; ///< what ended the scan early; lines found before it are kept
};

/**
 * The days from @p today to the document expiry @p dataSca (negative when expired), or nothing
 * when the text fails the date check (a date without a year falls in the year of @p today).
 */
std::optional<qint64> documentDaysLeft(const QString& dataSca, const QDate& today);

/// The identity documents line of @p record on @p today, or an empty text when it is not due.
template <typename R> QString documentLine(const R& record, const QDate& today, int days) {
    using F = TSchedaLavoratore;
    const auto left = documentDaysLeft(record[F::DataSca], today);
    if (!left || *left > days)
        return QString();
    return documentLine(record[F::Cognome], record[F::Nome], record[F::TipoDoc], record[F::NumDoc],
                        record[F::DataSca], *left);
}

/**
 * Scans the employee archive at @p path (created empty when missing) for the identity documents
 * expired or expiring within @p days of @p today. A record whose document expiry is empty is not
 * listed; one whose expiry fails the date check is left out and its position noted.
 */
DocumentsDue documentsDue(const QString& path, const QDate& today, int days);

/**
 * The message naming the positions of the records whose document expiry could not be read:
 * the first twenty one by one, the rest counted.
 */
QString unreadableDocumentMessage(const QList<qint64>& positions);

} // namespace orvelia::registry

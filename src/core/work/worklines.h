#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

namespace orvelia::work {

/// Column widths of a work list line.
inline constexpr int kActivityWidth = 44;
inline constexpr int kDateWidth = 10;
inline constexpr int kWorkerWidth = 28;
inline constexpr int kCodFiscWidth = 16;
inline constexpr int kPhoneWidth = 14;
/// The longest work list line: its columns, the texts between them and the longest amount owed.
inline constexpr int kLineBytes =
    kActivityWidth + 7 + kDateWidth + 2 + kWorkerWidth + 7 + kCodFiscWidth + 7 + kPhoneWidth + 9 + 15;

/**
 * The list line of a work record, shared by the work search and the list of
 * incomplete works: the activity (44 columns), " Data: " and the date (10),
 * two blanks and surname, blank, first name (28), "  C.F. " and the codice
 * fiscale (16), "  Tel. " and the telephone (14), "  Tot. € " and the amount
 * owed as it is. Every field is trimmed first.
 */
QString workLine(const RecordView& record);
QString workLine(const Record& record);
/// Appends the list line of @p record to @p out in Windows-1252, one byte a character, as long lists keep it.
void appendWorkLine(QByteArray& out, const RecordView& record);

/// The fields the ten filter boxes of the work search look in, in the order of the boxes.
inline constexpr std::array<TSchedaLavoro::Field, 10> kSearchFields = {
    TSchedaLavoro::Data,       TSchedaLavoro::Luogo, TSchedaLavoro::Attivita, TSchedaLavoro::Postazione,
    TSchedaLavoro::Cognome,    TSchedaLavoro::Nome,  TSchedaLavoro::CodFisc,  TSchedaLavoro::Mansione,
    TSchedaLavoro::CodiceProg, TSchedaLavoro::Note,
};

/**
 * The rule of the work search. A filter is filled when its text is not empty
 * once trimmed; a record is listed when the text of every filled filter, as
 * typed (blanks kept) with A-Z taken as a-z, occurs in its field with A-Z
 * taken as a-z. Accented letters are compared as they are. Filters holding
 * only blanks take no part, so with no filled filter every record is listed.
 */
class WorkSearch {
public:
    /// @p typed holds the texts of the filter boxes, one for each field of kSearchFields.
    explicit WorkSearch(const std::array<QString, kSearchFields.size()>& typed);

    /// How many filters are filled.
    int filledCount() const { return int(m_keys.size()); }
    bool matches(const RecordView& record) const;

private:
    struct Key {
        TSchedaLavoro::Field field;
        QString text; // in small letters
    };
    std::vector<Key> m_keys;
};

/// The lines gathered by a scan, and the error that ended it early (None when it read every record).
struct WorkLines {
    QStringList lines;
    ArchiveError error = ArchiveError::None;
};

/// The lines of the records of the year file @p path (created when missing) that @p search lists, in file
/// order.
WorkLines searchWorks(const QString& path, const WorkSearch& search);

/// True when the record's Incompleto flag, trimmed, is exactly "Sì".
bool isIncomplete(const RecordView& record);

/// The lines of the incomplete records of the year file @p path (created when missing), in file order.
WorkLines incompleteWorks(const QString& path);

} // namespace orvelia::work

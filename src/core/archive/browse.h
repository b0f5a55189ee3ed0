#pragma once

#include <QString>

namespace orvelia {

/// The four commands that move through an archive one record at a time.
enum class BrowseCommand { First, Previous, Next, Last };

/// What a browse command does, decided from the record number on screen and the count.
struct BrowseStep {
    enum Action {
        Nothing,     ///< nothing changes and nothing is said
        Load,        ///< show record `number`
        ReportEmpty, ///< the archive holds no record: say so
    };
    Action action = Nothing;
    qint64 number = 0;
    /// With ReportEmpty: the record number on screen is emptied first (Next on an empty archive).
    bool clearPosition = false;

    bool operator==(const BrowseStep&) const = default;
};

/**
 * Decides a browse command. @p position is the text of lblPosizione (empty
 * for a new record), @p count the number of records in the archive.
 * First and Last load the first or last record; Next loads the one after the
 * record on screen (record 1 from a new record) and does nothing on the last;
 * Previous does nothing on record 1, loads record 1 from a new record, and the
 * one before otherwise.
 */
BrowseStep decideBrowse(BrowseCommand command, const QString& position, qint64 count);

} // namespace orvelia

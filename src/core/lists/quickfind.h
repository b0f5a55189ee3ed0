#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace orvelia::lists {

/// True when @p line, with A-Z taken as a-z, contains @p key (already in small letters). An empty key is
/// contained in no line.
bool lineContains(QStringView line, QStringView key);

/**
 * The quick find ("Trova") of a list window, with the key of its previous
 * search. A new key searches from the first line, the first line tested
 * first; the same key again goes on from the line after the selected one,
 * wrapping round, and tests the selected line last.
 */
class QuickFind {
public:
    /// Where the selection goes after a search.
    struct Result {
        qsizetype selection = -1; ///< the line to select: the found line, or the one selected before
        bool found = false;       ///< whether a line contains the key
    };

    /**
     * Searches @p lines for the text @p typed (taken as typed, A-Z as a-z).
     * @p selected is the selected line, or -1 when none is (the first line
     * then counts as selected). On an empty list nothing happens and the
     * remembered key stays as it was.
     */
    Result next(const QStringList& lines, qsizetype selected, const QString& typed);

    /// The key of the previous search, in small letters; empty at first.
    const QString& key() const { return m_key; }
    /// Forgets the previous key, so that the next search starts from the first line.
    void clear() { m_key.clear(); }

private:
    QString m_key;
};

} // namespace orvelia::lists

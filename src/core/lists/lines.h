#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace orvelia::lists {

/// Shared texts of the list windows.
inline const QString kFindInstruction =
    QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                   "premere il pulsante Trova.");
inline const QString kFindAgainInstruction =
    QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
                   "nuovo clic su Trova.");
inline const QString kRecallHint =
    QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
inline const QString kFindOnEmptyListMessage =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

/// "Il presente riepilogo contiene N schede." for a list of @p count lines.
QString foundCountText(qsizetype count);

/**
 * The order of list lines: character by character by their Windows-1252 code,
 * with a-z taken as A-Z (accented letters keep their own codes); a line that
 * is the beginning of a longer one comes first.
 * @return a negative number, zero or a positive number as @p a comes before,
 *         ranks with or comes after @p b.
 */
int compareLines(const QString& a, const QString& b);

/// True when @p a comes strictly before @p b in list order.
inline bool lineBefore(const QString& a, const QString& b) {
    return compareLines(a, b) < 0;
}

/// Sorts @p lines in list order; lines that rank equal keep the order they had.
void sortLines(QStringList& lines);

/**
 * Lines of Windows-1252 text kept one after the other in one block of memory,
 * for lists too long to hold as separate strings: a line is appended to
 * bytes() and closed with endLine(). sort() puts them in list order.
 */
class LineBlock {
public:
    LineBlock();
    /// Makes room for @p lines lines of @p bytes bytes in all.
    void reserve(qsizetype lines, qsizetype bytes);
    QByteArray& bytes() { return m_bytes; }
    void endLine() { m_starts.push_back(m_bytes.size()); }
    qsizetype count() const { return qsizetype(m_starts.size()) - 1; }
    /// Line @p i in list order once sorted, otherwise in the order the lines were added.
    QByteArrayView line(qsizetype i) const;
    /// Sorts the lines in list order; lines that rank equal keep the order they had.
    void sort();
    /// Asks the processor to fetch line @p i (in list order) before it is read: after sorting,
    /// lines are read from all over the block.
    void prefetch(qsizetype i) const;

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_starts;
    std::vector<std::uint32_t> m_order;
};

/// Where @p line goes in the sorted @p lines: after every line that ranks before or with it.
qsizetype sortedPosition(const QStringList& lines, const QString& line);

/// Inserts @p line into the sorted @p lines at its place and returns that place.
qsizetype insertSorted(QStringList& lines, const QString& line);

/// @p text followed by blanks and cut, exactly @p width characters (a column of a list line).
QString fitText(const QString& text, int width);

/// Turns A-Z into a-z and leaves every other character, accented letters included, as it is.
QString lowerAscii(const QString& text);

} // namespace orvelia::lists

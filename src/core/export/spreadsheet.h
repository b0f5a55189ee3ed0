#pragma once

#include <span>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"
#include "core/export/cells.h"

namespace orvelia {

/// One column of an exported spreadsheet: its title and width in the header row, and where its value
/// comes from in a record.
struct ExportColumn {
    const char* title; ///< UTF-8
    int width;         ///< exported width, independent of the width shown on screen
    int field;         ///< the record field of the value
    int secondField;   ///< a second field joined to the first with one space (the full name), or -1
    spreadsheet::CellType type = spreadsheet::CellType::Text; ///< what its cells are in a workbook

    /// The value of this column in @p record: the field (or the two fields joined) as stored, trimmed.
    QString value(const RecordView& record) const;
};

/// What one export writes: the sheet, the file in the program folder, the source layout and the columns.
struct ExportTable {
    const char* sheetName;
    const char* fileName;
    const RecordLayout* layout;
    std::span<const ExportColumn> columns;

    /// The file of the export: the .xls, or with @p workbook the .xlsx beside it.
    QString file(bool workbook) const {
        const QString xls = QString::fromLatin1(fileName);
        return workbook ? xls + u'x' : xls;
    }
};

/// The worker archive: 25 columns, sheet "Anagrafica Lavoratori", files Anagrafica_Lavoratori.xls and .xlsx.
extern const ExportTable kEmployeeExport;
/// A year of the work register: 20 columns, sheet "Registro Lavori", files Lavori.xls and .xlsx.
extern const ExportTable kWorkExport;

/// The message shown when the spreadsheet file cannot be written.
inline const QString kExportFailedMessage =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                   "Accertarsi che il file di Excel non sia già aperto.");

namespace spreadsheet {

/**
 * Appends @p value to @p out as the text of one cell: leading and trailing
 * blanks and control characters removed, control characters inside it
 * written as blanks (the file holds no line breaks), '&', '<' and '>' written
 * as entities so that the spreadsheet shows exactly the text, every other
 * character as its Windows-1252 byte, and a character the code page cannot
 * hold as a numeric character reference.
 */
void appendCellText(QByteArray& out, const QString& value);

/// The head of the file with the sheet name @p sheetName, up to and including the table's start tag.
QByteArray head(const QString& sheetName);
/// The header row: one bold cell for each of @p columns, with its title and exported width.
QByteArray headerRow(std::span<const ExportColumn> columns);
/// The tail of the file.
QByteArray tail();

} // namespace spreadsheet

/**
 * Writes a spreadsheet file (an HTML table with an Excel workbook head, in
 * Windows-1252, with no line breaks) one row at a time through a buffer of
 * a quarter of a megabyte, so that any number of rows takes little memory.
 *
 * The first failure (the file cannot be created, a write, the flush or the
 * close fails) stops the writing: later rows are ignored and finish()
 * returns false. What was already written stays in the file.
 */
class SpreadsheetWriter {
public:
    SpreadsheetWriter(const QString& path, std::span<const ExportColumn> columns);
    ~SpreadsheetWriter();
    SpreadsheetWriter(const SpreadsheetWriter&) = delete;
    SpreadsheetWriter& operator=(const SpreadsheetWriter&) = delete;

    /// Creates the file (or empties the one there) and writes the head and the header row.
    bool begin(const QString& sheetName);
    /// Writes one data row: one cell for each column, from @p cells in column order.
    bool addRow(std::span<const QString> cells);
    /**
     * Writes the data row of @p record: for each column the same bytes addRow
     * writes for ExportColumn::value(), taken straight from the stored bytes.
     */
    bool addRecord(const RecordView& record);
    /// Writes the tail and closes the file; true only when every byte reached the file.
    bool finish();

    bool ok() const { return m_ok; }

private:
    bool writeBuffer();
    void fail();

    QFile m_file;
    std::span<const ExportColumn> m_columns;
    qsizetype m_recordBytes = 0; // room addRecord() makes in the buffer for one row
    QByteArray m_buffer;
    bool m_ok = true;
};

/// What exporting a whole archive did.
struct ArchiveExport {
    qint64 rows = 0;                             ///< records written as rows
    ArchiveError readError = ArchiveError::None; ///< the archive could not be opened or read to the end
    bool written = false;                        ///< every byte of the file reached the disk

    bool ok() const { return readError == ArchiveError::None && written; }
};

/**
 * Writes the rows of @p table for every record of the archive at @p source (created empty when
 * missing) through @p writer (a SpreadsheetWriter or a WorkbookWriter), one row per record straight
 * from the file, so that any number of records takes little memory.
 */
template <typename Writer>
ArchiveExport exportArchiveWith(const QString& source, const ExportTable& table, Writer& writer) {
    ArchiveExport out;
    RecordFile file(source, *table.layout);
    if (out.readError = file.open(); out.readError != ArchiveError::None)
        return out;
    bool written = writer.begin(QString::fromUtf8(table.sheetName));
    out.readError = file.scan([&](qint64, const RecordView& record) {
        written = writer.addRecord(record);
        ++out.rows;
        return written;
    });
    if (const ArchiveError closed = file.close(); out.readError == ArchiveError::None)
        out.readError = closed;
    out.written = writer.finish() && written;
    return out;
}

/**
 * Writes the spreadsheet of @p table for every record of the archive at
 * @p source (created empty when missing) into @p target, one row per record
 * straight from the file, so that any number of records takes little memory.
 */
ArchiveExport exportArchive(const QString& source, const ExportTable& table, const QString& target);

} // namespace orvelia

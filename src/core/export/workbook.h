#pragma once

#include <span>
#include <string>
#include <vector>

#include <QString>

#include "core/export/spreadsheet.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace orvelia {

/**
 * Writes an Excel workbook (.xlsx) of one sheet row by row, streaming (the
 * library's constant-memory mode), so that any number of rows takes little
 * memory: the header row in bold, frozen and with a filter, the columns as
 * wide as their exported widths (in pixels), each cell typed by its column
 * (spreadsheet::typedCell): days shown dd/mm/yyyy, amounts and hours as
 * numbers, everything else as text exactly as given.
 *
 * The workbook is made under a temporary name beside @p path and takes the
 * final name only when it is whole; after any failure (a result of the
 * library, the rename) finish() returns false, later rows are ignored and
 * nothing is left under either name.
 */
class WorkbookWriter {
public:
    /// @p currentYear is the year a date without one, or with two digits, is read against.
    WorkbookWriter(const QString& path, std::span<const ExportColumn> columns, int currentYear);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    /// Starts the workbook with the sheet @p sheetName and writes the header row.
    bool begin(const QString& sheetName);
    /// Writes one data row: one cell for each column, from @p cells in column order.
    bool addRow(std::span<const QString> cells);
    /// Writes the data row of @p record: for each column ExportColumn::value().
    bool addRecord(const RecordView& record);
    /// Closes the workbook and gives it its final name; true only when all of it was written.
    bool finish();

    bool ok() const { return m_ok; }

private:
    bool check(int result);
    /// Closes the workbook (the library writes it out) and gives back the machine's number form.
    int close();
    bool writeCell(int column, const QString& text);
    void abandon();

    QString m_path;
    QString m_partial;
    std::span<const ExportColumn> m_columns;
    int m_currentYear;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_bold = nullptr;
    lxw_format* m_date = nullptr;
    lxw_format* m_money = nullptr;
    lxw_format* m_hours = nullptr;
    quint32 m_row = 0;
    std::string m_numericLocale;  ///< the number form of the C library before begin()
    std::vector<QString> m_cells; ///< the cells of the record being written
    bool m_ok = true;
};

/// exportArchive() writing a workbook instead: the same rows, typed cells.
ArchiveExport exportArchiveWorkbook(const QString& source, const ExportTable& table, const QString& target,
                                    int currentYear);

} // namespace orvelia

#include "core/export/workbook.h"

#include <clocale>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include "core/system/system.h"

namespace orvelia {

namespace {

using spreadsheet::CellType;

} // namespace

WorkbookWriter::WorkbookWriter(const QString& path, std::span<const ExportColumn> columns, int currentYear)
    : m_path(path)
    , m_partial(path + QStringLiteral(".parziale"))
    , m_columns(columns)
    , m_currentYear(currentYear) {}

WorkbookWriter::~WorkbookWriter() {
    if (m_workbook)
        abandon();
}

bool WorkbookWriter::check(int result) {
    if (result != LXW_NO_ERROR)
        m_ok = false;
    return m_ok;
}

int WorkbookWriter::close() {
    if (!m_workbook)
        return LXW_NO_ERROR;
    const lxw_error closed = workbook_close(m_workbook);
    m_workbook = nullptr;
    std::setlocale(LC_NUMERIC, m_numericLocale.c_str());
    return closed;
}

void WorkbookWriter::abandon() {
    // Closing frees the library's memory and temporary files; what it wrote is removed.
    close();
    QFile::remove(m_partial);
    m_ok = false;
}

bool WorkbookWriter::begin(const QString& sheetName) {
    // A file that cannot be made is found here, before the library would say so in English on the console.
    if (QFile probe(m_partial); !probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_ok = false;
        return false;
    }
    const QByteArray file = QDir::toNativeSeparators(m_partial).toUtf8();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(file.constData(), &options);
    if (!m_workbook) {
        QFile::remove(m_partial);
        m_ok = false;
        return false;
    }
    // The library writes numbers with the C library's printf, as rows are written and when the
    // workbook closes: until then they take '.' as their separator, whatever the language of the
    // machine, as the file format wants.
    m_numericLocale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    m_sheet = workbook_add_worksheet(m_workbook, sheetName.toUtf8().constData());
    m_bold = workbook_add_format(m_workbook);
    m_date = workbook_add_format(m_workbook);
    m_money = workbook_add_format(m_workbook);
    m_hours = workbook_add_format(m_workbook);
    if (!m_sheet || !m_bold || !m_date || !m_money || !m_hours) {
        abandon();
        return false;
    }
    format_set_bold(m_bold);
    format_set_num_format(m_date, spreadsheet::kDateFormat);
    format_set_num_format(m_money, spreadsheet::kMoneyFormat);
    format_set_num_format(m_hours, spreadsheet::kHoursFormat);

    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const auto column = lxw_col_t(c);
        if (!check(
                worksheet_set_column_pixels(m_sheet, column, column, quint32(m_columns[c].width), nullptr)) ||
            !check(worksheet_write_string(m_sheet, 0, column, m_columns[c].title, m_bold))) {
            abandon();
            return false;
        }
    }
    worksheet_freeze_panes(m_sheet, 1, 0);
    m_row = 1;
    return true;
}

bool WorkbookWriter::writeCell(int column, const QString& text) {
    const ExportColumn& spec = m_columns[std::size_t(column)];
    const spreadsheet::TypedCell cell = spreadsheet::typedCell(spec.type, text, m_currentYear);
    const auto col = lxw_col_t(column);
    switch (cell.type) {
    case CellType::Date: {
        lxw_datetime day{cell.date.year(), cell.date.month(), cell.date.day(), 0, 0, 0};
        return check(worksheet_write_datetime(m_sheet, m_row, col, &day, m_date));
    }
    case CellType::Money:
        return check(worksheet_write_number(m_sheet, m_row, col, cell.number, m_money));
    case CellType::Hours:
        return check(worksheet_write_number(m_sheet, m_row, col, cell.number, m_hours));
    case CellType::Text:
        break;
    }
    // An empty text is an empty cell.
    if (cell.text.isEmpty())
        return true;
    return check(worksheet_write_string(m_sheet, m_row, col, cell.text.toUtf8().constData(), nullptr));
}

bool WorkbookWriter::addRow(std::span<const QString> cells) {
    if (!m_ok || !m_workbook)
        return false;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (!writeCell(int(c), c < cells.size() ? cells[c] : QString())) {
            abandon();
            return false;
        }
    }
    ++m_row;
    return true;
}

bool WorkbookWriter::addRecord(const RecordView& record) {
    m_cells.resize(m_columns.size());
    for (std::size_t c = 0; c < m_columns.size(); ++c)
        m_cells[c] = m_columns[c].value(record);
    return addRow(m_cells);
}

bool WorkbookWriter::finish() {
    if (!m_ok || !m_workbook) {
        abandon();
        return false;
    }
    const auto lastColumn = lxw_col_t(m_columns.empty() ? 0 : m_columns.size() - 1);
    check(worksheet_autofilter(m_sheet, 0, 0, m_row - 1, lastColumn));
    const int closed = close();
    if (!m_ok || closed != LXW_NO_ERROR || !sys::renameOver(m_partial, m_path)) {
        QFile::remove(m_partial);
        m_ok = false;
        return false;
    }
    return true;
}

ArchiveExport exportArchiveWorkbook(const QString& source, const ExportTable& table, const QString& target,
                                    int currentYear) {
    WorkbookWriter writer(target, table.columns, currentYear);
    return exportArchiveWith(source, table, writer);
}

} // namespace orvelia

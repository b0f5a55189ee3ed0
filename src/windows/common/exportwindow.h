#pragma once

#include <span>
#include <vector>

#include <QAbstractTableModel>
#include <QTableView>

#include "core/export/spreadsheet.h"
#include "windows/common/toolwindow.h"

class QLabel;
class QLayout;
class QRadioButton;

namespace orvelia {

class CommandButton;
class StatusLine;

/// One column of the preview grid: its name, its width on screen and whether its cells can be edited.
struct GridColumn {
    const char* name;
    int width;
    bool readOnly;
};

/**
 * The rows of an export's preview grid: the record number (colNum) and then
 * one column for each exported column, as texts. Cells of the columns that
 * are not read-only can be edited; the edits live only here.
 */
class ExportGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// headerData() with this role gives the column's name (colNum, colNote, ...).
    static constexpr int ColumnNameRole = Qt::UserRole + 1;

    /// @p grid holds colNum first and then one column for each of @p exported.
    ExportGridModel(std::span<const ExportColumn> exported, std::span<const GridColumn> grid,
                    QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Replaces every row: @p cells holds the exported columns of each row, one row after another.
    void setRows(std::vector<QString> cells);
    /// The exported cells of @p row, in column order (without colNum).
    std::span<const QString> exportedCells(int row) const;
    /// The grid column called @p name, or -1.
    int column(const QString& name) const;
    const GridColumn& gridColumn(int column) const { return m_grid[std::size_t(column)]; }

private:
    std::span<const ExportColumn> m_exported;
    std::span<const GridColumn> m_grid;
    std::vector<QString> m_cells;
};

/// The preview grid: a table view over an ExportGridModel.
class ExportGrid : public QTableView {
    Q_OBJECT
public:
    ExportGrid(ExportGridModel* model, QWidget* parent);
    /// Stores the text of a cell still being edited, as leaving the cell would.
    void commitPendingEdit();
};

/**
 * The window of an export: a preview grid of the records filled when it
 * shows, and the command that writes them from the grid to a spreadsheet file
 * in the program folder and offers to open it.
 */
class ExportWindow : public ToolWindow {
    Q_OBJECT
public:
    ExportGrid* grdRecords;
    QLabel* panInfo;
    /// The format of the file: the workbook of Excel 2007 and later, or the .xls of Excel 97-2003.
    QRadioButton* optFormatoXlsx;
    QRadioButton* optFormatoXls;
    CommandButton *cmdEsporta, *cmdGuida, *cmdEsci;

    ExportGridModel* model() const { return m_model; }
    /// The archive the grid is filled from.
    const QString& sourcePath() const { return m_source; }
    /// The spreadsheet file the export writes, in the format chosen.
    QString exportPath() const;
    /// True when the workbook (.xlsx) is chosen.
    bool exportsWorkbook() const;

    /// Fills the grid from the archive (showing the window does it).
    void fill();
    void cmdEsportaClick();

protected:
    ExportWindow(QWidget* caller, const char* className, const QString& caption, const ExportTable& table,
                 std::span<const GridColumn> grid, const QString& source, const QString& subtitle);
    void opening() override;

private:
    /// The body under the command bar: the hint, the choice of format, the count of records and the grid.
    QWidget* buildBody();
    /// The two format buttons, the one remembered in the settings file checked (the .xls at first).
    QLayout* buildFormatChoice(QWidget* body);
    /// Writes the rows of the grid through @p writer; true when all of them reached the file.
    template <typename Writer> bool writeGrid(Writer& writer);

    const ExportTable& m_table;
    QString m_source;
    ExportGridModel* m_model;
    QLabel* m_count;
    StatusLine* m_status;
    bool m_filled = false;
};

} // namespace orvelia

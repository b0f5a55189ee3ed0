#include "windows/common/exportwindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/export/workbook.h"
#include "core/system/settings.h"
#include "framework/commandbar.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/recordpage.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {

const QString kTitle = QStringLiteral("Esporta in Microsoft Excel");
const QString kNumberHeader = QStringLiteral("N.");
const QString kStanding = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kCount = QStringLiteral("Schede in archivio: %1");
const QString kFormat = QStringLiteral("Formato del file:");
const QString kWorkbookFormat = QStringLiteral("Excel 2007 e successivi (.xlsx)");
const QString kOldFormat = QStringLiteral("Excel 97-2003 (.xls)");
// The remembered format, in the settings file of the program folder.
const QString kFormatKey = QStringLiteral("esportazione/formato");
const QString kFormatWorkbook = QStringLiteral("xlsx");
const QString kFormatOld = QStringLiteral("xls");
const QString kHint = QStringLiteral("Un doppio clic su una cella con il testo in nero permette di "
                                     "correggerla nel file esportato, senza modificare l'archivio.");

using E = ExportWindow;
const CommandDef<E> kCommands[] = {
    {&E::cmdEsporta, "cmdEsporta", "esporta", "Esporta", "Esporta l'archivio in formato Microsoft Excel.", 0},
    {&E::cmdGuida, "cmdGuida", "guida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
     1},
    {&E::cmdEsci, "cmdEsci", "esci", "Esci", "Esci da questo ambiente di lavoro.", 1},
};

constexpr int kRowHeight = 21;
const QColor kReadOnlyText = colours::kSlate;
const QColor kEditableText = colours::kEditable;

// The wait cursor while the archive or the file is worked through.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

ExportGridModel::ExportGridModel(std::span<const ExportColumn> exported, std::span<const GridColumn> grid,
                                 QObject* parent)
    : QAbstractTableModel(parent)
    , m_exported(exported)
    , m_grid(grid) {
    Q_ASSERT(grid.size() == exported.size() + 1);
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cells.size() / m_exported.size());
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_grid.size());
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == 0)
            return QString::number(index.row() + 1);
        return m_cells[std::size_t(index.row()) * m_exported.size() + std::size_t(column - 1)];
    case Qt::ForegroundRole:
        return m_grid[std::size_t(column)].readOnly ? kReadOnlyText : kEditableText;
    case Qt::TextAlignmentRole:
        return column == 0 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool ExportGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_cells[std::size_t(index.row()) * m_exported.size() + std::size_t(index.column() - 1)] =
        value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return m_grid[std::size_t(index.column())].readOnly ? base : base | Qt::ItemIsEditable;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_grid.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return section == 0 ? kNumberHeader : QString::fromUtf8(m_exported[std::size_t(section - 1)].title);
    case ColumnNameRole:
        return QString::fromLatin1(m_grid[std::size_t(section)].name);
    case Qt::TextAlignmentRole:
        return section == 0 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void ExportGridModel::setRows(std::vector<QString> cells) {
    beginResetModel();
    m_cells = std::move(cells);
    m_cells.resize(m_cells.size() - m_cells.size() % m_exported.size());
    endResetModel();
}

std::span<const QString> ExportGridModel::exportedCells(int row) const {
    return std::span<const QString>(m_cells).subspan(std::size_t(row) * m_exported.size(), m_exported.size());
}

int ExportGridModel::column(const QString& name) const {
    for (std::size_t i = 0; i < m_grid.size(); ++i)
        if (name == QLatin1String(m_grid[i].name))
            return int(i);
    return -1;
}

ExportGrid::ExportGrid(ExportGridModel* model, QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("grdRecords"));
    setModel(model);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Fixed row heights and column widths keep a grid of many rows as quick as a small one.
    QHeaderView* rows = verticalHeader();
    rows->setVisible(false);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setHighlightSections(false);
    columns->setFixedHeight(28);
    for (int c = 0; c < model->columnCount(); ++c)
        columns->resizeSection(c, model->gridColumn(c).width);
    theme::setRole(this, theme::Role::Grid);
}

void ExportGrid::commitPendingEdit() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

ExportWindow::ExportWindow(QWidget* caller, const char* className, const QString& caption,
                           const ExportTable& table, std::span<const GridColumn> grid, const QString& source,
                           const QString& subtitle)
    : ToolWindow(caller, className, caption)
    , m_table(table)
    , m_source(source)
    , m_model(new ExportGridModel(table.columns, grid, this)) {
    auto* header = new BrandHeader(kTitle, subtitle, this, 64);
    CommandBar* bar = newCommandBar(this, kCommands);
    QWidget* body = buildBody();

    const CommandPage page = frameCommandPage(this, header, bar, body, kStanding, kCommands);
    panInfo = page.panInfo;
    m_status = page.status;
    for (QWidget* area : {body, grdRecords->viewport(), grdRecords->horizontalHeader()->viewport()})
        m_status->clearOver(area);
    setMinimumSize(1160, 700);

    connect(cmdEsporta, &CommandButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdEsci, &CommandButton::clicked, this, &QDialog::reject);
}

QWidget* ExportWindow::buildBody() {
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("panGriglia"));
    paintGround(body, colours::kPaper);
    QLabel* hint = roleLabel(QStringLiteral("lblSuggerimento"), kHint, theme::Role::Hint, body);
    m_count = roleLabel(QStringLiteral("lblSchede"), QString(), theme::Role::Heading, body);
    grdRecords = new ExportGrid(m_model, body);

    auto* infoRow = new QHBoxLayout;
    infoRow->addWidget(hint, 1);
    infoRow->addWidget(m_count);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(14, 10, 14, 12);
    bodyLayout->setSpacing(8);
    bodyLayout->addLayout(buildFormatChoice(body));
    bodyLayout->addLayout(infoRow);
    bodyLayout->addWidget(grdRecords, 1);
    return body;
}

QLayout* ExportWindow::buildFormatChoice(QWidget* body) {
    QLabel* caption = roleLabel(QStringLiteral("lblFormato"), kFormat, theme::Role::Hint, body);
    optFormatoXlsx = new QRadioButton(kWorkbookFormat, body);
    optFormatoXlsx->setObjectName(QStringLiteral("optFormatoXlsx"));
    optFormatoXls = new QRadioButton(kOldFormat, body);
    optFormatoXls->setObjectName(QStringLiteral("optFormatoXls"));
    const bool workbook = settings::value(programFolder(), kFormatKey, kFormatOld) == kFormatWorkbook;
    (workbook ? optFormatoXlsx : optFormatoXls)->setChecked(true);
    // The choice is remembered as soon as it is made.
    connect(optFormatoXlsx, &QRadioButton::toggled, this, [](bool checked) {
        settings::setValue(programFolder(), kFormatKey, checked ? kFormatWorkbook : kFormatOld);
    });
    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    row->addWidget(caption);
    row->addWidget(optFormatoXlsx);
    row->addWidget(optFormatoXls);
    row->addStretch();
    return row;
}

bool ExportWindow::exportsWorkbook() const {
    return optFormatoXlsx->isChecked();
}

QString ExportWindow::exportPath() const {
    return QDir(programFolder()).filePath(m_table.file(exportsWorkbook()));
}

void ExportWindow::opening() {
    if (m_filled)
        return;
    m_filled = true;
    m_status->showStanding();
    fill();
}

void ExportWindow::fill() {
    WaitCursor wait;
    std::vector<QString> cells;
    // A failure keeps the rows read so far.
    RecordFile file(m_source, *m_table.layout);
    if (file.open() == ArchiveError::None) {
        if (const auto count = file.count())
            cells.reserve(std::size_t(*count) * m_table.columns.size());
        file.scan([&](qint64, const RecordView& record) {
            for (const ExportColumn& column : m_table.columns)
                cells.push_back(column.value(record));
            return true;
        });
        file.close();
    }
    m_model->setRows(std::move(cells));
    m_count->setText(kCount.arg(m_model->rowCount()));
}

template <typename Writer> bool ExportWindow::writeGrid(Writer& writer) {
    bool written = writer.begin(QString::fromUtf8(m_table.sheetName));
    for (int row = 0, rows = m_model->rowCount(); written && row < rows; ++row)
        written = writer.addRow(m_model->exportedCells(row));
    return writer.finish() && written;
}

void ExportWindow::cmdEsportaClick() {
    grdRecords->commitPendingEdit();
    Platform& platform = Platform::instance();
    if (!platform.question(kAskExport, this))
        return;
    const QString path = exportPath();
    bool written;
    {
        WaitCursor wait;
        if (exportsWorkbook()) {
            WorkbookWriter writer(path, m_table.columns, platform.today().year());
            written = writeGrid(writer);
        } else {
            SpreadsheetWriter writer(path, m_table.columns);
            written = writeGrid(writer);
        }
    }
    if (!written) {
        platform.error(kExportFailedMessage, this);
        return;
    }
    if (platform.question(kAskOpen, this))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

} // namespace orvelia

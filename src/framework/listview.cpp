#include "framework/listview.h"

#include <algorithm>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/lists/lines.h"
#include "framework/appearance.h"
#include "framework/platform.h"
#include "framework/theme.h"

namespace orvelia {

LineListModel::LineListModel(QObject* parent)
    : QAbstractListModel(parent) {}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row());
    case Qt::SizeHintRole:
        // Every item as wide as the longest line, so the view scrolls over all of them.
        return QSize(std::max(m_minimumWidth, int(m_longest) * m_charWidth + 2 * m_charWidth), m_lineHeight);
    default:
        return QVariant();
    }
}

void LineListModel::setLines(QStringList lines) {
    lists::sortLines(lines);
    beginResetModel();
    m_lines = std::move(lines);
    m_longest = 0;
    for (const QString& line : std::as_const(m_lines))
        m_longest = std::max(m_longest, line.size());
    endResetModel();
}

int LineListModel::addLine(const QString& line) {
    const int row = int(lists::sortedPosition(m_lines, line));
    beginInsertRows(QModelIndex(), row, row);
    m_lines.insert(row, line);
    endInsertRows();
    growWidth(line);
    return row;
}

void LineListModel::growWidth(const QString& line) {
    if (line.size() <= m_longest)
        return;
    m_longest = line.size();
    if (!m_lines.isEmpty())
        emit dataChanged(index(0), index(int(m_lines.size()) - 1), {Qt::SizeHintRole});
}

void LineListModel::clear() {
    beginResetModel();
    m_lines.clear();
    m_longest = 0;
    endResetModel();
}

void LineListModel::setItemMetrics(int charWidth, int lineHeight, int minimumWidth) {
    m_charWidth = charWidth;
    m_lineHeight = lineHeight;
    m_minimumWidth = minimumWidth;
    if (!m_lines.isEmpty())
        emit dataChanged(index(0), index(int(m_lines.size()) - 1), {Qt::SizeHintRole});
}

ListView::ListView(const QString& objectName, QWidget* parent)
    : QListView(parent)
    , m_model(new LineListModel(this)) {
    setObjectName(objectName);
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    QFont font(QString::fromLatin1(kFontFixed));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(12);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::Text, colours::kBlack);
    p.setColor(QPalette::Base, colours::kWhite);
    setPalette(p);
    updateMetrics();
}

void ListView::updateMetrics() {
    const QFontMetrics metrics(font());
    m_model->setItemMetrics(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height() + 2, kScrollWidth);
}

void ListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        updateMetrics();
    QListView::changeEvent(event);
}

void ListView::setLines(QStringList lines) {
    m_model->setLines(std::move(lines));
}

void ListView::addLine(const QString& line) {
    m_model->addLine(line);
}

void ListView::clear() {
    m_model->clear();
}

int ListView::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString ListView::selectedLine() const {
    const int row = selectedRow();
    return row < 0 ? QString() : m_model->lines().at(row);
}

void ListView::selectRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    // A line found out of sight comes to the middle, with the lines around it.
    if (!viewport()->rect().contains(visualRect(index)))
        scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool ListView::quickFind(const QString& typed) {
    if (count() == 0) {
        Platform::instance().plain(lists::kFindOnEmptyListMessage, window());
        return false;
    }
    const lists::QuickFind::Result result = m_find->next(lines(), selectedRow(), typed);
    selectRow(int(result.selection));
    return result.found;
}

void ListView::setQuickFind(lists::QuickFind* shared) {
    m_find = shared ? shared : &m_ownFind;
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int row = selectedRow();
    emit lineDoubleClicked(row, row < 0 ? QString() : m_model->lines().at(row));
}

} // namespace orvelia

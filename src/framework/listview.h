#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QSize>
#include <QStringList>

#include "core/lists/quickfind.h"

namespace orvelia {

/// The lines of a list window, kept in list order, as a model for a view.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Replaces every line with @p lines, sorted once.
    void setLines(QStringList lines);
    /// Adds @p line at its sorted place and returns that row.
    int addLine(const QString& line);
    /// Removes every line.
    void clear();

    const QStringList& lines() const { return m_lines; }
    /// The size of every item: the width holds the longest line (at least @p minimumWidth).
    void setItemMetrics(int charWidth, int lineHeight, int minimumWidth);

private:
    void growWidth(const QString& line);

    QStringList m_lines;
    qsizetype m_longest = 0;
    int m_charWidth = 10;
    int m_lineHeight = 18;
    int m_minimumWidth = 0;
};

/**
 * The list of a list window (lstRecords): fixed-width lines in Courier New 12,
 * black, kept in list order, one selected at a time, scrolling sideways over
 * long lines (at least 1600 pixels of width). A quick find selects and shows
 * the next line holding a key; a double-click reports the selected line.
 * Large lists (100,000 lines) are shown at once: the view asks only for the
 * lines on screen.
 */
class ListView : public QListView {
    Q_OBJECT
public:
    /// Width the lines can scroll over, even when they are all short.
    static constexpr int kScrollWidth = 1600;

    ListView(const QString& objectName, QWidget* parent);

    /// Replaces the lines with @p lines, sorted once; nothing is selected afterwards.
    void setLines(QStringList lines);
    /// Adds @p line at its sorted place.
    void addLine(const QString& line);
    /// Empties the list.
    void clear();

    const QStringList& lines() const { return m_model->lines(); }
    int count() const { return int(m_model->lines().size()); }
    /// The selected row, or -1.
    int selectedRow() const;
    /// The selected line, or an empty text.
    QString selectedLine() const;
    /// Selects @p row and scrolls it into view; -1 or a row out of range clears the selection.
    void selectRow(int row);

    /**
     * The quick find ("Trova") with the text @p typed: on an empty list shows
     * the plain message that the search does not apply; otherwise selects the
     * next line holding the key (the first line when none was selected and none
     * holds it). Returns whether a line holds the key.
     */
    bool quickFind(const QString& typed);
    /// The remembered key in use: the list's own, or @p shared (which must outlive the list).
    void setQuickFind(lists::QuickFind* shared);
    lists::QuickFind& finder() const { return *m_find; }

signals:
    /// The list was double-clicked: the selected row (-1 when none) and its line.
    void lineDoubleClicked(int row, const QString& line);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateMetrics();

    LineListModel* m_model;
    lists::QuickFind m_ownFind;
    lists::QuickFind* m_find = &m_ownFind;
};

} // namespace orvelia

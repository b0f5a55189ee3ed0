#pragma once

#include <vector>

#include <QDateTime>
#include <QString>

#include "framework/report.h"

namespace orvelia::sheet {

/// How the rows of a sheet are drawn.
enum class RowFrame {
    Boxed, ///< every row in a framed box of its own, a little apart from the next
    Ruled, ///< the rows in one frame, a rule under each and a vertical rule between label and value
};

/// How a value longer than its box is fitted into its single line.
enum class Fit {
    Cut,             ///< cut at the box's edge
    ShrinkThenElide, ///< type reduced down to the minimum size, then cut with an ellipsis
};

/// One row of a sheet: a fixed label and the memo that receives the value.
struct Row {
    QString label;
    QString memo;
};

/// A one-page form: title, rows of label and value, footer.
struct Form {
    QString title;
    std::vector<Row> rows;
    RowFrame frame = RowFrame::Boxed;
    Fit fit = Fit::Cut;
    QString family = QStringLiteral("Arial");
    qreal pointSize = 8;        ///< labels and values
    qreal minimumPointSize = 6; ///< the smallest type a value may shrink to
    bool boldLabels = false;
    qreal labelWidthMm = 55; ///< the label column
    qreal valueGapMm = 5;    ///< between the label column and the value
    qreal rowHeightMm = 5.3; ///< height of a row's box
    qreal rowGapMm = 0.8;    ///< clear space between two boxed rows
    qreal titleHeightMm = 12;
    qreal footerHeightMm = 9;
    qreal sectionGapMm = 3; ///< between the title, the rows and the footer
};

/// Name of the title memo.
inline const QString kTitleMemo = QStringLiteral("txtTitolo");
/// Name of the footer memo and its text until the sheet is filled.
inline const QString kFooterMemo = QStringLiteral("txtCalce");
inline const QString kFooterPlaceholder = QStringLiteral("Data e ora stampa");

/// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss" for @p when.
QString printingTimeText(const QDateTime& when);

/// The width @p text takes on paper in @p style, in report units.
qreal printedWidth(const report::TextStyle& style, const QString& text);
/// The room for text inside a memo of width @p boxWidth in @p style, in report units.
qreal textRoom(const report::TextStyle& style, qreal boxWidth);
/// The longest beginning of @p text that fits @p width in @p style.
QString cutToWidth(const QString& text, const report::TextStyle& style, qreal width);
/// The longest beginning of @p text followed by an ellipsis that fits @p width
/// in @p style (@p text itself when it fits).
QString elideToWidth(const QString& text, const report::TextStyle& style, qreal width);

/**
 * A one-page A4 portrait form built on the report engine: a filled, framed
 * title band; the rows, each a label memo and a value memo; a filled, framed
 * footer memo at the bottom of the page. Texts are printed as they are (no
 * date expansion) on one line each, and a value that does not fit its box is
 * fitted as the form says, so nothing ever runs past a box.
 */
class Sheet {
public:
    explicit Sheet(Form form);

    const Form& form() const { return m_form; }
    /// The report template, for printing, previewing or laying out.
    report::Template& document() { return m_document; }
    const report::Template& document() const { return m_document; }

    /// Sets the value memo @p memo to @p text, fitted into its box.
    void setValue(const QString& memo, const QString& text);
    /// The text of @p memo as it will be printed.
    QString text(const QString& memo) const;
    /// Fills the footer with the date and time of printing.
    void setPrintingTime(const QDateTime& when);
    /// Lays the sheet out for @p printingDate.
    report::PreparedReport prepare(const QDate& printingDate) const;

    /// Name of the label memo of the row whose value memo is @p valueMemo.
    static QString labelMemo(const QString& valueMemo);

private:
    Form m_form;
    report::Template m_document;
};

} // namespace orvelia::sheet

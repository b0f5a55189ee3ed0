#pragma once

#include <vector>

#include <QColor>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "framework/theme.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace orvelia::report {

/**
 * Report units: the lengths of templates and laid-out pages, 96 to the inch
 * (about 0.265 mm), whatever device the pages are drawn on.
 */
inline constexpr qreal kUnitsPerInch = 96.0;
/// @p mm millimetres in report units.
constexpr qreal fromMillimetres(qreal mm) {
    return mm / 25.4 * kUnitsPerInch;
}

/// The look of a memo's text and of its box.
struct TextStyle {
    QString family = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    bool italic = false;
    QColor colour = colours::kBlack;
    QColor fill = Qt::transparent;        ///< background of the box
    QColor frameColour = Qt::transparent; ///< the box's frame, none when transparent
    qreal frameWidth = 1;                 ///< in report units
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false; ///< otherwise a text longer than its box is cut at the box's edge
    qreal padding = 2;     ///< between the box's sides and the text, in report units
};

/**
 * A text box of a band. Its text may hold several lines ('\n'); such a memo is
 * drawn one line every height / lines units, and a band that may split
 * breaks it between lines. The text is printed as it is, except that a memo
 * marked expandsDate shows the date of printing in place of [DATE].
 */
struct Memo {
    QString name;
    QString text;
    QRectF rect; ///< within its band, in report units
    TextStyle style;
    bool expandsDate = false;

    /// The lines of the text (none for an empty text).
    QStringList lines() const { return text.isEmpty() ? QStringList() : text.split(u'\n'); }
    /// Replaces the text with @p lines, one per line.
    void setLines(const QStringList& lines) { text = lines.join(u'\n'); }
};

/// Where a band goes on the pages.
enum class BandKind {
    Title,      ///< once, at the top of the first page
    PageHeader, ///< at the top of every page (below the title on the first)
    Data,       ///< once, in template order
    Summary,    ///< once, after the last data band
    PageFooter, ///< at the bottom of every page
};

/// A filled or framed rectangle: of a band (within it) or of a laid-out page (on the paper).
struct PageBox {
    QRectF rect;
    QColor fill = Qt::transparent;
    QColor frameColour = Qt::transparent;
    qreal frameWidth = 1;
};

/// A horizontal strip of the page holding memos (and a background or frame of its own).
struct Band {
    QString name;
    BandKind kind = BandKind::Data;
    qreal height = 0;        ///< in report units
    bool splittable = false; ///< may break across pages (multi-line memos break between lines)
    QColor fill = Qt::transparent;
    QColor frameColour = Qt::transparent;
    std::vector<Memo> memos;
    /// Frames, shaded areas and rules within the band, drawn under its memos; a
    /// box goes with the part of a split band its top falls in.
    std::vector<PageBox> boxes;

    Memo* memo(const QString& memoName);
};

/// The page of a template: paper, orientation and margins.
struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    qreal marginMm = 10; ///< on every side

    /// The paper in report units, as oriented.
    QSizeF size() const;
    /// The part of the paper inside the margins, in report units.
    QRectF content() const;
    QPageLayout pageLayout() const;
};

/// A report template: a page and its bands, whose memos the program fills before preparing it.
struct Template {
    PageSetup page;
    std::vector<Band> bands;

    /// The memo called @p name in any band, or nullptr.
    Memo* memo(const QString& name);
    const Memo* memo(const QString& name) const;
    /// The band called @p name, or nullptr.
    Band* band(const QString& name);
    /// Width inside the margins, in report units.
    qreal contentWidth() const { return page.content().width(); }
};

/// A text of a laid-out page: a memo, or the part of it that fell on this page.
struct PageText {
    QString memo;
    QRectF rect; ///< on the paper, in report units
    QString text;
    TextStyle style;
    qreal lineHeight = 0; ///< the line pitch of a multi-line text; 0 draws it as one block

    QStringList lines() const { return text.isEmpty() ? QStringList() : text.split(u'\n'); }
};

/// One laid-out page: boxes drawn first, then texts in order.
struct Page {
    std::vector<PageBox> boxes;
    std::vector<PageText> texts;

    /// The first text of memo @p memoName on this page, or nullptr.
    const PageText* text(const QString& memoName) const;
};

/// A template laid out on pages.
struct PreparedReport {
    PageSetup page;
    std::vector<Page> pages;
};

/// "[DATE]" in @p text replaced by @p date as dd/mm/yyyy.
QString expandDate(const QString& text, const QDate& date);

/// Lays @p report out on pages, with @p printingDate for [DATE].
PreparedReport prepare(const Template& report, const QDate& printingDate);
/// Lays @p reports out one after the other as one document, each from a new page (the page of the first).
PreparedReport prepare(const std::vector<Template>& reports, const QDate& printingDate);

/**
 * Draws @p prepared on @p device (printer, PDF writer, preview), one page of
 * the device per laid-out page. Sets the device's page layout to the report's.
 * False when the device cannot be painted on.
 */
bool render(const PreparedReport& prepared, QPagedPaintDevice& device);
/// Draws one laid-out page with @p painter, whose device has @p dpiX x @p dpiY dots per inch.
void paintPage(QPainter& painter, const Page& page, qreal dpiX, qreal dpiY);

/**
 * Prints @p report: lays it out with today's date, shows the printer dialog
 * (paper and orientation preset from the template, copies and printer the
 * user's choice) and prints it without a preview. False when the user
 * cancelled the dialog or the printer could not be started.
 */
bool print(const Template& report, QWidget* parent, const QString& documentName);
/// print() of several reports as one document, each from a new page.
bool print(const std::vector<Template>& reports, QWidget* parent, const QString& documentName);
/// Shows @p report in the print preview, laid out with today's date.
void preview(const Template& report, QWidget* parent, const QString& caption);
/// preview() of several reports as one document, each from a new page.
void preview(const std::vector<Template>& reports, QWidget* parent, const QString& caption);

/**
 * While it exists, every report printed or previewed is also kept here as
 * laid out; printing then draws only on a device that writes a file (PDF),
 * never on a real printer. For tests.
 */
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    std::vector<PreparedReport> printed;
    std::vector<PreparedReport> previewed;

    static Capture* active();

private:
    Capture* m_previous;
};

} // namespace orvelia::report

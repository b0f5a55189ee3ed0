#include "framework/sheet.h"

#include <algorithm>
#include <utility>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include "framework/theme.h"

namespace orvelia::sheet {

namespace {

using report::fromMillimetres;

// Texts are measured at the resolution the printer and the PDF writer draw at,
// where the glyph widths are those of the paper.
constexpr qreal kProbeDpi = 1200;
// A little room kept back so that a device measuring a hair wider still does not clip.
constexpr qreal kSafety = 1;

const QString kEllipsis = QStringLiteral("\u2026");
const QColor kShade = colours::paper::kShade;
const QColor kBandShade = colours::paper::kBandShade;
const QColor kInk = colours::kBlack;
constexpr qreal kFrameWidth = 0.8;
constexpr qreal kRuleWidth = 0.7;
constexpr qreal kLabelPadding = 4;
constexpr qreal kValuePadding = 3;

const QImage& probe() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(kProbeDpi / 0.0254);
        i.setDotsPerMeterX(dotsPerMetre);
        i.setDotsPerMeterY(dotsPerMetre);
        return i;
    }();
    return image;
}

QFont fontOf(const report::TextStyle& style) {
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// The largest n in [0, size] for which fits(n) holds, fits being true for 0
// and turning false once past some length.
template <typename Fits> qsizetype longestFitting(const QString& text, Fits fits) {
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    // Never split a surrogate pair.
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
        --low;
    return low;
}

report::TextStyle textStyle(const Form& form, bool bold, Qt::Alignment alignment, qreal padding) {
    report::TextStyle style;
    style.family = form.family;
    style.pointSize = form.pointSize;
    style.bold = bold;
    style.colour = kInk;
    style.alignment = alignment;
    style.padding = padding;
    return style;
}

report::TextStyle bandStyle(const Form& form, qreal pointSize) {
    report::TextStyle style = textStyle(form, true, Qt::AlignCenter, 6);
    style.pointSize = pointSize;
    style.fill = kBandShade;
    style.frameColour = kInk;
    style.frameWidth = kFrameWidth;
    return style;
}

report::PageBox shade(const QRectF& rect) {
    return {rect, kShade, Qt::transparent, 0};
}
report::PageBox frame(const QRectF& rect) {
    return {rect, Qt::transparent, kInk, kFrameWidth};
}
report::PageBox verticalRule(qreal x, qreal top, qreal height) {
    return {QRectF(x - kRuleWidth / 2, top, kRuleWidth, height), kInk, Qt::transparent, 0};
}
report::PageBox horizontalRule(qreal y, qreal width) {
    return {QRectF(0, y - kRuleWidth / 2, width, kRuleWidth), kInk, Qt::transparent, 0};
}

report::Template build(const Form& form) {
    using namespace report;
    Template document;
    document.page.paper = QPageSize::A4;
    document.page.orientation = QPageLayout::Portrait;
    document.page.marginMm = 10;
    const qreal width = document.contentWidth();
    const qreal gap = fromMillimetres(form.sectionGapMm);

    Band title;
    title.name = QStringLiteral("bndTitolo");
    title.kind = BandKind::Title;
    const qreal titleHeight = fromMillimetres(form.titleHeightMm);
    title.height = titleHeight + gap;
    title.memos.push_back(
        {kTitleMemo, form.title, QRectF(0, 0, width, titleHeight), bandStyle(form, form.pointSize + 5)});

    Band rows;
    rows.name = QStringLiteral("bndRighe");
    rows.kind = BandKind::Data;
    const qreal rowHeight = fromMillimetres(form.rowHeightMm);
    const qreal pitch = rowHeight + (form.frame == RowFrame::Boxed ? fromMillimetres(form.rowGapMm) : 0);
    const qreal labelWidth = fromMillimetres(form.labelWidthMm);
    const qreal valueLeft = labelWidth + fromMillimetres(form.valueGapMm);
    const qsizetype count = qsizetype(form.rows.size());
    const qreal tableHeight = count > 0 ? qreal(count - 1) * pitch + rowHeight : 0;
    rows.height = tableHeight;

    const TextStyle label = textStyle(form, form.boldLabels, Qt::AlignLeft | Qt::AlignVCenter, kLabelPadding);
    const TextStyle value = textStyle(form, false, Qt::AlignLeft | Qt::AlignVCenter, kValuePadding);
    if (form.frame == RowFrame::Ruled && count > 0) {
        rows.boxes.push_back(shade(QRectF(0, 0, labelWidth, tableHeight)));
        for (qsizetype i = 1; i < count; ++i)
            rows.boxes.push_back(horizontalRule(qreal(i) * pitch, width));
        rows.boxes.push_back(verticalRule(labelWidth, 0, tableHeight));
        rows.boxes.push_back(frame(QRectF(0, 0, width, tableHeight)));
    }
    for (qsizetype i = 0; i < count; ++i) {
        const Row& row = form.rows[std::size_t(i)];
        const qreal top = qreal(i) * pitch;
        if (form.frame == RowFrame::Boxed) {
            rows.boxes.push_back(shade(QRectF(0, top, labelWidth, rowHeight)));
            rows.boxes.push_back(frame(QRectF(0, top, width, rowHeight)));
        }
        rows.memos.push_back(
            {Sheet::labelMemo(row.memo), row.label, QRectF(0, top, labelWidth, rowHeight), label});
        rows.memos.push_back(
            {row.memo, QString(), QRectF(valueLeft, top, width - valueLeft, rowHeight), value});
    }

    Band footer;
    footer.name = QStringLiteral("bndCalce");
    footer.kind = BandKind::PageFooter;
    const qreal footerHeight = fromMillimetres(form.footerHeightMm);
    footer.height = footerHeight;
    footer.memos.push_back({kFooterMemo, kFooterPlaceholder, QRectF(0, 0, width, footerHeight),
                            bandStyle(form, form.pointSize + 1)});

    document.bands = {std::move(title), std::move(rows), std::move(footer)};
    return document;
}

// One line, whatever the text holds: the engine would take a line break for a second line.
QString oneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

QString printingTimeText(const QDateTime& when) {
    return QStringLiteral("Stampa eseguita in data ") + when.date().toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" alle ore ") + when.time().toString(QStringLiteral("HH:mm:ss"));
}

qreal printedWidth(const report::TextStyle& style, const QString& text) {
    return QFontMetricsF(fontOf(style), &probe()).horizontalAdvance(text) * report::kUnitsPerInch / kProbeDpi;
}

qreal textRoom(const report::TextStyle& style, qreal boxWidth) {
    return std::max<qreal>(0, boxWidth - 2 * style.padding - kSafety);
}

QString cutToWidth(const QString& text, const report::TextStyle& style, qreal width) {
    if (printedWidth(style, text) <= width)
        return text;
    return text.left(
        longestFitting(text, [&](qsizetype n) { return printedWidth(style, text.left(n)) <= width; }));
}

QString elideToWidth(const QString& text, const report::TextStyle& style, qreal width) {
    if (printedWidth(style, text) <= width)
        return text;
    const auto elided = [&](qsizetype n) {
        QString head = text.left(n);
        while (!head.isEmpty() && head.back().isSpace())
            head.chop(1);
        return head + kEllipsis;
    };
    if (printedWidth(style, kEllipsis) > width)
        return QString();
    return elided(longestFitting(text, [&](qsizetype n) { return printedWidth(style, elided(n)) <= width; }));
}

Sheet::Sheet(Form form)
    : m_form(std::move(form))
    , m_document(build(m_form)) {}

void Sheet::setValue(const QString& memo, const QString& text) {
    report::Memo* target = m_document.memo(memo);
    if (!target)
        return;
    report::TextStyle& style = target->style;
    style.pointSize = m_form.pointSize;
    const QString line = oneLine(text);
    if (m_form.fit == Fit::Cut) {
        target->text = cutToWidth(line, style, textRoom(style, target->rect.width()));
        return;
    }
    // Smaller type, half a point at a time, until the text fits or the type is as small as it may be.
    while (printedWidth(style, line) > textRoom(style, target->rect.width()) &&
           style.pointSize > m_form.minimumPointSize)
        style.pointSize = std::max(m_form.minimumPointSize, style.pointSize - 0.5);
    target->text = elideToWidth(line, style, textRoom(style, target->rect.width()));
}

QString Sheet::text(const QString& memo) const {
    const report::Memo* found = m_document.memo(memo);
    return found ? found->text : QString();
}

void Sheet::setPrintingTime(const QDateTime& when) {
    m_document.memo(kFooterMemo)->text = printingTimeText(when);
}

report::PreparedReport Sheet::prepare(const QDate& printingDate) const {
    return report::prepare(m_document, printingDate);
}

QString Sheet::labelMemo(const QString& valueMemo) {
    return QStringLiteral("lbl") +
           (valueMemo.startsWith(QStringLiteral("txt")) ? valueMemo.mid(3) : valueMemo);
}

} // namespace orvelia::sheet

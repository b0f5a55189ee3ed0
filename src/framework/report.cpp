#include "framework/report.h"

#include <iterator>

#include <algorithm>

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "framework/platform.h"

namespace orvelia::report {

namespace {

const QString kPrinterFailedMessage =
    QStringLiteral("Attenzione: non è stato possibile avviare la stampa.\n\r\n\r"
                   "Controllare la stampante selezionata e riprovare.");

Capture*& activeCapture() {
    static Capture* capture = nullptr;
    return capture;
}

template <typename Memos> auto* findMemo(Memos& bands, const QString& name) {
    for (auto& band : bands)
        for (auto& memo : band.memos)
            if (memo.name == name)
                return &memo;
    return static_cast<decltype(&bands.front().memos.front())>(nullptr);
}

/// An item of a band as the layout sees it: a whole memo, or one line of a multi-line memo.
struct Piece {
    qreal top;
    qreal bottom;
};

/// Lays the bands of a template out on pages.
class Layout {
public:
    Layout(const Template& report, const QDate& date)
        : m_report(report)
        , m_date(date)
        , m_content(report.page.content()) {
        m_out.page = report.page;
        for (const Band& band : report.bands) {
            if (band.kind == BandKind::PageHeader && !m_header)
                m_header = &band;
            else if (band.kind == BandKind::PageFooter && !m_footer)
                m_footer = &band;
        }
    }

    PreparedReport run() {
        startPage(true);
        for (BandKind kind : {BandKind::Data, BandKind::Summary})
            for (const Band& band : m_report.bands)
                if (band.kind == kind)
                    place(band);
        finishPage();
        return std::move(m_out);
    }

private:
    qreal limit() const { return m_content.bottom() - (m_footer ? m_footer->height : 0); }

    void startPage(bool first) {
        m_out.pages.emplace_back();
        m_y = m_content.top();
        if (first)
            for (const Band& band : m_report.bands)
                if (band.kind == BandKind::Title)
                    placePart(band, 0, band.height);
        if (m_header)
            placePart(*m_header, 0, m_header->height);
        m_pageTop = m_y;
    }

    void finishPage() {
        if (m_footer) {
            m_y = m_content.bottom() - m_footer->height;
            placePart(*m_footer, 0, m_footer->height);
        }
    }

    void newPage() {
        finishPage();
        startPage(false);
    }

    static qreal pitchOf(const Memo& memo, qsizetype lines) {
        return lines > 1 ? memo.rect.height() / qreal(lines) : 0;
    }

    // The pieces a band is made of: each memo whole, or each of its lines when it has several.
    static std::vector<Piece> piecesOf(const Band& band) {
        std::vector<Piece> pieces;
        for (const Memo& memo : band.memos) {
            const qsizetype lines = memo.lines().size();
            const qreal pitch = pitchOf(memo, lines);
            if (pitch > 0) {
                for (qsizetype i = 0; i < lines; ++i)
                    pieces.push_back(
                        {memo.rect.top() + qreal(i) * pitch, memo.rect.top() + qreal(i + 1) * pitch});
            } else {
                pieces.push_back({memo.rect.top(), memo.rect.bottom()});
            }
        }
        return pieces;
    }

    void place(const Band& band) {
        if (!band.splittable) {
            if (m_y + band.height > limit() && m_y > m_pageTop)
                newPage();
            placePart(band, 0, band.height);
            return;
        }
        const std::vector<Piece> pieces = piecesOf(band);
        qreal from = 0;
        while (from < band.height) {
            const qreal room = limit() - m_y;
            qreal cut = from + room;
            if (cut >= band.height) {
                placePart(band, from, band.height);
                return;
            }
            // Move the cut up until no piece straddles it.
            bool moved = true;
            while (moved) {
                moved = false;
                for (const Piece& piece : pieces) {
                    if (piece.top < cut && cut < piece.bottom && piece.top >= from) {
                        cut = piece.top;
                        moved = true;
                    }
                }
            }
            if (cut <= from) {
                if (m_y > m_pageTop) {
                    newPage();
                    continue;
                }
                // Nothing fits even on an empty page: place the first piece anyway.
                cut = band.height;
                for (const Piece& piece : pieces)
                    if (piece.top >= from)
                        cut = std::min(cut, std::max(piece.bottom, from + room));
                if (cut <= from)
                    cut = band.height;
            }
            // What is left below the cut may be only empty space: the page break takes it.
            const bool more = std::any_of(pieces.begin(), pieces.end(),
                                          [&](const Piece& piece) { return piece.top >= cut; });
            placePart(band, from, more ? cut : band.height);
            if (!more)
                return;
            newPage();
            from = cut;
        }
    }

    // Places the strip [from, to) of @p band at the current position and moves down by its height.
    void placePart(const Band& band, qreal from, qreal to) {
        Page& page = m_out.pages.back();
        const qreal height = std::min(to, band.height) - from;
        if (band.fill.alpha() > 0 || band.frameColour.alpha() > 0)
            page.boxes.push_back(
                {QRectF(m_content.left(), m_y, m_content.width(), height), band.fill, band.frameColour, 1});
        for (const PageBox& box : band.boxes)
            if (box.rect.top() >= from && box.rect.top() < to)
                page.boxes.push_back({box.rect.translated(m_content.left(), m_y - from), box.fill,
                                      box.frameColour, box.frameWidth});
        for (const Memo& memo : band.memos) {
            const QStringList lines = memo.lines();
            const qreal pitch = pitchOf(memo, lines.size());
            if (pitch > 0) {
                QStringList here;
                qreal top = -1;
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    const qreal lineTop = memo.rect.top() + qreal(i) * pitch;
                    if (lineTop >= from && lineTop < to) {
                        if (here.isEmpty())
                            top = lineTop;
                        here << lines.at(i);
                    }
                }
                if (here.isEmpty())
                    continue;
                const QRectF rect(m_content.left() + memo.rect.left(), m_y + top - from, memo.rect.width(),
                                  qreal(here.size()) * pitch);
                page.texts.push_back({memo.name, rect, textOf(memo, here.join(u'\n')), memo.style, pitch});
            } else if (memo.rect.top() >= from && memo.rect.top() < to) {
                const QRectF rect(m_content.left() + memo.rect.left(), m_y + memo.rect.top() - from,
                                  memo.rect.width(), memo.rect.height());
                page.texts.push_back({memo.name, rect, textOf(memo, memo.text), memo.style, 0});
            }
        }
        m_y += height;
    }

    QString textOf(const Memo& memo, const QString& text) const {
        return memo.expandsDate ? expandDate(text, m_date) : text;
    }

    const Template& m_report;
    QDate m_date;
    QRectF m_content;
    const Band* m_header = nullptr;
    const Band* m_footer = nullptr;
    PreparedReport m_out;
    qreal m_y = 0;
    qreal m_pageTop = 0;
};

QFont fontOf(const TextStyle& style) {
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

} // namespace

Memo* Band::memo(const QString& memoName) {
    for (Memo& m : memos)
        if (m.name == memoName)
            return &m;
    return nullptr;
}

QSizeF PageSetup::size() const {
    const QSizeF mm = QPageSize(paper).size(QPageSize::Millimeter);
    const QSizeF units(fromMillimetres(mm.width()), fromMillimetres(mm.height()));
    return orientation == QPageLayout::Landscape ? units.transposed() : units;
}

QRectF PageSetup::content() const {
    const qreal margin = fromMillimetres(marginMm);
    return QRectF(QPointF(0, 0), size()).adjusted(margin, margin, -margin, -margin);
}

QPageLayout PageSetup::pageLayout() const {
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

Memo* Template::memo(const QString& name) {
    return findMemo(bands, name);
}

const Memo* Template::memo(const QString& name) const {
    return findMemo(bands, name);
}

Band* Template::band(const QString& name) {
    for (Band& b : bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

const PageText* Page::text(const QString& memoName) const {
    for (const PageText& t : texts)
        if (t.memo == memoName)
            return &t;
    return nullptr;
}

QString expandDate(const QString& text, const QDate& date) {
    QString out = text;
    return out.replace(QStringLiteral("[DATE]"), date.toString(QStringLiteral("dd/MM/yyyy")));
}

PreparedReport prepare(const Template& report, const QDate& printingDate) {
    return Layout(report, printingDate).run();
}

PreparedReport prepare(const std::vector<Template>& reports, const QDate& printingDate) {
    PreparedReport all;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        PreparedReport one = prepare(reports[i], printingDate);
        if (i == 0)
            all.page = one.page;
        std::move(one.pages.begin(), one.pages.end(), std::back_inserter(all.pages));
    }
    return all;
}

void paintPage(QPainter& painter, const Page& page, qreal dpiX, qreal dpiY) {
    const qreal sx = dpiX / kUnitsPerInch;
    const qreal sy = dpiY / kUnitsPerInch;
    const auto map = [&](const QRectF& r) {
        return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy);
    };
    const auto frame = [&](const QRectF& rect, const QColor& colour, qreal width) {
        if (colour.alpha() == 0)
            return;
        QPen pen(colour);
        pen.setWidthF(width * sx);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = pen.widthF() / 2;
        painter.drawRect(rect.adjusted(half, half, -half, -half));
    };

    for (const PageBox& box : page.boxes) {
        const QRectF rect = map(box.rect);
        if (box.fill.alpha() > 0)
            painter.fillRect(rect, box.fill);
        frame(rect, box.frameColour, box.frameWidth);
    }
    for (const PageText& text : page.texts) {
        const TextStyle& style = text.style;
        const QRectF rect = map(text.rect);
        if (style.fill.alpha() > 0)
            painter.fillRect(rect, style.fill);
        const QRectF inner = rect.adjusted(style.padding * sx, 0, -style.padding * sx, 0);
        painter.save();
        painter.setClipRect(rect);
        painter.setFont(fontOf(style));
        painter.setPen(style.colour);
        if (text.lineHeight > 0) {
            const Qt::Alignment horizontal = style.alignment & Qt::AlignHorizontal_Mask;
            const QStringList lines = text.lines();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QRectF line(inner.x(), inner.y() + qreal(i) * text.lineHeight * sy, inner.width(),
                                  text.lineHeight * sy);
                painter.drawText(line, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, lines.at(i));
            }
        } else {
            const int flags = int(style.alignment) | (style.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
            painter.drawText(inner, flags, text.text);
        }
        painter.restore();
        frame(rect, style.frameColour, style.frameWidth);
    }
}

bool render(const PreparedReport& prepared, QPagedPaintDevice& device) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    device.setPageLayout(prepared.page.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bool ok = true;
    for (std::size_t i = 0; i < prepared.pages.size() && ok; ++i) {
        if (i > 0)
            ok = device.newPage();
        if (ok)
            paintPage(painter, prepared.pages[i], device.logicalDpiX(), device.logicalDpiY());
    }
    return painter.end() && ok;
}

bool print(const Template& report, QWidget* parent, const QString& documentName) {
    return print(std::vector<Template>{report}, parent, documentName);
}

bool print(const std::vector<Template>& reports, QWidget* parent, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setFullPage(true);
    if (!reports.empty())
        printer.setPageLayout(reports.front().page.pageLayout());
    if (!Platform::instance().choosePrinter(printer, parent))
        return false;
    const PreparedReport prepared = prepare(reports, Platform::instance().today());
    if (Capture* capture = Capture::active()) {
        capture->printed.push_back(prepared);
        if (printer.outputFormat() != QPrinter::PdfFormat)
            return true;
    }
    if (!render(prepared, printer)) {
        Platform::instance().error(kPrinterFailedMessage, parent);
        return false;
    }
    return true;
}

void preview(const Template& report, QWidget* parent, const QString& caption) {
    preview(std::vector<Template>{report}, parent, caption);
}

void preview(const std::vector<Template>& reports, QWidget* parent, const QString& caption) {
    const PreparedReport prepared = prepare(reports, Platform::instance().today());
    if (Capture* capture = Capture::active())
        capture->previewed.push_back(prepared);
    Platform::instance().preview(parent, caption,
                                 [&prepared](QPrinter* printer) { render(prepared, *printer); });
}

Capture::Capture()
    : m_previous(activeCapture()) {
    activeCapture() = this;
}

Capture::~Capture() {
    activeCapture() = m_previous;
}

Capture* Capture::active() {
    return activeCapture();
}

} // namespace orvelia::report

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/printers.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "framework/report.h"
#include "windows/common/listwindow.h"

using namespace orvelia;
using namespace orvelia::report;
using orvelia::test::ScopedFakePlatform;

namespace {

const QDate kPrintingDate(2026, 12, 9);
const QString kFooterText = QStringLiteral("Stampa eseguita in data 09/12/2026");
constexpr qreal kEps = 1e-6;

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Rossi Mario %1  C.F. RSSMRA80A01H501U  Note: [DATE] resta com'è").arg(i, 3);
    return lines;
}

// The lines of the list memo on each page.
std::vector<QStringList> linesByPage(const PreparedReport& prepared) {
    std::vector<QStringList> out;
    for (const Page& page : prepared.pages) {
        QStringList lines;
        for (const PageText& t : page.texts)
            if (t.memo == listprint::kDataMemo)
                lines << t.lines();
        out.push_back(lines);
    }
    return out;
}

PreparedReport listReport(const QStringList& lines, const QStringList& closing = {}) {
    Template print = listPrintTemplate();
    fillListPrint(print, QStringLiteral("Riepilogo lavoratori in archivio"), lines, closing);
    return prepare(print, kPrintingDate);
}

} // namespace

TEST(ListPrint, TemplateFollowsTheHouseLayout) {
    Template print = listPrintTemplate();
    EXPECT_EQ(print.page.paper, QPageSize::A4);
    EXPECT_EQ(print.page.orientation, QPageLayout::Landscape);
    EXPECT_NEAR(print.page.size().width(), 297 / 25.4 * 96, 0.01);
    EXPECT_NEAR(print.page.size().height(), 210 / 25.4 * 96, 0.01);
    EXPECT_NEAR(print.page.content().left(), 10 / 25.4 * 96, 0.01);

    const Memo* title = print.memo(listprint::kTitleMemo);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, QStringLiteral("Riepilogo"));
    EXPECT_EQ(title->style.family, QStringLiteral("Verdana"));
    EXPECT_TRUE(title->style.bold);
    EXPECT_EQ(title->style.colour, QColor(Qt::white));
    EXPECT_EQ(title->style.alignment, Qt::AlignCenter);
    EXPECT_NE(title->style.fill.alpha(), 0);

    const Memo* data = print.memo(listprint::kDataMemo);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->style.family, QStringLiteral("Courier New"));
    EXPECT_EQ(data->style.pointSize, 8);
    EXPECT_FALSE(data->style.wordWrap);
    EXPECT_NEAR(data->rect.width(), print.contentWidth(), kEps);
    EXPECT_TRUE(print.band(listprint::kDataBand)->splittable);

    fillListPrint(print, QStringLiteral("Titolo"), numberedLines(4), {QStringLiteral("TOTALE")});
    EXPECT_EQ(print.memo(listprint::kTitleMemo)->text, QStringLiteral("Titolo"));
    EXPECT_EQ(print.memo(listprint::kDataMemo)->lines().size(), 5);
    EXPECT_NEAR(print.memo(listprint::kDataMemo)->rect.height(), 5 * 12.822, kEps);
    EXPECT_NEAR(print.band(listprint::kDataBand)->height, 5 * 12.822 + 10, kEps);
}

TEST(ListPrint, ALongListRunsOverSeveralPages) {
    const QStringList lines = numberedLines(300);
    const PreparedReport prepared = listReport(lines, {QStringLiteral("- - -"), QStringLiteral("TOTALE")});
    const QRectF content = prepared.page.content();

    // The first page gives room to the title; the others are all lines.
    const std::vector<QStringList> byPage = linesByPage(prepared);
    std::vector<qsizetype> counts;
    QStringList all;
    for (const QStringList& page : byPage) {
        counts.push_back(page.size());
        all << page;
    }
    EXPECT_EQ(counts, (std::vector<qsizetype>{53, 56, 56, 56, 56, 25}));
    EXPECT_EQ(all, lines + QStringList({QStringLiteral("- - -"), QStringLiteral("TOTALE")}));
    EXPECT_EQ(byPage[1].first(), lines.at(53));

    for (std::size_t i = 0; i < prepared.pages.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        const Page& page = prepared.pages[i];
        const PageText* title = page.text(listprint::kTitleMemo);
        EXPECT_EQ(title != nullptr, i == 0);
        const PageText* data = page.text(listprint::kDataMemo);
        ASSERT_NE(data, nullptr);
        EXPECT_NEAR(data->lineHeight, 12.822, kEps);
        EXPECT_LE(data->rect.bottom(), content.bottom() + kEps);
        if (title) {
            EXPECT_EQ(title->text, QStringLiteral("Riepilogo lavoratori in archivio"));
            EXPECT_NEAR(title->rect.top(), content.top(), kEps);
            EXPECT_GT(data->rect.top(), title->rect.bottom());
        } else {
            EXPECT_NEAR(data->rect.top(), content.top(), kEps);
        }
        const PageText* footer = page.text(QStringLiteral("txtData"));
        EXPECT_EQ(footer != nullptr, i + 1 == prepared.pages.size());
        if (footer) {
            // The date of printing after the last line; [DATE] inside the list stays as it is.
            EXPECT_EQ(footer->text, kFooterText);
            EXPECT_GE(footer->rect.top(), data->rect.bottom());
            EXPECT_LE(footer->rect.bottom(), content.bottom() + kEps);
        }
    }
    EXPECT_TRUE(all.first().contains(QStringLiteral("[DATE]")));
}

TEST(ListPrint, ShortAndBorderlineLists) {
    // An empty list: title and footer around an empty memo, on one page.
    const PreparedReport empty = listReport({});
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_NE(empty.pages[0].text(listprint::kTitleMemo), nullptr);
    EXPECT_EQ(empty.pages[0].text(QStringLiteral("txtData"))->text, kFooterText);
    EXPECT_TRUE(linesByPage(empty)[0].isEmpty());

    // A page filled to the last line: the footer alone on a second page, no empty piece of the list.
    const PreparedReport full = listReport(numberedLines(53));
    ASSERT_EQ(full.pages.size(), 2u);
    EXPECT_EQ(linesByPage(full)[0].size(), 53);
    EXPECT_EQ(full.pages[1].text(listprint::kDataMemo), nullptr);
    EXPECT_NEAR(full.pages[1].text(QStringLiteral("txtData"))->rect.top(), full.page.content().top(), kEps);

    // With room for the footer too: everything on one page.
    const PreparedReport fits = listReport(numberedLines(49));
    EXPECT_EQ(fits.pages.size(), 1u);
}

TEST(ReportEngine, HeadersFootersAndWholeBands) {
    Template sheet;
    sheet.page.orientation = QPageLayout::Portrait;
    const qreal width = sheet.contentWidth();
    TextStyle plain;
    Band header{
        QStringLiteral("Intestazione"),
        BandKind::PageHeader,
        20,
        false,
        Qt::transparent,
        Qt::transparent,
        {{QStringLiteral("txtIntestazione"), QStringLiteral("SCHEDA"), QRectF(0, 0, width, 20), plain}},
        {}};
    Band footer{
        QStringLiteral("Piede"),
        BandKind::PageFooter,
        20,
        false,
        Qt::transparent,
        Qt::transparent,
        {{QStringLiteral("txtCalce"), QStringLiteral("[DATE]"), QRectF(0, 0, width, 20), plain, true}},
        {}};
    sheet.bands = {header, footer};
    for (int i = 0; i < 30; ++i) {
        Band row{QStringLiteral("Riga%1").arg(i),
                 BandKind::Data,
                 100,
                 false,
                 Qt::transparent,
                 QColor(Qt::black),
                 {},
                 {}};
        row.memos.push_back(
            {QStringLiteral("lbl%1").arg(i), QStringLiteral("Etichetta:"), QRectF(0, 0, 200, 30), plain});
        row.memos.push_back({QStringLiteral("txt%1").arg(i), QStringLiteral("[valore %1]").arg(i),
                             QRectF(200, 0, width - 200, 30), plain});
        sheet.bands.push_back(row);
    }
    const PreparedReport prepared = prepare(sheet, kPrintingDate);
    const QRectF content = prepared.page.content();
    // (1122.5 - 75.6 - 40) / 100: ten rows a page.
    ASSERT_EQ(prepared.pages.size(), 3u);
    int row = 0;
    for (const Page& page : prepared.pages) {
        ASSERT_NE(page.text(QStringLiteral("txtIntestazione")), nullptr);
        EXPECT_NEAR(page.text(QStringLiteral("txtIntestazione"))->rect.top(), content.top(), kEps);
        const PageText* calce = page.text(QStringLiteral("txtCalce"));
        ASSERT_NE(calce, nullptr);
        EXPECT_EQ(calce->text, QStringLiteral("09/12/2026"));
        EXPECT_NEAR(calce->rect.bottom(), content.bottom(), kEps);
        EXPECT_EQ(page.boxes.size(), 10u); // the framed rows, each whole on its page
        for (const PageBox& box : page.boxes) {
            EXPECT_NEAR(box.rect.height(), 100, kEps);
            EXPECT_LE(box.rect.bottom(), calce->rect.top() + kEps);
        }
        for (const PageText& text : page.texts) {
            if (text.memo.startsWith(u"txt") && text.memo != QStringLiteral("txtIntestazione") &&
                text.memo != QStringLiteral("txtCalce")) {
                EXPECT_EQ(text.text, QStringLiteral("[valore %1]").arg(row++)); // brackets printed as typed
            }
        }
    }
    EXPECT_EQ(row, 30);
}

TEST(ReportEngine, SplitBandKeepsSideBySideMemosInStep) {
    // Two multi-line memos of different pitch in one band: no line is cut and none is lost.
    Template print;
    print.page.orientation = QPageLayout::Landscape;
    Band data{QStringLiteral("Dati"), BandKind::Data, 0, true, Qt::transparent, Qt::transparent, {}, {}};
    QStringList left, right;
    for (int i = 0; i < 120; ++i)
        left << QStringLiteral("s%1").arg(i);
    for (int i = 0; i < 80; ++i)
        right << QStringLiteral("d%1").arg(i);
    data.memos.push_back({QStringLiteral("sx"), left.join(u'\n'), QRectF(0, 0, 100, 120 * 12), {}});
    data.memos.push_back({QStringLiteral("dx"), right.join(u'\n'), QRectF(100, 6, 100, 80 * 18), {}});
    data.height = 80 * 18 + 6;
    print.bands = {data};
    const PreparedReport prepared = prepare(print, kPrintingDate);
    ASSERT_GE(prepared.pages.size(), 2u);
    QStringList gotLeft, gotRight;
    for (const Page& page : prepared.pages) {
        for (const PageText& t : page.texts) {
            EXPECT_LE(t.rect.bottom(), prepared.page.content().bottom() + kEps);
            (t.memo == QStringLiteral("sx") ? gotLeft : gotRight) << t.lines();
        }
    }
    EXPECT_EQ(gotLeft, left);
    EXPECT_EQ(gotRight, right);
}

TEST(ListPrint, PrintsThroughThePrinterDialogToPdf) {
    ScopedFakePlatform fake;
    QTemporaryDir dir;
    fake->printFile = dir.filePath(QStringLiteral("elenco.pdf"));
    Capture capture;

    EXPECT_TRUE(printList(nullptr, QStringLiteral("Riepilogo lavori incompleti"), numberedLines(120)));
    ASSERT_EQ(capture.printed.size(), 1u);
    EXPECT_EQ(capture.printed[0].pages.size(), 3u);
    EXPECT_TRUE(capture.previewed.empty());
    QFile pdf(fake->printFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);
    EXPECT_TRUE(fake->messages.empty());

    // The user closes the printer dialog: nothing is printed, nothing said.
    fake->acceptPrinter = false;
    EXPECT_FALSE(printList(nullptr, QStringLiteral("Riepilogo"), numberedLines(3)));
    EXPECT_EQ(capture.printed.size(), 1u);
    EXPECT_TRUE(fake->messages.empty());
}

TEST(ReportEngine, RendersOnAnyPagedDevice) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anteprima.pdf"));
    const PreparedReport prepared = listReport(numberedLines(60));
    {
        QPdfWriter writer(path);
        ASSERT_TRUE(render(prepared, writer));
        EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Landscape);
    }
    EXPECT_GT(QFileInfo(path).size(), 1000);

    ScopedFakePlatform fake;
    fake->printFile = dir.filePath(QStringLiteral("preview.pdf"));
    Capture capture;
    Template print = listPrintTemplate();
    preview(print, nullptr, QStringLiteral(" Anteprima di stampa"));
    EXPECT_EQ(fake->previews, 1);
    ASSERT_EQ(capture.previewed.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(fake->printFile));
}

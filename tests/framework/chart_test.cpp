#include <gtest/gtest.h>

#include "support/printers.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "framework/chart.h"

using namespace orvelia;
using namespace orvelia::chart;

namespace {

const char* const kMonths[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                               "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

Model twelve(const std::array<double, 12>& values, Kind kind) {
    Model m{QStringLiteral("Statistiche rimunerazioni mensili"),
            QStringLiteral("Tutti gli importi sono arrotondati all'euro"),
            QStringLiteral("Compensi mensili percepiti dai lavoratori:"),
            QStringLiteral("Nessun compenso"),
            {},
            kind};
    for (int i = 0; i < 12; ++i)
        m.points.push_back(
            {QString::fromLatin1(kMonths[i]), values[std::size_t(i)], QColor::fromHsv(i * 30, 200, 220)});
    return m;
}

bool anyOverlap(const std::vector<QRectF>& rects) {
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            if (rects[i].intersects(rects[j]))
                return true;
    return false;
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

TEST(ChartScale, RoundStepsAboveTheLargestValue) {
    struct Case {
        double maximum, top, step;
    };
    const std::vector<Case> cases = {
        {0, 100, 20},
        {-5, 100, 20},
        {1, 1, 1},
        {3, 3, 1},
        {7, 8, 2},
        {100, 100, 20},
        {1234, 1250, 250},
        {4999, 5000, 1000},
        {12001, 12500, 2500},
        {87654, 100000, 20000},
    };
    for (const Case& c : cases) {
        const AxisScale s = niceScale(c.maximum);
        EXPECT_EQ(s.top, c.top) << c.maximum;
        EXPECT_EQ(s.step, c.step) << c.maximum;
    }
}

TEST(ChartMarks, ItalianGroupingAndTheEuroSign) {
    EXPECT_EQ(markText(0), QStringLiteral("0 \u20AC"));
    EXPECT_EQ(markText(1235), QStringLiteral("1.235 \u20AC"));
    EXPECT_EQ(markText(1234567), QStringLiteral("1.234.567 \u20AC"));
    EXPECT_EQ(markText(12.5), QStringLiteral("12,50 \u20AC"));
}

// Marks and labels must stay apart and inside the chart, whatever the values and however small the area.
TEST(ChartLayout, MarksAndLabelsNeitherOverlapNorLeaveTheArea) {
    const std::vector<std::array<double, 12>> series = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
        {123456, 234567, 345678, 456789, 567890, 678901, 789012, 890123, 901234, 912345, 923456, 934567},
        {90000, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, // eleven slivers of pie side by side
        {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    const std::vector<QRectF> areas = {QRectF(0, 0, 1280, 800), QRectF(0, 0, 760, 480),
                                       QRectF(0, 0, 13200, 9000)};
    for (Kind kind : {Kind::Bars, Kind::Pie}) {
        for (const auto& values : series) {
            for (const QRectF& area : areas) {
                const qreal dpi = area.width() > 5000 ? 1200 : 96;
                const Geometry g = layout(twelve(values, kind), area, dpi);
                const std::string where = (kind == Kind::Bars ? "bars " : "pie ") +
                                          std::to_string(values[0]) + " in " +
                                          std::to_string(int(area.width()));
                EXPECT_FALSE(anyOverlap(g.marks)) << where;
                EXPECT_FALSE(anyOverlap(g.labels)) << where;
                for (const QRectF& r : g.marks)
                    EXPECT_TRUE(area.contains(r)) << where;
                EXPECT_TRUE(g.title.bottom() <= g.plot.top()) << where;
                EXPECT_TRUE(g.plot.bottom() <= g.legend.top()) << where;
                EXPECT_TRUE(g.legend.bottom() <= g.foot.top()) << where;
                if (kind == Kind::Bars) {
                    EXPECT_EQ(g.marks.size(), 12u) << where;
                    EXPECT_EQ(g.labels.size(), 12u) << where;
                    for (const QRectF& r : g.marks)
                        EXPECT_GE(r.top(), g.plot.top()) << where;
                } else {
                    const std::size_t nonZero = std::size_t(
                        std::count_if(values.begin(), values.end(), [](double v) { return v > 0; }));
                    EXPECT_EQ(g.marks.size(), nonZero) << where;
                }
            }
        }
    }
}

TEST(ChartPaint, BothKindsDrawTheirPointColours) {
    std::array<double, 12> values = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200};
    for (Kind kind : {Kind::Bars, Kind::Pie}) {
        Model model = twelve(values, kind);
        model.points[11].colour = QColor(0x00, 0x80, 0x00);
        QImage image(1280, 800, QImage::Format_ARGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            paint(painter, QRectF(image.rect()), model);
        }
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white)); // the chart fills its area
        // December's green is the largest bar or slice: plenty of pixels close to it.
        int green = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                green += c.red() < 40 && c.green() > 100 && c.green() < 200 && c.blue() < 40;
            }
        EXPECT_GT(green, 400) << (kind == Kind::Bars ? "bars" : "pie");
    }
}

TEST(ChartPrint, EachCopyIsAPrintInLandscape) {
    QTemporaryDir dir;
    for (Kind kind : {Kind::Bars, Kind::Pie}) {
        const QString file = dir.filePath(kind == Kind::Bars ? "bars.pdf" : "pie.pdf");
        Capture capture;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setCopyCount(3);
        const Model model = twelve({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, kind);
        ASSERT_TRUE(print(model, printer));
        ASSERT_EQ(capture.printed.size(), 3u);
        for (const PrintedChart& p : capture.printed) {
            EXPECT_EQ(p.model, model);
            EXPECT_EQ(p.orientation, QPageLayout::Landscape);
        }
        EXPECT_EQ(printer.copyCount(), 1); // the printer must not multiply the copies again
        EXPECT_EQ(pdfPages(file), 3);
    }
}

#pragma once

#include <vector>

#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;
class QPrinter;

namespace orvelia::chart {

/// How the series is drawn.
enum class Kind {
    Bars, ///< orthogonal 3D bars over a value axis
    Pie,  ///< a 3D pie seen from above at an angle
};

/// One point of the series: its label, its value and its colour.
struct Point {
    QString label;
    double value = 0;
    QColor colour;
    bool operator==(const Point&) const = default;
};

/// Everything a chart shows: fixed texts, one series of points, and its kind.
struct Model {
    QString title;       ///< bold Verdana 20 pt above the chart
    QString foot;        ///< bold Verdana 11 pt below the legend
    QString legendTitle; ///< the heading of the legend below the chart
    QString emptyText;   ///< written on a pie whose values are all zero
    std::vector<Point> points;
    Kind kind = Kind::Bars;
    bool operator==(const Model&) const = default;
};

/// The value mark of a point: the value with Italian digit grouping and "€" ("1.234 €", "12,50 €").
QString markText(double value);

/// A value axis: from 0 to top in steps of step (1, 2, 2.5 or 5 times a power of ten, at least 1).
struct AxisScale {
    double top = 0;
    double step = 0;
};
/// The axis for values up to @p maximum; an axis of 0 to 100 when there is nothing above 0.
AxisScale niceScale(double maximum);

/// Where the parts of a chart go in an area, in the device's pixels.
struct Geometry {
    QRectF title;
    QRectF plot; ///< the bars with their walls and labels, or the pie with its marks
    QRectF legend;
    QRectF foot;
    std::vector<QRectF> marks;  ///< the value marks of the points that have one, in point order
    std::vector<QRectF> labels; ///< the point labels under the bars (none for a pie)
};

/// Lays @p model out in @p area of a device with @p dpi dots per inch (fonts are sized in points).
Geometry layout(const Model& model, const QRectF& area, qreal dpi);

/// Draws @p model in @p area with @p painter: the same code serves the screen, images and printers.
void paint(QPainter& painter, const QRectF& area, const Model& model);

/**
 * Prints @p model on @p printer in landscape, once for each copy the printer
 * is set to, each copy a print of its own (on a PDF file, one page per copy).
 * False when the printer could not be started.
 */
bool print(const Model& model, QPrinter& printer);

/// The widget that shows a chart.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    const Model& model() const { return m_model; }
    void setModel(Model model);
    /// Changes only the kind; points, texts and colours stay.
    void setKind(Kind kind);
    /// Removes every point.
    void clearPoints();

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Model m_model;
};

/// One copy of a chart sent to the printer, as a Capture keeps it.
struct PrintedChart {
    Model model;
    QPageLayout::Orientation orientation;
};

/**
 * While it exists, every copy of a chart that print() sends is kept here;
 * printing then draws only on a printer that writes a named PDF file, never
 * on a real printer. For tests.
 */
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    std::vector<PrintedChart> printed;

    static Capture* active();

private:
    Capture* m_previous;
};

} // namespace orvelia::chart

#include "framework/chart.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRadialGradient>

#include "framework/appearance.h"
#include "framework/theme.h"

namespace orvelia::chart {

namespace {

Capture*& activeCapture() {
    static Capture* capture = nullptr;
    return capture;
}

constexpr qreal kPi = 3.14159265358979323846;

using namespace colours::chart;

QFont verdana(qreal pixels, bool bold = false) {
    QFont font(QString::fromLatin1(kFontVerdana));
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

qreal textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

qreal textHeight(const QFont& font) {
    return QFontMetricsF(font).height();
}

/// Everything paint() needs, worked out once from the model and the area.
struct Plan {
    qreal pt = 1; // device pixels per point
    Geometry geometry;
    QFont title, foot, legendTitle, legend, legendValue, mark, axis, label;

    // Legend grid.
    int legendColumns = 1;
    qreal legendCell = 0;
    qreal legendRow = 0;

    // Bars: the front plane of the plot box and the depth of the walls and of the bars.
    QRectF front;
    qreal dx = 0, dy = 0, barDx = 0, barDy = 0;
    AxisScale scale;
    std::vector<QRectF> bars; // front faces
    std::vector<QString> labelTexts;

    // Pie: the top ellipse, its thickness, the slices and the leader lines of the marks.
    QRectF ellipse;
    qreal thickness = 0;
    std::vector<std::pair<qreal, qreal>> slices; // start angle and (negative) span in degrees
    std::vector<std::pair<QPointF, QPointF>> leaders;
    std::vector<QString> markTexts;
};

QString groupedNumber(double value) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return italian.toString(qint64(value));
    return italian.toString(value, 'f', 2);
}

void planLegend(Plan& plan, const Model& model, const QRectF& inner) {
    const qreal pt = plan.pt;
    const qreal pad = 8 * pt;
    qreal labelWidth = 0, valueWidth = 0;
    for (const Point& p : model.points) {
        labelWidth = std::max(labelWidth, textWidth(plan.legend, p.label));
        valueWidth = std::max(valueWidth, textWidth(plan.legendValue, markText(p.value)));
    }
    plan.legendCell = 10 * pt + 5 * pt + labelWidth + 8 * pt + valueWidth + 16 * pt;
    const int n = std::max<int>(1, int(model.points.size()));
    int columns = std::clamp(int((inner.width() - 2 * pad) / plan.legendCell), 1, n);
    const int rows = (n + columns - 1) / columns;
    columns = (n + rows - 1) / rows; // the same rows, filled evenly
    plan.legendColumns = columns;
    plan.legendRow = textHeight(plan.legend) * 1.5;
    const qreal titleHeight = textHeight(plan.legendTitle);
    const qreal height = pad + titleHeight + 4 * pt + rows * plan.legendRow + pad * 0.6;
    const qreal width =
        std::min(inner.width(), std::max(columns * plan.legendCell - 16 * pt + 2 * pad,
                                         textWidth(plan.legendTitle, model.legendTitle) + 2 * pad));
    const QRectF& foot = plan.geometry.foot;
    plan.geometry.legend =
        QRectF(inner.center().x() - width / 2, foot.top() - 8 * pt - height, width, height);
}

void planBars(Plan& plan, const Model& model) {
    const qreal pt = plan.pt;
    const QRectF plot = plan.geometry.plot;
    const int n = std::max<int>(1, int(model.points.size()));
    double maximum = 0;
    for (const Point& p : model.points)
        maximum = std::max(maximum, p.value);
    plan.scale = niceScale(maximum);

    qreal axisWidth = 0;
    for (double v = 0; v <= plan.scale.top + plan.scale.step / 2; v += plan.scale.step)
        axisWidth = std::max(axisWidth, textWidth(plan.axis, groupedNumber(v)));
    axisWidth += 8 * pt;

    plan.dx = std::clamp(plot.width() * 0.022, 6 * pt, 16 * pt);
    plan.dy = plan.dx * 0.8;
    plan.barDx = plan.dx * 0.7;
    plan.barDy = plan.dy * 0.7;
    const qreal left = plot.left() + axisWidth;
    const qreal right = plot.right() - plan.dx - 2 * pt;
    const qreal slot = (right - left) / n;

    // Marks: as large as they fit over their bar, staggered on two rows when even 6 pt is too wide.
    qreal markPixels = 8 * pt;
    qreal widest = 0;
    for (;;) {
        plan.mark = verdana(markPixels);
        widest = 0;
        for (const Point& p : model.points)
            widest = std::max(widest, textWidth(plan.mark, markText(p.value)) + 8 * pt);
        if (widest <= slot - 3 * pt || markPixels <= 6 * pt)
            break;
        markPixels -= 0.5 * pt;
    }
    const bool stagger = widest > slot - 3 * pt;
    const qreal markHeight = textHeight(plan.mark) + 4 * pt;

    // Month names under the bars, shortened to three letters when the full names would touch.
    plan.labelTexts.clear();
    bool shorten = false;
    for (const Point& p : model.points)
        shorten = shorten || textWidth(plan.label, p.label) > slot - 4 * pt;
    for (const Point& p : model.points)
        plan.labelTexts.push_back(shorten ? p.label.left(3) : p.label);
    const qreal labelHeight = textHeight(plan.label) + 8 * pt;

    const qreal top = plot.top() + plan.dy + markHeight * (stagger ? 2 : 1) + 6 * pt;
    const qreal bottom = plot.bottom() - labelHeight;
    plan.front = QRectF(QPointF(left, top), QPointF(right, bottom));

    const qreal barWidth = slot * 0.62;
    const qreal ox = (plan.dx - plan.barDx) / 2;
    const qreal oy = -(plan.dy - plan.barDy) / 2;
    for (int i = 0; i < int(model.points.size()); ++i) {
        const double value = std::max(0.0, model.points[std::size_t(i)].value);
        const qreal height = plan.front.height() * value / plan.scale.top;
        const qreal x = left + i * slot + (slot - barWidth) / 2 + ox;
        const QRectF bar(x, bottom + oy - height, barWidth, height);
        plan.bars.push_back(bar);

        const QString text = markText(model.points[std::size_t(i)].value);
        const qreal w = textWidth(plan.mark, text) + 8 * pt;
        const qreal lift = (stagger && i % 2 == 1) ? markHeight + 2 * pt : 0;
        const qreal centre = bar.center().x() + plan.barDx / 2;
        plan.geometry.marks.emplace_back(centre - w / 2, bar.top() - plan.barDy - 4 * pt - markHeight - lift,
                                         w, markHeight);
        plan.markTexts.push_back(text);

        const qreal lw = textWidth(plan.label, plan.labelTexts[std::size_t(i)]) + 2 * pt;
        plan.geometry.labels.emplace_back(left + i * slot + slot / 2 - lw / 2, bottom + 4 * pt, lw,
                                          textHeight(plan.label));
    }
}

void planPie(Plan& plan, const Model& model) {
    const qreal pt = plan.pt;
    const QRectF plot = plan.geometry.plot;
    plan.mark = verdana(8.5 * pt);
    const qreal markHeight = textHeight(plan.mark) + 4 * pt;

    double total = 0;
    qreal widest = 0;
    for (const Point& p : model.points) {
        if (p.value > 0) {
            total += p.value;
            widest =
                std::max(widest, textWidth(plan.mark, p.label + QStringLiteral(": ") + markText(p.value)));
        }
    }
    const qreal room = widest + 8 * pt + 30 * pt; // a mark and its leader on each side
    const qreal tilt = 0.5, depth = 0.13;
    qreal rx = std::min((plot.width() - 2 * room) / 2, (plot.height() - 2 * markHeight) / (2 * tilt + depth));
    rx = std::max(rx, 20 * pt);
    const qreal ry = rx * tilt;
    plan.thickness = rx * depth;
    const qreal pieTop = plot.top() + (plot.height() - 2 * ry - plan.thickness) / 2;
    plan.ellipse = QRectF(plot.center().x() - rx, pieTop, 2 * rx, 2 * ry);
    if (total <= 0)
        return;

    struct Pending {
        std::size_t slot;
        QPointF anchor;
        qreal y;
        bool right;
    };
    std::vector<Pending> pending;
    const QPointF c = plan.ellipse.center();
    qreal angle = 90;
    for (const Point& p : model.points) {
        if (p.value <= 0)
            continue;
        const qreal span = 360.0 * p.value / total;
        plan.slices.emplace_back(angle, -span);
        const qreal mid = (angle - span / 2) * kPi / 180;
        const qreal cs = std::cos(mid), sn = std::sin(mid);
        const qreal lower = sn < 0 ? plan.thickness : 0;
        const QPointF anchor(c.x() + rx * 0.92 * cs, c.y() - ry * 0.92 * sn + lower / 2);
        const qreal y = c.y() - (ry + 16 * pt) * sn + lower;
        plan.markTexts.push_back(p.label + QStringLiteral(": ") + markText(p.value));
        pending.push_back({plan.markTexts.size() - 1, anchor, y, cs >= 0});
        angle -= span;
    }

    plan.geometry.marks.resize(pending.size());
    plan.leaders.resize(pending.size());
    const qreal spacing = markHeight + 2 * pt;
    const qreal minY = plot.top() + markHeight / 2;
    const qreal maxY = plot.bottom() - markHeight / 2;
    for (bool right : {true, false}) {
        std::vector<Pending*> side;
        for (Pending& p : pending)
            if (p.right == right)
                side.push_back(&p);
        std::sort(side.begin(), side.end(), [](const Pending* a, const Pending* b) { return a->y < b->y; });
        // Push overlapping marks apart downwards, then back up from the bottom edge.
        for (std::size_t i = 0; i < side.size(); ++i)
            side[i]->y = std::max(side[i]->y, i == 0 ? minY : side[i - 1]->y + spacing);
        for (std::size_t i = side.size(); i-- > 0;)
            side[i]->y = std::min(side[i]->y, i + 1 == side.size() ? maxY : side[i + 1]->y - spacing);
        for (Pending* p : side) {
            const QString& text = plan.markTexts[p->slot];
            const qreal w = textWidth(plan.mark, text) + 8 * pt;
            const qreal edge = right ? c.x() + rx + 18 * pt : c.x() - rx - 18 * pt;
            const QRectF box(right ? edge + 4 * pt : edge - 4 * pt - w, p->y - markHeight / 2, w, markHeight);
            plan.geometry.marks[p->slot] = box;
            plan.leaders[p->slot] = {p->anchor, QPointF(edge, p->y)};
        }
    }
}

Plan makePlan(const Model& model, const QRectF& area, qreal dpi) {
    Plan plan;
    const qreal pt = dpi / 72.0;
    plan.pt = pt;
    plan.title = verdana(20 * pt, true);
    plan.foot = verdana(11 * pt, true);
    plan.legendTitle = verdana(9 * pt, true);
    plan.legend = verdana(8.5 * pt);
    plan.legendValue = verdana(8.5 * pt, true);
    plan.axis = verdana(7.5 * pt);
    plan.label = verdana(8.5 * pt);
    plan.mark = verdana(8 * pt);

    const QRectF inner = area.adjusted(12 * pt, 10 * pt, -12 * pt, -8 * pt);
    Geometry& g = plan.geometry;
    g.title = QRectF(inner.left(), inner.top(), inner.width(), textHeight(plan.title));
    const qreal footHeight = textHeight(plan.foot);
    g.foot = QRectF(inner.left(), inner.bottom() - footHeight, inner.width(), footHeight);
    planLegend(plan, model, inner);
    const qreal top = g.title.bottom() + 10 * pt;
    g.plot = QRectF(inner.left(), top, inner.width(), std::max(0.0, g.legend.top() - 10 * pt - top));
    if (model.kind == Kind::Bars)
        planBars(plan, model);
    else
        planPie(plan, model);
    return plan;
}

QPen outline(const QColor& colour, qreal pt) {
    QPen pen(colour.darker(165), 0.7 * pt);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawMark(QPainter& painter, const Plan& plan, const QRectF& box, const QString& text) {
    const qreal pt = plan.pt;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawRoundedRect(box.translated(1 * pt, 1 * pt), 2 * pt, 2 * pt);
    painter.setPen(QPen(kTitleEdge, 0.6 * pt));
    painter.setBrush(kTitleFace);
    painter.drawRoundedRect(box, 2 * pt, 2 * pt);
    painter.setFont(plan.mark);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

void paintBars(QPainter& painter, const Plan& plan, const Model& model) {
    const qreal pt = plan.pt;
    const QRectF& f = plan.front;
    const qreal dx = plan.dx, dy = plan.dy;
    const QPointF back(dx, -dy);

    // The box the bars stand in: back wall, left wall and floor.
    QLinearGradient wall(f.topLeft(), f.bottomLeft());
    wall.setColorAt(0, kWallTop);
    wall.setColorAt(1, kWallFoot);
    painter.setPen(QPen(kWallEdge, 0.7 * pt));
    painter.setBrush(wall);
    painter.drawRect(f.translated(back));
    painter.setBrush(kSideWall);
    painter.drawPolygon(QPolygonF({f.topLeft(), f.topLeft() + back, f.bottomLeft() + back, f.bottomLeft()}));
    painter.setBrush(kFloor);
    painter.drawPolygon(
        QPolygonF({f.bottomLeft(), f.bottomRight(), f.bottomRight() + back, f.bottomLeft() + back}));

    painter.setFont(plan.axis);
    for (double v = 0; v <= plan.scale.top + plan.scale.step / 2; v += plan.scale.step) {
        const qreal y = f.bottom() - f.height() * v / plan.scale.top;
        if (v > 0) {
            painter.setPen(QPen(kGrid, 0.6 * pt));
            painter.drawLine(QPointF(f.left(), y), QPointF(f.left(), y) + back);
            painter.drawLine(QPointF(f.left(), y) + back, QPointF(f.right(), y) + back);
        }
        painter.setPen(kMuted);
        painter.drawText(QRectF(f.left() - 200 * pt, y - 10 * pt, 200 * pt - 6 * pt, 20 * pt),
                         Qt::AlignRight | Qt::AlignVCenter, groupedNumber(v));
    }

    // Bars from left to right, so that each bar covers the back of the side of the one before.
    const QPointF depth(plan.barDx, -plan.barDy);
    for (std::size_t i = 0; i < plan.bars.size(); ++i) {
        const QRectF& bar = plan.bars[i];
        const QColor colour = model.points[i].colour;
        const QPen pen = outline(colour, pt);
        painter.setPen(pen);
        painter.setBrush(colour.darker(140));
        painter.drawPolygon(QPolygonF(
            {bar.topRight(), bar.topRight() + depth, bar.bottomRight() + depth, bar.bottomRight()}));
        painter.setBrush(colour.lighter(135));
        painter.drawPolygon(
            QPolygonF({bar.topLeft(), bar.topLeft() + depth, bar.topRight() + depth, bar.topRight()}));
        if (bar.height() > 0) {
            QLinearGradient face(bar.topLeft(), bar.topRight());
            face.setColorAt(0, colour.lighter(118));
            face.setColorAt(0.45, colour);
            face.setColorAt(1, colour.darker(112));
            painter.setBrush(face);
            painter.drawRect(bar);
        }
    }

    painter.setFont(plan.label);
    painter.setPen(kInk);
    for (std::size_t i = 0; i < plan.geometry.labels.size(); ++i)
        painter.drawText(plan.geometry.labels[i], Qt::AlignCenter, plan.labelTexts[i]);
    for (std::size_t i = 0; i < plan.geometry.marks.size(); ++i)
        drawMark(painter, plan, plan.geometry.marks[i], plan.markTexts[i]);
}

/// The visible outer side of the pie between the angles @p from and @p to (degrees, from < to).
QPainterPath rim(const QRectF& ellipse, qreal thickness, qreal from, qreal to) {
    QPainterPath path;
    path.arcMoveTo(ellipse, from);
    path.arcTo(ellipse, from, to - from);
    const QRectF lower = ellipse.translated(0, thickness);
    QPointF end;
    {
        QPainterPath probe;
        probe.arcMoveTo(lower, to);
        end = probe.currentPosition();
    }
    path.lineTo(end);
    path.arcTo(lower, to, from - to);
    path.closeSubpath();
    return path;
}

void paintPie(QPainter& painter, const Plan& plan, const Model& model) {
    const qreal pt = plan.pt;
    const QRectF& e = plan.ellipse;
    QLinearGradient side(e.topLeft(), e.topRight());

    if (plan.slices.empty()) {
        // Nothing to share out: a plain disc that says so.
        const QColor grey = kEmptyDisc;
        painter.setPen(QPen(grey.darker(130), 0.7 * pt));
        painter.setBrush(grey.darker(115));
        painter.drawPath(rim(e, plan.thickness, 180, 360));
        painter.setBrush(grey);
        painter.drawEllipse(e);
        painter.setFont(plan.label);
        painter.setPen(kMuted);
        painter.drawText(e, Qt::AlignCenter, model.emptyText);
        return;
    }

    std::vector<QColor> colours;
    for (const Point& p : model.points)
        if (p.value > 0)
            colours.push_back(p.colour);

    // The visible side lies between -180 and 0 degrees; the slices run clockwise from 90 to -270.
    for (std::size_t i = 0; i < plan.slices.size(); ++i) {
        const qreal start = plan.slices[i].first;
        const qreal end = start + plan.slices[i].second;
        const qreal from = std::max(end, -180.0), to = std::min(start, 0.0);
        if (to - from <= 0)
            continue;
        QLinearGradient shade(e.left(), 0, e.right(), 0);
        shade.setColorAt(0, colours[i].darker(175));
        shade.setColorAt(0.4, colours[i].darker(125));
        shade.setColorAt(1, colours[i].darker(185));
        painter.setPen(outline(colours[i], pt));
        painter.setBrush(shade);
        painter.drawPath(rim(e, plan.thickness, from, to));
    }
    for (std::size_t i = 0; i < plan.slices.size(); ++i) {
        QPainterPath slice(e.center());
        slice.arcTo(e, plan.slices[i].first, plan.slices[i].second);
        slice.closeSubpath();
        QRadialGradient light(e.center() - QPointF(e.width() * 0.15, e.height() * 0.25), e.width() * 0.65);
        light.setColorAt(0, colours[i].lighter(125));
        light.setColorAt(1, colours[i]);
        painter.setPen(outline(colours[i], pt));
        painter.setBrush(light);
        painter.drawPath(slice);
    }

    painter.setPen(QPen(kAxis, 0.7 * pt));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < plan.leaders.size(); ++i) {
        const auto& [anchor, elbow] = plan.leaders[i];
        const QRectF& box = plan.geometry.marks[i];
        const QPointF end(box.left() > elbow.x() ? box.left() : box.right(), box.center().y());
        painter.drawPolyline(QPolygonF({anchor, elbow, end}));
        painter.setBrush(kAxis);
        painter.drawEllipse(anchor, 1.4 * pt, 1.4 * pt);
        painter.setBrush(Qt::NoBrush);
    }
    for (std::size_t i = 0; i < plan.geometry.marks.size(); ++i)
        drawMark(painter, plan, plan.geometry.marks[i], plan.markTexts[i]);
}

void paintLegend(QPainter& painter, const Plan& plan, const Model& model) {
    const qreal pt = plan.pt;
    const QRectF& box = plan.geometry.legend;
    painter.setPen(QPen(kFrame, 0.8 * pt));
    painter.setBrush(kLegend);
    painter.drawRoundedRect(box, 4 * pt, 4 * pt);

    const qreal pad = 8 * pt;
    painter.setFont(plan.legendTitle);
    painter.setPen(kTitleInk);
    const qreal titleHeight = textHeight(plan.legendTitle);
    painter.drawText(QRectF(box.left() + pad, box.top() + pad * 0.8, box.width() - 2 * pad, titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, model.legendTitle);

    const qreal gridWidth = plan.legendColumns * plan.legendCell - 16 * pt;
    const qreal left = box.center().x() - gridWidth / 2;
    const qreal top = box.top() + pad * 0.8 + titleHeight + 4 * pt;
    const qreal cell = plan.legendCell - 16 * pt;
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        const Point& p = model.points[i];
        const int row = int(i) / plan.legendColumns, column = int(i) % plan.legendColumns;
        const QRectF line(left + column * plan.legendCell, top + row * plan.legendRow, cell, plan.legendRow);
        const QRectF swatch(line.left(), line.center().y() - 5 * pt, 10 * pt, 10 * pt);
        QLinearGradient fill(swatch.topLeft(), swatch.bottomRight());
        fill.setColorAt(0, p.colour.lighter(120));
        fill.setColorAt(1, p.colour.darker(110));
        painter.setPen(outline(p.colour, pt));
        painter.setBrush(fill);
        painter.drawRoundedRect(swatch, 1.5 * pt, 1.5 * pt);
        painter.setPen(kInk);
        painter.setFont(plan.legend);
        const QRectF text = line.adjusted(15 * pt, 0, 0, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, p.label);
        painter.setFont(plan.legendValue);
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, markText(p.value));
    }
}

} // namespace

QString markText(double value) {
    return groupedNumber(value) + QStringLiteral(" \u20AC");
}

AxisScale niceScale(double maximum) {
    if (!(maximum > 0))
        return {100, 20};
    const double raw = maximum / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 2.5 ? 2.5 : norm <= 5 ? 5 : 10) * magnitude;
    step = std::max(step, 1.0);
    return {std::ceil(maximum / step - 1e-9) * step, step};
}

Geometry layout(const Model& model, const QRectF& area, qreal dpi) {
    return makePlan(model, area, dpi).geometry;
}

void paint(QPainter& painter, const QRectF& area, const Model& model) {
    const qreal dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const Plan plan = makePlan(model, area, dpi);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    painter.fillRect(area, colours::kWhite);

    painter.setFont(plan.title);
    painter.setPen(kTitleInk);
    painter.drawText(plan.geometry.title, Qt::AlignCenter, model.title);

    if (model.kind == Kind::Bars)
        paintBars(painter, plan, model);
    else
        paintPie(painter, plan, model);
    paintLegend(painter, plan, model);

    painter.setFont(plan.foot);
    painter.setPen(kLegendInk);
    painter.drawText(plan.geometry.foot, Qt::AlignCenter, model.foot);
    painter.restore();
}

bool print(const Model& model, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    const int copies = std::max(1, printer.copyCount());
    // The copies are printed here one by one; the printer must not repeat each of them.
    printer.setCopyCount(1);
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (Capture* capture = Capture::active()) {
        for (int i = 0; i < copies; ++i)
            capture->printed.push_back({model, printer.pageLayout().orientation()});
        if (!toFile || printer.outputFileName().isEmpty())
            return true;
    }
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    if (toFile) {
        // A file would be written over by each print: the copies become its pages instead.
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        for (int i = 0; i < copies; ++i) {
            if (i > 0 && !printer.newPage())
                return false;
            paint(painter, area, model);
        }
        return painter.end();
    }
    for (int i = 0; i < copies; ++i) {
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        paint(painter, area, model);
        if (!painter.end())
            return false;
    }
    return true;
}

ChartView::ChartView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setModel(Model model) {
    m_model = std::move(model);
    update();
}

void ChartView::setKind(Kind kind) {
    m_model.kind = kind;
    update();
}

void ChartView::clearPoints() {
    m_model.points.clear();
    update();
}

QSize ChartView::minimumSizeHint() const {
    return {480, 320};
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    paint(painter, card.adjusted(1, 1, -1, -1), m_model);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(card);
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

} // namespace orvelia::chart

#include <gtest/gtest.h>

#include "support/printers.h"

#include "framework/sheet.h"

using namespace orvelia;
using namespace orvelia::sheet;

namespace {

const QDate kDate(2026, 12, 9);
constexpr qreal kEps = 0.01;

Form threeRows(RowFrame frame, Fit fit) {
    Form form;
    form.title = QStringLiteral("SCHEDA DI PROVA");
    form.rows = {{QStringLiteral("Cognome e nome:"), QStringLiteral("txtIstruttore")},
                 {QStringLiteral("Note:"), QStringLiteral("txtNote")},
                 {QStringLiteral("Compenso totale: €"), QStringLiteral("txtTotale")}};
    form.frame = frame;
    form.fit = fit;
    return form;
}

bool contains(const QRectF& outer, const QRectF& inner) {
    return inner.left() >= outer.left() - kEps && inner.right() <= outer.right() + kEps &&
           inner.top() >= outer.top() - kEps && inner.bottom() <= outer.bottom() + kEps;
}

// The framed boxes of a page (frames, not shades or rules).
std::vector<QRectF> frames(const report::Page& page) {
    std::vector<QRectF> out;
    for (const report::PageBox& box : page.boxes)
        if (box.frameColour.alpha() > 0)
            out.push_back(box.rect);
    return out;
}

// Every text of the page stays inside its memo and fits there at its own type size.
void expectNothingOverflows(const report::Page& page) {
    for (const report::PageText& t : page.texts)
        EXPECT_LE(printedWidth(t.style, t.text), textRoom(t.style, t.rect.width()) + kEps)
            << t.memo.toStdString() << ": " << t.text.toStdString();
}

QString longNote() {
    QString note;
    for (int i = 0; note.size() < 250; ++i)
        note += QStringLiteral("parola%1 ").arg(i);
    return note.left(250);
}

} // namespace

TEST(Sheet, BoxedFormLaysOutTitleRowsAndFooterOnOneA4Page) {
    Sheet sheet(threeRows(RowFrame::Boxed, Fit::Cut));
    sheet.setValue(QStringLiteral("txtIstruttore"), QStringLiteral("Rossi Mario"));
    const report::PreparedReport out = sheet.prepare(kDate);
    EXPECT_EQ(out.page.paper, QPageSize::A4);
    EXPECT_EQ(out.page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(out.page.marginMm, 10);
    ASSERT_EQ(out.pages.size(), 1u);
    const report::Page& page = out.pages[0];
    const QRectF content = out.page.content();

    const report::PageText* title = page.text(kTitleMemo);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "SCHEDA DI PROVA");
    EXPECT_NEAR(title->rect.top(), content.top(), kEps);
    EXPECT_NEAR(title->rect.width(), content.width(), kEps);
    EXPECT_TRUE(title->style.alignment & Qt::AlignHCenter);
    EXPECT_GT(title->style.fill.alpha(), 0);
    EXPECT_GT(title->style.frameColour.alpha(), 0);

    const report::PageText* footer = page.text(kFooterMemo);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->text, kFooterPlaceholder);
    EXPECT_NEAR(footer->rect.bottom(), content.bottom(), kEps);
    EXPECT_NEAR(footer->rect.width(), content.width(), kEps);
    EXPECT_GT(footer->style.fill.alpha(), 0);
    EXPECT_GT(footer->style.frameColour.alpha(), 0);

    // Each row: its own full-width frame holding the label and, 5 mm to the right of the label column, the
    // value.
    const std::vector<QRectF> boxes = frames(page);
    ASSERT_EQ(boxes.size(), 3u);
    qreal previousBottom = title->rect.bottom();
    for (std::size_t i = 0; i < 3; ++i) {
        const Row& row = sheet.form().rows[i];
        const report::PageText* label = page.text(Sheet::labelMemo(row.memo));
        const report::PageText* value = page.text(row.memo);
        ASSERT_TRUE(label && value) << row.memo.toStdString();
        EXPECT_EQ(label->text, row.label);
        EXPECT_NEAR(boxes[i].width(), content.width(), kEps);
        EXPECT_GT(boxes[i].top(), previousBottom);
        EXPECT_TRUE(contains(boxes[i], label->rect));
        EXPECT_TRUE(contains(boxes[i], value->rect));
        EXPECT_NEAR(value->rect.left() - label->rect.right(), report::fromMillimetres(5), kEps);
        EXPECT_EQ(label->style.family, "Arial");
        EXPECT_FALSE(value->style.wordWrap);
        previousBottom = boxes[i].bottom();
    }
    EXPECT_LT(previousBottom, footer->rect.top());
    EXPECT_EQ(page.text(QStringLiteral("txtIstruttore"))->text, "Rossi Mario");
    EXPECT_EQ(page.text(QStringLiteral("txtNote"))->text, "");
    expectNothingOverflows(page);
}

TEST(Sheet, RuledFormHasOneFrameWithARuleBetweenLabelsAndValues) {
    Sheet sheet(threeRows(RowFrame::Ruled, Fit::ShrinkThenElide));
    const report::Page page = sheet.prepare(kDate).pages.at(0);
    const report::PageText* first = page.text(Sheet::labelMemo(QStringLiteral("txtIstruttore")));
    const report::PageText* last = page.text(QStringLiteral("txtTotale"));
    ASSERT_TRUE(first && last);
    const QRectF table(first->rect.topLeft(), QPointF(last->rect.right(), last->rect.bottom()));

    std::vector<QRectF> rowFrames;
    for (const QRectF& f : frames(page))
        if (!page.text(kTitleMemo)->rect.contains(f.center()) &&
            !page.text(kFooterMemo)->rect.contains(f.center()))
            rowFrames.push_back(f);
    ASSERT_EQ(rowFrames.size(), 1u);
    EXPECT_TRUE(contains(rowFrames[0], table));

    // A vertical rule the height of the table at the label column's edge, and a rule under each row but the
    // last.
    int vertical = 0, horizontal = 0;
    for (const report::PageBox& box : page.boxes) {
        if (box.fill != QColor(Qt::black))
            continue;
        if (box.rect.height() > box.rect.width()) {
            ++vertical;
            EXPECT_NEAR(box.rect.center().x(), first->rect.right(), kEps);
            EXPECT_NEAR(box.rect.height(), table.height(), kEps);
        } else {
            ++horizontal;
        }
    }
    EXPECT_EQ(vertical, 1);
    EXPECT_EQ(horizontal, 2);
}

TEST(Sheet, ValuesAreFittedIntoTheirOneLineBoxes) {
    const QString note = longNote();
    ASSERT_EQ(note.size(), 250);

    // Cut: the longest beginning that fits, nothing added; what fits stays as it is.
    Sheet cut(threeRows(RowFrame::Boxed, Fit::Cut));
    struct Case {
        QString value;
        QString printed; // empty: a proper beginning of the value
    };
    const Case cases[] = {
        {QStringLiteral("Roma "), QStringLiteral("Roma ")},
        {QStringLiteral(" Mario"), QStringLiteral(" Mario")},
        {QStringLiteral("[DATE] [Cognome] {x}"), QStringLiteral("[DATE] [Cognome] {x}")},
        {QStringLiteral("prima\nseconda\r\nterza"), QStringLiteral("prima seconda  terza")},
        {note, QString()},
    };
    for (const Case& c : cases) {
        cut.setValue(QStringLiteral("txtNote"), c.value);
        const report::PreparedReport out = cut.prepare(kDate);
        const report::PageText* t = out.pages.at(0).text(QStringLiteral("txtNote"));
        ASSERT_NE(t, nullptr);
        if (c.printed.isEmpty()) {
            EXPECT_LT(t->text.size(), c.value.size());
            EXPECT_GT(t->text.size(), 50);
            EXPECT_TRUE(c.value.startsWith(t->text));
            // One more character would not have fitted.
            EXPECT_GT(printedWidth(t->style, c.value.left(t->text.size() + 1)),
                      textRoom(t->style, t->rect.width()));
        } else {
            EXPECT_EQ(t->text, c.printed);
        }
        EXPECT_EQ(t->style.pointSize, 8);
        EXPECT_EQ(t->lines().size(), t->text.isEmpty() ? 0 : 1);
        expectNothingOverflows(out.pages.at(0));
    }

    // Shrink then elide: smaller type first, an ellipsis only below the readable minimum.
    Form form = threeRows(RowFrame::Ruled, Fit::ShrinkThenElide);
    form.pointSize = 9;
    form.minimumPointSize = 6;
    Sheet shrink(form);
    const report::Memo& memo = *shrink.document().memo(QStringLiteral("txtNote"));
    report::TextStyle nine = memo.style;
    const qreal room = textRoom(nine, memo.rect.width());
    // A text a little too wide at 9 points, but well within the box at 6.
    QString medium;
    while (printedWidth(nine, medium) <= room * 1.15)
        medium += QStringLiteral("abc ");
    shrink.setValue(QStringLiteral("txtNote"), medium);
    const report::PreparedReport shrunkOut = shrink.prepare(kDate);
    const report::PageText* shrunk = shrunkOut.pages.at(0).text(QStringLiteral("txtNote"));
    EXPECT_EQ(shrunk->text, medium);
    EXPECT_LT(shrunk->style.pointSize, 9);
    EXPECT_GE(shrunk->style.pointSize, 6);

    shrink.setValue(QStringLiteral("txtNote"), note);
    const report::Page page = shrink.prepare(kDate).pages.at(0);
    const report::PageText* elided = page.text(QStringLiteral("txtNote"));
    EXPECT_EQ(elided->style.pointSize, 6);
    EXPECT_TRUE(elided->text.endsWith(QStringLiteral("\u2026")));
    EXPECT_TRUE(note.startsWith(elided->text.chopped(1)));
    EXPECT_GT(elided->text.size(), 80);
    expectNothingOverflows(page);

    // A short value after a long one is back at the full size.
    shrink.setValue(QStringLiteral("txtNote"), QStringLiteral("breve"));
    EXPECT_EQ(shrink.document().memo(QStringLiteral("txtNote"))->style.pointSize, 9);
    EXPECT_EQ(shrink.text(QStringLiteral("txtNote")), "breve");
}

TEST(Sheet, FooterCarriesTheDateAndTimeOfPrinting) {
    EXPECT_EQ(printingTimeText(QDateTime(QDate(2026, 3, 5), QTime(8, 7, 6))),
              "Stampa eseguita in data 05/03/2026 alle ore 08:07:06");
    EXPECT_EQ(printingTimeText(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))),
              "Stampa eseguita in data 31/12/2026 alle ore 23:59:59");
    Sheet sheet(threeRows(RowFrame::Boxed, Fit::Cut));
    sheet.setPrintingTime(QDateTime(QDate(2026, 3, 5), QTime(8, 7, 6)));
    // The date in the text is the clock's, not the layout's printing date.
    EXPECT_EQ(sheet.prepare(kDate).pages.at(0).text(kFooterMemo)->text,
              "Stampa eseguita in data 05/03/2026 alle ore 08:07:06");
}

#include "windows/reports/statementprint.h"

#include "framework/appearance.h"
#include "framework/theme.h"

namespace orvelia {

namespace {

using namespace report;
namespace names = statementprint;

constexpr qreal kBannerHeight = 30;
constexpr qreal kLine = 12.822; // one line of Courier New 8
constexpr qreal kTextLine = 17; // one line of Arial 10

TextStyle textStyle(qreal size, bool bold = false) {
    TextStyle s;
    s.family = QStringLiteral("Arial");
    s.pointSize = size;
    s.bold = bold;
    s.colour = colours::kBlack;
    return s;
}

TextStyle fixedStyle(bool bold = false) {
    TextStyle s;
    s.family = QString::fromLatin1(kFontFixed);
    s.pointSize = 8;
    s.bold = bold;
    s.colour = colours::kBlack;
    return s;
}

Memo multiLine(const QString& name, const QStringList& lines, qreal x, qreal width, qreal lineHeight,
               const TextStyle& style) {
    Memo m{name, lines.join(u'\n'), QRectF(x, 0, width, lineHeight * qreal(lines.size())), style};
    return m;
}

} // namespace

QString statementRow(const statements::Work& w) {
    return w.dateText.leftJustified(10, u' ', true) + QStringLiteral("  ") +
           w.activity.leftJustified(50, u' ', true) + QStringLiteral("  ") +
           (w.from + u'-' + w.to).leftJustified(11, u' ', true) + QStringLiteral("  ") +
           w.hours.rightJustified(6) + QStringLiteral("  ") + w.rate.rightJustified(8) +
           QStringLiteral("  ") + w.amount.rightJustified(10);
}

report::Template statementTemplate(const statements::Statement& s, const QString& interval) {
    Template print;
    print.page.paper = QPageSize::A4;
    print.page.orientation = QPageLayout::Portrait;
    print.page.marginMm = 15;
    const qreal width = print.contentWidth();

    TextStyle banner = textStyle(12, true);
    banner.family = QString::fromLatin1(kFontVerdana);
    banner.colour = colours::kWhite;
    banner.fill = colours::kNavy;
    banner.padding = 8;
    Band title;
    title.name = QStringLiteral("Titolo");
    title.kind = BandKind::Title;
    title.height = kBannerHeight + kTextLine + 14;
    title.memos.push_back({names::kTitleMemo, QStringLiteral("Orvelia  -  Prospetto dei compensi"),
                           QRectF(0, 0, width, kBannerHeight), banner});
    title.memos.push_back({names::kPeriodMemo, QStringLiteral("Periodo:   ") + interval,
                           QRectF(0, kBannerHeight + 4, width, kTextLine), textStyle(10, true)});

    QStringList labels{QStringLiteral("Lavoratore:"), QStringLiteral("Codice fiscale:")};
    QStringList values{s.name, s.codFisc};
    if (!s.address.isEmpty()) {
        labels << QStringLiteral("Indirizzo:");
        values << s.address;
    }
    if (!s.iban.isEmpty()) {
        labels << QStringLiteral("IBAN:");
        values << s.iban;
    }
    if (!s.inRegistry) {
        labels << QString();
        values << QStringLiteral("(non presente in anagrafica: dati dalle schede dei lavori)");
    }
    Band worker;
    worker.name = QStringLiteral("Lavoratore");
    worker.height = kTextLine * qreal(labels.size()) + 16;
    worker.boxes.push_back(
        {QRectF(0, 0, width, kTextLine * qreal(labels.size()) + 8), colours::kPaper, colours::kLine});
    Memo labelMemo = multiLine(names::kLabelsMemo, labels, 8, 110, kTextLine, textStyle(10));
    labelMemo.rect.moveTop(4);
    Memo valueMemo = multiLine(names::kWorkerMemo, values, 120, width - 128, kTextLine, textStyle(10, true));
    valueMemo.rect.moveTop(4);
    worker.memos = {labelMemo, valueMemo};

    statements::Work heading;
    heading.dateText = QStringLiteral("Data");
    heading.activity = QStringLiteral("Attivit\u00E0");
    heading.from = QStringLiteral("Orario");
    heading.hours = QStringLiteral("Ore");
    heading.rate = QStringLiteral("\u20AC/ora");
    heading.amount = QStringLiteral("Importo \u20AC");
    QString headingRow = statementRow(heading);
    headingRow.replace(QStringLiteral("Orario-"), QStringLiteral("Orario "));
    Band header;
    header.name = QStringLiteral("Intestazione");
    header.height = kLine + 6;
    header.boxes.push_back({QRectF(0, 0, width, kLine + 4), colours::kMist, Qt::transparent});
    Memo headerMemo{names::kHeaderMemo, headingRow, QRectF(0, 2, width, kLine), fixedStyle(true)};
    header.memos.push_back(headerMemo);

    QStringList rows;
    for (const statements::Work& w : s.works)
        rows << statementRow(w);
    Band works;
    works.name = names::kWorksBand;
    works.splittable = true;
    works.height = kLine * qreal(rows.size()) + 6;
    works.memos.push_back(multiLine(names::kWorksMemo, rows, 0, width, kLine, fixedStyle()));

    Band totals;
    totals.name = QStringLiteral("Totali");
    totals.kind = BandKind::Summary;
    totals.height = 150;
    totals.boxes.push_back({QRectF(0, 0, width, 1), colours::kNavy, Qt::transparent});
    TextStyle totalStyle = textStyle(10, true);
    totalStyle.alignment = Qt::AlignRight | Qt::AlignVCenter;
    totals.memos.push_back({names::kTotalsMemo,
                            QStringLiteral("Totale ore: %1          Totale compensi: \u20AC %2")
                                .arg(s.totalHours, s.totalAmount),
                            QRectF(0, 6, width, kTextLine + 4), totalStyle});
    const QStringList signatures{
        QStringLiteral("Luogo e data  ______________________________"), QString(), QString(),
        QStringLiteral("Firma del lavoratore  ______________________________     Firma del datore di lavoro  "
                       "______________________________")};
    Memo signatureMemo = multiLine(names::kSignaturesMemo, signatures, 0, width, kTextLine + 4, textStyle(9));
    signatureMemo.rect.moveTop(50);
    totals.memos.push_back(signatureMemo);

    Band footer;
    footer.name = QStringLiteral("Piede");
    footer.kind = BandKind::PageFooter;
    footer.height = kTextLine;
    TextStyle footStyle = textStyle(8);
    footStyle.colour = colours::kSlate;
    footStyle.alignment = Qt::AlignRight | Qt::AlignVCenter;
    Memo printed{QStringLiteral("txtData"),
                 QStringLiteral("Prospetto di ") + s.name + QStringLiteral(" stampato in data [DATE]"),
                 QRectF(0, 0, width, kTextLine), footStyle};
    printed.expandsDate = true;
    footer.memos.push_back(printed);

    print.bands = {title, worker, header, works, totals, footer};
    return print;
}

std::vector<report::Template> statementTemplates(const statements::Result& result) {
    std::vector<report::Template> all;
    for (const statements::Statement& s : result.statements)
        all.push_back(statementTemplate(s, result.summary.interval));
    return all;
}

} // namespace orvelia

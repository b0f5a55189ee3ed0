// Writes the user guide, Guida.pdf, from the help pages of the program and
// pictures of its main windows rendered offscreen.
// Usage: orvelia-guida <output.pdf>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <map>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/help/helppages.h"
#include "framework/appearance.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/app/application.h"
#include "windows/help/tfrmguida.h"
#include "windows/help/tfrmistruzioni.h"
#include "windows/work/tfrmlavori.h"

using namespace orvelia;

namespace {

const QString kGuideTitle = QStringLiteral("Guida all'utilizzo del software");
const QString kContents = QStringLiteral("Indice");
const QString kChapter = QStringLiteral("Capitolo %1");
const QString kFigure = QStringLiteral("Figura %1 - %2");
const QString kRunningHead = QStringLiteral("Orvelia - Guida all'utilizzo del software");

// Nothing may wait for a user while the pictures are taken: every message is
// answered at once and nothing is handed to the shell.
class SilentPlatform : public Platform {
public:
    bool message(MessageKind, const QString&, QWidget*) override { return false; }
    void open(const QString&) override {}
    QString chooseFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QString> inputText(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
    void preview(QWidget*, const QString&, const std::function<void(QPrinter*)>&) override {}
    int showModal(QDialog*) override { return 0; }
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 16), QTime(9, 0)); }
};

// A few workers and a few days of work, so the pictures show a program in use.
void writeSampleArchives(const QString& folder) {
    using E = TSchedaLavoratore;
    const struct {
        const char *surname, *name, *code, *phone, *email;
    } workers[] = {
        {"ROSSI", "MARIA GRAZIA", "RSSMGR80A41H501X", "333 1234567", "maria.rossi@esempio.it"},
        {"BIANCHI", "LUCA", "BNCLCU75C12F205Z", "347 7654321", "luca.bianchi@esempio.it"},
        {"ESPOSITO", "ANNA", "SPSNNA90E50F839Y", "320 5558899", "anna.esposito@esempio.it"},
    };
    for (const auto& w : workers) {
        Record r(E::layout);
        r[E::Cognome] = QString::fromLatin1(w.surname);
        r[E::Nome] = QString::fromLatin1(w.name);
        r[E::CodFisc] = QString::fromLatin1(w.code);
        r[E::Recapito] = QString::fromLatin1(w.phone);
        r[E::TelCel] = QString::fromLatin1(w.phone);
        r[E::Email] = QString::fromLatin1(w.email);
        r[E::Professione] = QStringLiteral("Giardiniere");
        r[E::ComuneRes] = QStringLiteral("Roma");
        r[E::ProvRes] = QStringLiteral("RM");
        archive::append(employeeArchivePath(folder), r);
    }
    using L = TSchedaLavoro;
    const struct {
        int w;
        const char *date, *from, *to, *hours, *rate, *total, *activity;
    } works[] = {
        {0, "02/03/2026", "08:00", "12:30", "4,50", "12,00", "54,00", "Potatura delle siepi del viale"},
        {1, "03/03/2026", "14:00", "18:00", "4,00", "11,50", "46,00", "Pulizia dei vialetti e dei tombini"},
        {2, "05/03/2026", "09:00", "13:00", "4,00", "12,50", "50,00", "Annaffiatura delle aiuole fiorite"},
    };
    for (const auto& k : works) {
        Record r(L::layout);
        r[L::Cognome] = QString::fromLatin1(workers[k.w].surname);
        r[L::Nome] = QString::fromLatin1(workers[k.w].name);
        r[L::CodFisc] = QString::fromLatin1(workers[k.w].code);
        r[L::Recapito] = QString::fromLatin1(workers[k.w].phone);
        r[L::Mansione] = QStringLiteral("Giardiniere");
        r[L::Data] = QString::fromLatin1(k.date);
        r[L::Luogo] = QStringLiteral("Villa Comunale");
        r[L::Attivita] = QString::fromUtf8(k.activity);
        const QString from = QString::fromLatin1(k.from);
        const QString to = QString::fromLatin1(k.to);
        r[L::DaOre] = from.left(2);
        r[L::DaMin] = from.right(2);
        r[L::AOre] = to.left(2);
        r[L::AMin] = to.right(2);
        r[L::OraInizio] = from;
        r[L::OraFine] = to;
        r[L::TotOre] = QString::fromLatin1(k.hours);
        r[L::CompensoOra] = QString::fromLatin1(k.rate);
        r[L::TotDovuto] = QString::fromLatin1(k.total);
        r[L::Incompleto] = QStringLiteral("NO");
        archive::append(workArchivePath(folder, QStringLiteral("2026")), r);
    }
}

QImage grabAt(QWidget* w, const QSize& size) {
    w->setWindowState(Qt::WindowNoState);
    w->resize(size);
    w->show();
    w->resize(size);
    QApplication::processEvents();
    const QImage image = w->grab().toImage();
    w->hide();
    QApplication::processEvents();
    return image;
}

struct Figure {
    QString name;
    QString caption;
    QImage image;
};

// The pictures of each chapter.
std::map<HelpPage, std::vector<Figure>> takePictures(OrveliaApp& app, const QString& folder) {
    std::map<HelpPage, std::vector<Figure>> figures;
    const QSize screen(1280, 800);
    auto navigation = [&](HelpPage page, const char* className, const QString& caption) {
        if (QWidget* w = app.window(QString::fromLatin1(className)))
            figures[page].push_back({QString::fromLatin1(className), caption, grabAt(w, screen)});
    };
    navigation(HelpPage::Overview, "TfrmAvvio", QStringLiteral("Il menu principale"));
    {
        TfrmGuida help(app.window(QStringLiteral("TfrmAvvio")));
        help.showPage(HelpPage::Overview);
        help.show();
        QApplication::processEvents();
        figures[HelpPage::Overview].push_back(
            {QStringLiteral("TfrmGuida"), QStringLiteral("La finestra della guida"), help.grab().toImage()});
        help.hide();
    }
    navigation(HelpPage::Registry, "TfrmIstruttori", QStringLiteral("L'anagrafica dei lavoratori"));
    navigation(HelpPage::Work, "TfrmMenuLavori", QStringLiteral("La scelta dell'anno del registro"));
    if (auto* work = app.window<TfrmLavori>()) {
        const QString path = workArchivePath(folder, QStringLiteral("2026"));
        work->openYear(path, QStringLiteral("2026"));
        work->setWindowState(Qt::WindowNoState);
        work->resize(screen);
        work->show();
        QApplication::processEvents();
        // The first day of work on screen, as after a search.
        if (const auto first = archive::read(path, 1, TSchedaLavoro::layout))
            work->showRecord(*first, 1);
        figures[HelpPage::Work].push_back(
            {QStringLiteral("TfrmLavori"), QStringLiteral("Il registro dei lavori"), grabAt(work, screen)});
    }
    figures[HelpPage::Work].push_back({QStringLiteral("TfrmIstruzioni"),
                                       QStringLiteral("Le istruzioni per l'uso del registro"),
                                       instructionsPicture()});
    navigation(HelpPage::Reports, "TfrmMenuPagamenti",
               QStringLiteral("Il menu dei riepiloghi e delle statistiche"));
    navigation(HelpPage::Summary, "TfrmMenuRiepilogoPagamenti",
               QStringLiteral("La scelta del periodo del riepilogo"));
    if (QWidget* stats = app.window(QStringLiteral("TfrmStatistiche"))) {
        stats->setWindowState(Qt::WindowNoState);
        stats->resize(screen);
        stats->show();
        QApplication::processEvents();
        auto* year = stats->findChild<QLineEdit*>(QStringLiteral("txtAnno"));
        auto* open = stats->findChild<QPushButton*>(QStringLiteral("btnApri"));
        if (year && open) {
            year->setText(QStringLiteral("2026"));
            open->click();
        }
        figures[HelpPage::Statistics].push_back({QStringLiteral("TfrmStatistiche"),
                                                 QStringLiteral("Il grafico delle rimunerazioni mensili"),
                                                 grabAt(stats, screen)});
    }
    return figures;
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString chapterHeading(const QString& title) {
    return title.endsWith(u'.') ? title.chopped(1) : title;
}

// The body of the guide: the table of contents and one chapter per help page.
QString guideHtml(const std::map<HelpPage, std::vector<Figure>>& figures, const std::vector<int>& pages) {
    QString html = QStringLiteral("<html><body>");
    html +=
        QStringLiteral("<h1 style='color:{navy}; font-size:22pt;'>") + kContents + QStringLiteral("</h1>");
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='7'>");
    int n = 0;
    for (HelpPage page : kHelpPages) {
        const QString number = pages.empty() ? QStringLiteral("00") : QString::number(pages[std::size_t(n)]);
        ++n;
        html += QStringLiteral("<tr><td width='8%' style='color:{teal}; font-weight:bold;'>%1</td>"
                               "<td style='color:{text};'>%2</td>"
                               "<td width='8%' align='right' style='color:{slate};'>%3</td></tr>")
                    .arg(n)
                    .arg(escaped(chapterHeading(helpTitle(page))))
                    .arg(number);
    }
    html += QStringLiteral("</table>");

    int chapter = 0;
    int figureNumber = 0;
    for (HelpPage page : kHelpPages) {
        ++chapter;
        html += QStringLiteral("<p style='page-break-before:always; color:{teal}; font-size:10pt; "
                               "font-weight:bold;'>") +
                kChapter.arg(chapter).toUpper() + QStringLiteral("</p>");
        html += QStringLiteral("<h1 id='ch%1' style='color:{navy}; font-size:20pt;'>%2</h1>")
                    .arg(chapter)
                    .arg(escaped(chapterHeading(helpTitle(page))));
        const QStringList paragraphs = helpParagraphs(page);
        const auto found = figures.find(page);
        const std::vector<Figure> none;
        const std::vector<Figure>& pictures = found == figures.end() ? none : found->second;
        // The first picture follows the opening paragraph; the others are spread through the chapter.
        std::vector<int> after;
        for (std::size_t k = 0; k < pictures.size(); ++k)
            after.push_back(int((k + 1) * paragraphs.size() / (pictures.size() + 1)));
        if (!after.empty())
            after[0] = 1;
        for (int p = 0; p < paragraphs.size(); ++p) {
            html += QStringLiteral("<p align='justify' style='color:{text}; font-size:11pt; "
                                   "line-height:130%;'>") +
                    escaped(paragraphs.at(p)) + QStringLiteral("</p>");
            for (std::size_t k = 0; k < pictures.size(); ++k) {
                if (after[k] != p + 1)
                    continue;
                ++figureNumber;
                html += QStringLiteral("<p align='center'><img src='figure:%1' width='560'></p>"
                                       "<p align='center' style='color:{slate}; font-size:9pt; "
                                       "font-style:italic;'>%2</p>")
                            .arg(pictures[k].name)
                            .arg(escaped(kFigure.arg(figureNumber).arg(pictures[k].caption)));
            }
        }
    }
    html += QStringLiteral("</body></html>");
    for (const auto& [name, colour] : {std::pair{"{navy}", colours::kNavy},
                                       {"{teal}", colours::kTeal},
                                       {"{text}", colours::kText},
                                       {"{slate}", colours::kSlate}})
        html.replace(QString::fromLatin1(name), colour.name().toUpper());
    return html;
}

void buildDocument(QTextDocument& doc, const std::map<HelpPage, std::vector<Figure>>& figures,
                   const std::vector<int>& pages) {
    doc.clear();
    for (const auto& [page, pictures] : figures)
        for (const Figure& f : pictures)
            doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("figure:") + f.name), f.image);
    doc.setHtml(guideHtml(figures, pages));
}

// The page (counted from the title page) where each chapter begins.
std::vector<int> chapterPages(QTextDocument& doc, qreal pageHeight) {
    std::vector<int> pages;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            const QRectF r = doc.documentLayout()->blockBoundingRect(b);
            pages.push_back(int(r.top() / pageHeight) + 2);
        }
    }
    return pages;
}

void paintTitlePage(QPainter& p, const QRectF& page) {
    p.fillRect(page, colours::kWhite);
    const QRectF band(0, 0, page.width(), page.height() * 0.42);
    p.fillRect(band, colours::kNavy);
    QSvgRenderer(artPath(QStringLiteral("banner_bg"))).render(&p, band);
    const qreal side = page.width() * 0.16;
    QSvgRenderer(artPath(QStringLiteral("logo")))
        .render(&p, QRectF(page.width() * 0.1, band.height() * 0.22, side, side));
    QFont name(QString::fromLatin1(kFontSans));
    name.setPixelSize(int(page.width() * 0.085));
    name.setBold(true);
    p.setFont(name);
    p.setPen(colours::kWhite);
    p.drawText(QRectF(page.width() * 0.1, band.height() * 0.22 + side + 10, page.width() * 0.8,
                      name.pixelSize() * 1.4),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvelia"));
    QFont sub(QString::fromLatin1(kFontSans));
    sub.setPixelSize(int(page.width() * 0.03));
    p.setFont(sub);
    p.setPen(colours::kIce);
    p.drawText(QRectF(page.width() * 0.1, band.height() * 0.22 + side + 10 + name.pixelSize() * 1.4,
                      page.width() * 0.8, sub.pixelSize() * 1.6),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Il software per chi lavora a ore"));

    p.fillRect(QRectF(page.width() * 0.1, band.bottom() + page.height() * 0.07, page.width() * 0.09, 5),
               colours::kAmber);
    QFont title(QString::fromLatin1(kFontSans));
    title.setPixelSize(int(page.width() * 0.05));
    title.setBold(true);
    p.setFont(title);
    p.setPen(colours::kNavy);
    const QRectF titleRect(page.width() * 0.1, band.bottom() + page.height() * 0.09, page.width() * 0.8,
                           title.pixelSize() * 3);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kGuideTitle);
    QFont text(QString::fromLatin1(kFontSans));
    text.setPixelSize(int(page.width() * 0.022));
    p.setFont(text);
    p.setPen(colours::kSlate);
    p.drawText(QRectF(page.width() * 0.1, titleRect.top() + title.pixelSize() * 3.2, page.width() * 0.8,
                      text.pixelSize() * 8),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Anagrafica dei lavoratori, registrazione dei lavori, riepilogo dei compensi "
                              "e statistiche delle rimunerazioni mensili.\n\nVersione ") +
                   QCoreApplication::applicationVersion());
    p.setPen(QPen(colours::kLine, 2));
    p.drawLine(QPointF(page.width() * 0.1, page.height() * 0.92),
               QPointF(page.width() * 0.9, page.height() * 0.92));
    p.setFont(text);
    p.setPen(colours::kSlate);
    p.drawText(QRectF(page.width() * 0.1, page.height() * 0.925, page.width() * 0.8, text.pixelSize() * 2),
               Qt::AlignRight | Qt::AlignVCenter, kProductWebSite.mid(8));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVELIA_VERSION));
    if (argc < 2) {
        qWarning("Uso: orvelia-guida <Guida.pdf>");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    prepareApplication(application);
    Platform::install(std::make_unique<SilentPlatform>());

    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    setProgramFolder(folder.path());
    writeSampleArchives(folder.path());
    std::map<HelpPage, std::vector<Figure>> figures;
    {
        OrveliaApp app;
        figures = takePictures(app, folder.path());
    }

    QPdfWriter writer(output);
    writer.setTitle(QStringLiteral("Orvelia - ") + kGuideTitle);
    writer.setCreator(QStringLiteral("Orvelia"));
    writer.setResolution(96);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const qreal margin = 72;
    const QSizeF body(page.width() - 2 * margin, page.height() - 2 * margin - 20);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont font(QString::fromLatin1(kFontSans));
    font.setPointSize(11);
    doc.setDefaultFont(font);
    doc.setPageSize(body);
    buildDocument(doc, figures, {});
    const std::vector<int> pages = chapterPages(doc, body.height());
    buildDocument(doc, figures, pages);

    QPainter painter(&writer);
    paintTitlePage(painter, page);
    QFont small(QString::fromLatin1(kFontSans));
    small.setPointSize(8);
    for (int k = 0; k < doc.pageCount(); ++k) {
        writer.newPage();
        painter.save();
        painter.translate(margin, margin - k * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, k * body.height(), body.width(), body.height());
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(small);
        painter.setPen(colours::kSlate);
        painter.drawText(QRectF(margin, margin - 40, body.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                         kRunningHead);
        painter.setPen(QPen(colours::kLine, 1));
        painter.drawLine(QPointF(margin, margin - 16), QPointF(page.width() - margin, margin - 16));
        painter.setPen(colours::kSlate);
        painter.drawText(QRectF(margin, page.height() - margin + 10, body.width(), 20),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(k + 2));
    }
    painter.end();
    return 0;
}

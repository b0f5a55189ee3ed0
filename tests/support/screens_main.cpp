// Renders every window of the program to PNG, for people to look at.
// Usage: orvelia_screens <folder>
#include <utility>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include "core/archive/dates.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/backup/backup.h"
#include "core/system/settings.h"
#include "core/registry/employeesheet.h"
#include "core/work/worksheet.h"
#include "framework/appearance.h"
#include "framework/chart.h"
#include "framework/report.h"
#include "core/reports/summary.h"
#include "core/work/worklines.h"
#include "windows/common/listwindow.h"
#include "windows/app/application.h"
#include "windows/common/navigationwindow.h"
#include "windows/app/tfrminfo.h"
#include "windows/backup/tfrmcopiasicurezza.h"
#include "windows/export/tfrmexpistruttori.h"
#include "windows/registry/tfrmanteprimaistruttore.h"
#include "windows/registry/tfrmdarinnovare.h"
#include "windows/reports/statementprint.h"
#include "windows/reports/tfrmrieppagamenti.h"
#include "windows/registry/tfrmdocumentiscadenza.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/registry/tfrmtrovaistruttori.h"
#include "windows/registry/tfrmstampaistruttore.h"
#include "windows/work/tfrmlavincompleti.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmstampalavoro.h"
#include "windows/work/tfrmtrovalavori.h"

using namespace orvelia;

namespace {

// The monthly chart, as bars and as a pie, on a year with a quiet summer and a busy autumn.
void charts(const QString& out) {
    const double values[12] = {1840, 2210, 2675, 2390, 2980, 1460, 620, 95, 3120, 3540, 2860, 1930};
    const char* months[12] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                              "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    chart::Model model{QStringLiteral("Rimunerazioni mensili"),
                       QStringLiteral("Anno 2026"),
                       QStringLiteral("Legenda"),
                       QStringLiteral("Nessun compenso registrato nell'anno"),
                       {},
                       chart::Kind::Bars};
    for (int i = 0; i < 12; ++i)
        model.points.push_back(
            {QString::fromLatin1(months[i]), values[i], QColor::fromHsv(i * 30, 160, 210)});
    for (const auto& [kind, name] :
         {std::pair{chart::Kind::Bars, "Grafico_barre"}, std::pair{chart::Kind::Pie, "Grafico_torta"}}) {
        model.kind = kind;
        QImage image(1200, 800, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        chart::paint(painter, QRectF(image.rect()), model);
        painter.end();
        image.save(QDir(out).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }
}

void save(QWidget* w, const QString& folder, const QString& name) {
    w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void showAndSave(QWidget* w, const QString& folder, const QString& name) {
    w->show();
    QApplication::processEvents();
    save(w, folder, name);
    w->hide();
}

// The printed sheets, filled as a user would, into PDF files beside the pictures.
void sheets(OrveliaApp& app, const QString& folder) {
    auto* registry = app.window<TfrmIstruttori>();
    const QDateTime when(QDate(2026, 3, 5), QTime(8, 7, 6));
    int k = 0;
    for (QLineEdit* box : registry->findChildren<QLineEdit*>())
        box->setText(QStringLiteral("Valore di prova %1").arg(++k));
    registry->txtCognome->setText(QStringLiteral("Rossi"));
    registry->txtNome->setText(QStringLiteral("Maria Grazia"));
    registry->txtNote->setText(QString(250, u'n').replace(0, 20, QStringLiteral("Nota lunga [DATE] ")));
    TfrmStampaIstruttore employee(registry);
    employee.setValues(registry::employeeSheetValues(registry->recordOnScreen()));
    employee.fillSheet(when);
    QPdfWriter employeePdf(QDir(folder).filePath(QStringLiteral("scheda_lavoratore.pdf")));
    report::render(employee.repDocumento.prepare(when.date()), employeePdf);

    auto* work = app.window<TfrmLavori>();
    for (QLineEdit* box : work->findChildren<QLineEdit*>())
        box->setText(QStringLiteral("Valore di prova %1").arg(++k));
    const QString longText =
        QStringLiteral("Potatura delle siepi e dei cespugli del viale principale, raccolta "
                       "del fogliame, pulizia dei vialetti e dei tombini, controllo "
                       "dell'impianto di irrigazione e sostituzione di due irrigatori "
                       "rotti, annaffiatura delle aiuole fiorite, verifica finale.");
    work->txtAttivita->setText(longText.left(250));
    work->txtMateriali->setText(longText.left(120));
    work->txtNote->setText(longText.left(70));
    TfrmStampaLavoro sheet(work);
    sheet.setValues(work::workSheetValues(work->recordOnScreen()));
    sheet.fillSheet(when);
    QPdfWriter workPdf(QDir(folder).filePath(QStringLiteral("scheda_lavoro.pdf")));
    report::render(sheet.repDocumento.prepare(when.date()), workPdf);

    showAndSave(&employee, folder, QStringLiteral("TfrmStampaIstruttore"));
    TfrmAnteprimaIstruttore preview(registry);
    showAndSave(&preview, folder, QStringLiteral("TfrmAnteprimaIstruttore"));
    showAndSave(&sheet, folder, QStringLiteral("TfrmStampaLavoro"));

    // A list window, on three contracts that have come to their notice period.
    using E = TSchedaLavoratore;
    const char* people[][4] = {{"Rossi", "Maria Grazia", "333 1234567", "31/03/2026"},
                               {"Bianchi", "Luca", "02 7654321", "15/03/2026"},
                               {"Esposito", "Anna", "081 998877", "01/04/2026"}};
    // Their identity documents: one expired, two expiring within the month.
    const char* documents[][2] = {{"Carta d'identit\u00E0", "CA12345BD"},
                                  {"Passaporto", "YA7654321"},
                                  {"Permesso di soggiorno", "I0123456"}};
    const int daysLeft[] = {-12, 9, 25};
    int person = 0;
    for (const auto& p : people) {
        Record r(E::layout);
        r[E::TipoDoc] = QString::fromUtf8(documents[person][0]);
        r[E::NumDoc] = QString::fromUtf8(documents[person][1]);
        r[E::DataSca] = formatDate(QDate::currentDate().addDays(daysLeft[person++]));
        r[E::Cognome] = QString::fromUtf8(p[0]);
        r[E::Nome] = QString::fromUtf8(p[1]);
        r[E::Recapito] = QString::fromUtf8(p[2]);
        r[E::Scadenza] = QString::fromUtf8(p[3]);
        r[E::Preavviso] = QStringLiteral("365");
        r[E::Totale] = QStringLiteral("12000,00");
        r[E::Rata] = QStringLiteral("1000,00");
        r[E::Acquisto] = QStringLiteral("Tempo determinato");
        archive::append(employeeArchivePath(programFolder()), r);
    }
    TfrmDaRinnovare due(registry);
    showAndSave(&due, folder, QStringLiteral("TfrmDaRinnovare"));
    TfrmDocumentiScadenza documentsDue(registry);
    showAndSave(&documentsDue, folder, QStringLiteral("TfrmDocumentiScadenza"));
    TfrmExpIstruttori exportWindow(registry);
    showAndSave(&exportWindow, folder, QStringLiteral("TfrmExpIstruttori"));

    // The worker search: its criteria, then what it found.
    TfrmTrovaIstruttori search(registry);
    search.show();
    QApplication::processEvents();
    save(&search, folder, QStringLiteral("TfrmTrovaIstruttori"));
    search.btnCerca->click();
    QApplication::processEvents();
    save(&search, folder, QStringLiteral("TfrmTrovaIstruttori_risultati"));
    search.hide();
    TfrmTrovaLavori workSearch(work, work->lblFile->text());
    showAndSave(&workSearch, folder, QStringLiteral("TfrmTrovaLavori"));
    // The printed pay summary, its title and closing lines as the list window prints them.
    QStringList summaryLines;
    for (int i = 0; i < 3; ++i) {
        Record r(TSchedaLavoro::layout);
        r[TSchedaLavoro::Attivita] = QStringLiteral("Potatura siepi e pulizia vialetti");
        r[TSchedaLavoro::Data] = QStringLiteral("0%1/03/2026").arg(i + 2);
        r[TSchedaLavoro::Cognome] = QString::fromUtf8(people[i][0]);
        r[TSchedaLavoro::Nome] = QString::fromUtf8(people[i][1]);
        r[TSchedaLavoro::CodFisc] = QStringLiteral("RSSMRA80A01H501U");
        r[TSchedaLavoro::Recapito] = QString::fromUtf8(people[i][2]);
        r[TSchedaLavoro::TotDovuto] = QStringLiteral("%1,50").arg(40 + i);
        std::vector<char> bytes(std::size_t(TSchedaLavoro::kSize));
        r.encode(bytes.data());
        summaryLines << work::workLine(RecordView(TSchedaLavoro::layout, bytes.data()));
        archive::append(workArchivePath(programFolder(), QStringLiteral("2026")), r);
    }
    report::Template summaryPrint = listPrintTemplate();
    fillListPrint(summaryPrint, summary::printTitle(summary::workerLabel(QString())), summaryLines,
                  summary::closingLines(
                      summary::intervalText(QStringLiteral("01/03/2026"), QStringLiteral("31/03/2026")),
                      QStringLiteral("124,50")));
    TfrmRiepPagamenti summaryList(nullptr,
                                  {workArchivePath(programFolder(), QStringLiteral("2026")),
                                   QStringLiteral("01/03/2026"), QStringLiteral("31/03/2026"), QString()});
    summaryList.show();
    QApplication::processEvents();
    summaryList.setWindowState(Qt::WindowNoState);
    summaryList.resize(1280, 800);
    QApplication::processEvents();
    save(&summaryList, folder, QStringLiteral("TfrmRiepPagamenti"));
    summaryList.hide();
    QPdfWriter summaryPdf(QDir(folder).filePath(QStringLiteral("riepilogo_compensi.pdf")));
    report::render(report::prepare(summaryPrint, when.date()), summaryPdf);

    TfrmLavIncompleti incomplete(work, work->lblFile->text());
    showAndSave(&incomplete, folder, QStringLiteral("TfrmLavIncompleti"));

    // Pay statements: a worker of the registry whose works run on to a second page, and one
    // known only from the work records.
    statements::Result result;
    result.summary.interval =
        summary::intervalText(QStringLiteral("01/03/2026"), QStringLiteral("31/03/2026"));
    statements::Statement known;
    known.name = QStringLiteral("Rossi Maria Grazia");
    known.codFisc = QStringLiteral("RSSMGR80A41H501X");
    known.address = QStringLiteral("Via Garibaldi 12, 00184 Roma (RM)");
    known.iban = QStringLiteral("IT60X0542811101000000123456");
    known.inRegistry = true;
    for (int i = 0; i < 62; ++i) {
        statements::Work w;
        w.dateText = QStringLiteral("%1/03/2026").arg(1 + i / 2, 2, 10, QChar(u'0'));
        w.activity = i % 2 ? QStringLiteral("Potatura siepi e pulizia vialetti")
                           : QStringLiteral("Manutenzione aiuole");
        w.from = i % 2 ? QStringLiteral("14:00") : QStringLiteral("08:00");
        w.to = i % 2 ? QStringLiteral("18:30") : QStringLiteral("12:00");
        w.hours = i % 2 ? QStringLiteral("4,5") : QStringLiteral("4");
        w.rate = QStringLiteral("12,50");
        w.amount = i % 2 ? QStringLiteral("56,25") : QStringLiteral("50,00");
        known.works << w;
    }
    known.totalHours = QStringLiteral("263,50");
    known.totalAmount = QStringLiteral("3293,75");
    statements::Statement unknown;
    unknown.name = QStringLiteral("Bianchi Luca");
    unknown.codFisc = QStringLiteral("BNCLCU75C12F205Z");
    for (int i = 0; i < 3; ++i)
        unknown.works << known.works[i];
    unknown.totalHours = QStringLiteral("12,50");
    unknown.totalAmount = QStringLiteral("156,25");
    result.statements = {known, unknown};
    QPdfWriter statementsPdf(QDir(folder).filePath(QStringLiteral("prospetti_compensi.pdf")));
    report::render(report::prepare(statementTemplates(result), when.date()), statementsPdf);
}

void atSize(QWidget* w, const QSize& size, const QString& folder, const QString& name) {
    w->setWindowState(Qt::WindowNoState);
    w->resize(size);
    w->show();
    QApplication::processEvents();
    save(w, folder, name);
    w->hide();
}
} // namespace

// The safety copy window before and while it copies, and the question when the program closes.
void safetyCopy(const QString& out) {
    backup::saveDestination(programFolder(), QStringLiteral("E:/Copie Orvelia"));
    settings::setValue(programFolder(), QStringLiteral("copia/ultima"),
                       QStringLiteral("2026-11-30T17:45:00"));
    TfrmCopiaSicurezza window(nullptr);
    window.show();
    QApplication::processEvents();
    save(&window, out, QStringLiteral("TfrmCopiaSicurezza"));
    window.prgCopia->setValue(420);
    window.prgCopia->show();
    window.lblStato->setText(
        QStringLiteral("Copia in corso: lettura degli archivi, scrittura e controllo del file..."));
    window.lblStato->show();
    for (QPushButton* b : {window.cmdCopia, window.cmdRipristina, window.cmdScegli, window.cmdChiudi})
        b->setEnabled(false);
    QApplication::processEvents();
    save(&window, out, QStringLiteral("TfrmCopiaSicurezza_in_corso"));
    window.hide();
    QMessageBox box;
    prepareMessageBox(
        box, MessageKind::Question,
        QStringLiteral("Attenzione: l'ultima copia di sicurezza degli archivi \u00E8 del 30/11/2026, 11 "
                       "giorni fa.\n\r\n\rFarne una ora?"));
    box.show();
    QApplication::processEvents();
    save(&box, out, QStringLiteral("Promemoria_copia"));
    box.hide();
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    prepareApplication(qapp);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(out);
    QTemporaryDir data;
    setProgramFolder(data.path());

    OrveliaApp app;
    for (const QString& name : app.creationOrder()) {
        QWidget* w = app.window(name);
        auto* nav = qobject_cast<NavigationWindow*>(w);
        if (nav && nav->fillsScreen()) {
            atSize(w, QSize(1280, 800), out, name + QStringLiteral("_1280x800"));
            atSize(w, QSize(1920, 1080), out, name + QStringLiteral("_1920x1080"));
        } else {
            w->show();
            QApplication::processEvents();
            save(w, out, name);
            w->hide();
        }
    }
    // The focus frame of a box with a check picture beside it.
    auto* registry = app.window<TfrmIstruttori>();
    registry->setWindowState(Qt::WindowNoState);
    registry->resize(1280, 800);
    registry->show();
    QApplication::setActiveWindow(registry);
    registry->txtCodFisc->setFocus();
    QApplication::processEvents();
    save(registry, out, QStringLiteral("TfrmIstruttori_codicefiscale"));
    registry->hide();

    TfrmInfo info(nullptr);
    info.show();
    QApplication::processEvents();
    save(&info, out, QStringLiteral("TfrmInfo"));
    TfrmSplash splash(nullptr);
    splash.show();
    QApplication::processEvents();
    save(&splash, out, QStringLiteral("TfrmSplash"));
    safetyCopy(out);
    sheets(app, out);
    charts(out);
    return 0;
}

// The summary list window filled with 100,000 lines, offscreen: how long it
// takes to show them and to answer a quick find that runs to the last line.
// Given the folder of large archives (bench/run passes its 200,000-work year),
// also the browsing and saving commands of the registry and the work window,
// each from the click to the window painted again.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/archive/paths.h"
#include "framework/appearance.h"
#include "framework/listview.h"
#include "framework/platform.h"
#include "generator.h"
#include "framework/commandbar.h"
#include "windows/app/application.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"
#include "windows/reports/tfrmstatistiche.h"
#include "windows/reports/tfrmrieppagamenti.h"
#include "windows/work/tfrmlavori.h"

using namespace orvelia;

namespace {

constexpr int kLines = 100000;

// Message boxes would wait for a user: the timing run only counts them. A tool window is shown,
// painted, handed to `inside` (which may time a command of its own) and closed; `opened` is the
// time from `clock`'s start to the tool window painted.
class CountingPlatform : public QtPlatform {
public:
    bool message(MessageKind, const QString& text, QWidget*) override {
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(text));
        ++messages;
        return true;
    }
    int showModal(QDialog* dialog) override {
        dialog->show();
        QCoreApplication::processEvents();
        dialog->grab();
        opened = double(clock.nsecsElapsed()) / 1e9;
        if (inside)
            inside(dialog);
        dialog->hide();
        return QDialog::Rejected;
    }
    int messages = 0;
    QElapsedTimer clock;
    double opened = 0;
    std::function<void(QDialog*)> inside;
};

constexpr int kRuns = 5;
constexpr double kCommandTarget = 0.3;

// The median of @p runs timings of @p action, from its start to @p window painted again.
double medianSeconds(QWidget* window, const std::function<void()>& action, int runs = kRuns) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        action();
        QCoreApplication::processEvents();
        window->grab();
        times.push_back(double(clock.nsecsElapsed()) / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double seconds, double target) {
    std::printf("%-48s %6.3f s  (obiettivo <= %.1f s)  %s\n", what, seconds, target,
                seconds <= target ? "OK" : "NO");
}

// The median of the times from @p click to the tool window it opens painted.
double medianOpening(CountingPlatform& platform, const std::function<void()>& click) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        platform.clock.start();
        click();
        times.push_back(platform.opened);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median of the times of the search window's Cerca, with @p filter typed into @p box (none when empty).
double medianSearch(CountingPlatform& platform, const std::function<void()>& open, const char* box,
                    const QString& filter) {
    std::vector<double> times;
    platform.inside = [&](QDialog* search) {
        if (auto* typed = search->findChild<QLineEdit*>(QString::fromLatin1(box)))
            typed->setText(filter);
        auto* cerca = search->findChild<QPushButton*>(QStringLiteral("btnCerca"));
        if (!cerca)
            return;
        times.push_back(medianSeconds(
            search, [cerca] { cerca->click(); }, 1));
    };
    for (int i = 0; i < kRuns; ++i)
        open();
    platform.inside = nullptr;
    if (times.empty())
        return -1;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The browsing and saving commands of the two record windows on the archives of @p folder.
int timeRecordWindows(const QString& folder, const QString& frequentWorker, CountingPlatform& platform) {
    setProgramFolder(folder);
    OrveliaApp shell;
    auto* registry = shell.window<TfrmIstruttori>();
    auto* work = shell.window<TfrmLavori>();
    registry->showMaximized();
    QCoreApplication::processEvents();
    const int before = platform.messages;
    report("anagrafica: Ultima (20.000 schede)",
           medianSeconds(registry, [&] { registry->cmdUltimo->clicked(); }), kCommandTarget);
    report("anagrafica: Prima", medianSeconds(registry, [&] { registry->cmdPrimo->clicked(); }),
           kCommandTarget);
    report("anagrafica: Salva (sovrascrive la stessa scheda)",
           medianSeconds(registry, [&] { registry->cmdSalva->clicked(); }), kCommandTarget);
    const auto openSearch = [&] { registry->cmdTrova->clicked(); };
    report("anagrafica: Trova, criteri mostrati", medianOpening(platform, openSearch), kCommandTarget);
    report("anagrafica: Trova, Cerca cognome \"ross\"",
           medianSearch(platform, openSearch, "txtCognome", QStringLiteral("ross")), kCommandTarget);
    report("anagrafica: Scadenze (contratti)",
           medianOpening(platform, [&] { registry->cmdScaduti->clicked(); }), kCommandTarget);
    report("anagrafica: Esporta, anteprima mostrata",
           medianOpening(platform, [&] { registry->cmdEsporta->clicked(); }), 1.0);
    registry->hide();

    work->openYear(workArchivePath(folder, QStringLiteral("2025")), QStringLiteral("2025"));
    work->showMaximized();
    QCoreApplication::processEvents();
    report("lavori: Ultima (anno di 200.000 lavori)",
           medianSeconds(work, [&] { work->cmdUltimo->clicked(); }), kCommandTarget);
    report("lavori: Prima", medianSeconds(work, [&] { work->cmdPrimo->clicked(); }), kCommandTarget);
    report("lavori: Successiva", medianSeconds(work, [&] { work->cmdAvanti->clicked(); }), kCommandTarget);
    report("lavori: Salva (sovrascrive la stessa scheda)",
           medianSeconds(work, [&] { work->cmdSalva->clicked(); }), kCommandTarget);
    const auto openWorkSearch = [&] { work->cmdTrova->clicked(); };
    report("lavori: Trova, Cerca senza filtri", medianSearch(platform, openWorkSearch, "", QString()),
           kCommandTarget);
    report("lavori: Trova, Cerca cognome \"ross\"",
           medianSearch(platform, openWorkSearch, "txtCognome", QStringLiteral("ross")), kCommandTarget);
    report("lavori: Incompleti", medianOpening(platform, [&] { work->cmdIncompleti->clicked(); }),
           kCommandTarget);
    report("lavori: Esporta, anteprima mostrata",
           medianOpening(platform, [&] { work->cmdEsporta->clicked(); }), 1.0);
    work->hide();

    // The summary from its criteria window: everyone, then the worker with the most works.
    auto* criteria = shell.window<TfrmMenuRiepilogoPagamenti>();
    criteria->showMaximized();
    QCoreApplication::processEvents();
    criteria->txtAnno->setText(QStringLiteral("2025"));
    QFocusEvent left(QEvent::FocusOut); // as when the user leaves the box: the interval takes the year
    QCoreApplication::sendEvent(criteria->txtAnno, &left);
    const auto choose = [](QComboBox* box, const QString& text) {
        box->setCurrentIndex(box->findText(text));
    };
    choose(criteria->txtGiornoInizio, QStringLiteral("01"));
    choose(criteria->txtMeseInizio, QStringLiteral("Gennaio"));
    choose(criteria->txtGiornoFine, QStringLiteral("31"));
    choose(criteria->txtMeseFine, QStringLiteral("Dicembre"));
    int listed = 0;
    platform.inside = [&listed](QDialog* list) {
        if (auto* lines = list->findChild<ListView*>(QStringLiteral("lstRecords")))
            listed = lines->count();
    };
    const double everyone = medianOpening(platform, [&] { criteria->btnVisualizza->click(); });
    platform.inside = nullptr;
    report(qPrintable(QStringLiteral("riepilogo: tutti i lavoratori (%1 righe)").arg(listed)), everyone, 1.0);
    criteria->txtTipologia->setText(frequentWorker);
    report("riepilogo: un lavoratore", medianOpening(platform, [&] { criteria->btnVisualizza->click(); }),
           kCommandTarget);
    criteria->hide();

    // The monthly statistics and their chart.
    auto* statistics = shell.window<TfrmStatistiche>();
    statistics->showMaximized();
    QCoreApplication::processEvents();
    statistics->txtAnno->setText(QStringLiteral("2025"));
    const double chart = medianSeconds(statistics, [&] { statistics->btnApri->click(); });
    report(
        qPrintable(
            QStringLiteral("statistiche: anno e grafico (gennaio %1)").arg(statistics->memGennaio->text())),
        chart, kCommandTarget);
    statistics->hide();
    std::printf("(messaggi mostrati durante i comandi: %d)\n", platform.messages - before);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    prepareApplication(app);
    auto* platform = new CountingPlatform;
    Platform::install(std::unique_ptr<Platform>(platform));

    QTemporaryDir dir;
    const bench::GeneratedArchives made = bench::generateArchives(dir.path(), {2000, kLines, 2025, 11});
    if (!dir.isValid() || !made.ok) {
        std::fprintf(stderr, "archivi di prova non scritti: %s\n", qPrintable(made.error));
        return 1;
    }

    // What the criteria window hands the list window: year file, interval and no worker filter.
    QWidget criteria;
    const summary::Request request{workArchivePath(dir.path(), QStringLiteral("2025")),
                                   QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025"), QString()};
    TfrmRiepPagamenti window(&criteria, request);
    QElapsedTimer clock;
    clock.start();
    window.show();
    QCoreApplication::processEvents();
    window.grab(); // every visible line drawn
    const double shown = double(clock.nsecsElapsed()) / 1e9;
    auto* list = window.findChild<ListView*>(QStringLiteral("lstRecords"));
    auto* find = window.findChild<QLineEdit*>(QStringLiteral("txtTrova"));
    auto* findButton = window.findChild<QPushButton*>(QStringLiteral("btnTrova"));
    if (!list || !find || !findButton || list->count() != kLines || platform->messages != 0) {
        std::fprintf(stderr, "la finestra non mostra le %d righe attese\n", kLines);
        return 1;
    }

    // A key only the last line holds: the quick find reads every line before it.
    const QString key = list->lines().last();
    find->setText(key);
    clock.restart();
    findButton->click();
    QCoreApplication::processEvents();
    window.grab();
    const double found = double(clock.nsecsElapsed()) / 1e9;
    if (list->selectedRow() != kLines - 1) {
        std::fprintf(stderr, "la ricerca rapida non ha raggiunto l'ultima riga (riga %d)\n",
                     list->selectedRow());
        return 1;
    }
    const auto verdict = [](double seconds) { return seconds <= 1.0 ? "OK" : "NO"; };
    std::printf("finestra riepilogo, %d righe mostrate:     %6.3f s  (obiettivo <= 1 s)  %s\n", kLines, shown,
                verdict(shown));
    std::printf("ricerca rapida fino all'ultima riga:       %6.3f s  (obiettivo <= 1 s)  %s\n", found,
                verdict(found));
    window.close();
    if (argc > 1)
        return timeRecordWindows(QString::fromLocal8Bit(argv[1]),
                                 argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(), *platform);
    return 0;
}

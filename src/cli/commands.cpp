#include "cli/commands.h"

#include <algorithm>

#include <array>
#include <functional>
#include <optional>

#include <QDir>
#include <QFileInfo>

#include "cli/verify.h"
#include "core/archive/numbers.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/backup/backup.h"
#include "core/checks/codicefiscale.h"
#include "core/checks/creditcard.h"
#include "core/checks/iban.h"
#include "core/checks/partitaiva.h"
#include "core/export/spreadsheet.h"
#include "core/export/workbook.h"
#include "core/lists/lines.h"
#include "core/registry/employeelines.h"
#include "core/reports/monthly.h"
#include "core/reports/statements.h"
#include "core/reports/summary.h"
#include "core/work/workrecord.h"
#include "core/work/worklines.h"

namespace orvelia::cli {

namespace {

const QString kDateForm = QStringLiteral(
    "Attenzione: indicare la data di %1 dell'intervallo nella forma GG/MM (per esempio 01/03).");
const QString kUnknownFormat = QStringLiteral(
    "Attenzione: il formato \"%1\" non esiste. Indicare xls (Excel 97-2003) o xlsx (Excel 2007 e "
    "successivi).");
const QString kNoBackupFolder =
    QStringLiteral("Attenzione: indicare con --destinazione la cartella in cui fare la copia di sicurezza "
                   "(nel programma non ne \u00E8 stata scelta nessuna).");
const QString kReplaceHint = QStringLiteral(
    "Per sostituirli usare --sostituisci: prima di sostituirli viene fatta una copia dei dati presenti, "
    "accanto al file da ripristinare.");
const QString kDaysWithoutDocuments =
    QStringLiteral("Attenzione: l'opzione --giorni vale solo con --documenti.");
const QString kDocumentDays =
    QStringLiteral("Attenzione: indicare con --giorni un numero intero di giorni da 0 a 365.");
const QString kUnknownCheck = QStringLiteral("Attenzione: il tipo di controllo \"%1\" non esiste. Indicare "
                                             "codice-fiscale, partita-iva, carta o iban.");

QString option(const Invocation& call, const char* name) {
    const auto found = call.options.find(QString::fromLatin1(name));
    return found == call.options.end() ? QString() : found->second;
}

// The year as the year boxes take it: four digits (the boxes take nothing else).
bool acceptYear(const QString& year, Console& console) {
    bool digits = year.size() == 4;
    for (const QChar c : year)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits)
        console.message(kYearDigitsMessage);
    return digits;
}

QString yearFile(const Invocation& call) {
    return workArchivePath(call.folder, call.arguments.at(0));
}

// The lines of a list window, in the order the window shows them.
void printList(QStringList lines, Console& console) {
    lists::sortLines(lines);
    console.lines(lines);
}

// A "GG/MM" argument as the two boxes of the criteria window: the day and the month name.
// The month is its number 1-12 or its name as the month list holds it (in any case); anything
// else is refused with the form to use, rather than judged as a month nobody named.
bool splitDayMonth(const QString& text, const QString& which, QString* day, QString* month,
                   Console& console) {
    const QStringList parts = text.split(u'/');
    const QString monthText = parts.size() == 2 ? trimText(parts[1]) : QString();
    bool number = false;
    const int n = monthText.toInt(&number);
    const QStringList& names = summary::monthNames();
    const auto named = std::find_if(names.begin(), names.end(), [&](const QString& name) {
        return name.compare(monthText, Qt::CaseInsensitive) == 0;
    });
    if (number ? (n < 1 || n > 12) : named == names.end()) {
        console.message(kDateForm.arg(which));
        return false;
    }
    *month = number ? names.at(n - 1) : *named;
    // The day list holds "01" to "31": a day of one digit is the entry with its leading zero.
    *day = trimText(parts[0]);
    bool dayNumber = false;
    day->toInt(&dayNumber);
    if (dayNumber && day->size() == 1)
        day->prepend(u'0');
    return true;
}

// The summary request of ANNO GG/MM GG/MM [--cf T], checked as the criteria window checks it.
std::optional<summary::Request> summaryRequest(const Invocation& call, Console& console) {
    const QString year = call.arguments.at(0);
    if (!acceptYear(year, console))
        return std::nullopt;
    QString startDay;
    QString startMonth;
    QString endDay;
    QString endMonth;
    if (!splitDayMonth(call.arguments.at(1), QStringLiteral("inizio"), &startDay, &startMonth, console) ||
        !splitDayMonth(call.arguments.at(2), QStringLiteral("fine"), &endDay, &endMonth, console))
        return std::nullopt;
    const summary::CriteriaCheck check =
        summary::checkCriteria({year, startDay, startMonth, year, endDay, endMonth, year});
    if (check.refusal) {
        console.message(check.refusal->text);
        return std::nullopt;
    }
    return summary::Request{yearFile(call), check.startDate, check.endDate, option(call, "cf")};
}

// The pay statements of the summary, one block of lines for each worker, an empty line between.
int runStatements(const Invocation& call, Console& console) {
    const std::optional<summary::Request> request = summaryRequest(call, console);
    if (!request)
        return kRefused;
    const statements::Result result =
        statements::build(*request, call.today.year(), employeeArchivePath(call.folder));
    if (result.summary.error != ArchiveError::None) {
        console.message(summary::kArchiveNotAccessible);
        return kNoResult;
    }
    if (result.summary.unreadable) {
        console.message(summary::unreadableMessage(*result.summary.unreadable, request->yearFile));
        return kFlawed;
    }
    for (qsizetype i = 0; i < result.statements.size(); ++i) {
        if (i > 0)
            console.line(QString());
        console.lines(statements::textOf(result.statements[i], result.summary.interval));
    }
    return kDone;
}

int runSummary(const Invocation& call, Console& console) {
    const std::optional<summary::Request> checked = summaryRequest(call, console);
    if (!checked)
        return kRefused;
    const summary::Request& request = *checked;
    // The lines are gathered as bytes in one block: everyone's summary of a year may list a million.
    lists::LineBlock lines;
    // Room for a line per record, known from the size of the file without opening it; a file that
    // claims more than a million records (a damaged or sparse one) gets room as it is read.
    const qint64 records =
        std::min<qint64>(QFileInfo(request.yearFile).size() / TSchedaLavoro::kSize, 1 << 20);
    lines.reserve(records, records * work::kLineBytes);
    const summary::Result result =
        summary::scan(request, call.today.year(), [&lines](const RecordView& record) {
            work::appendWorkLine(lines.bytes(), record);
            lines.endLine();
        });
    if (result.error != ArchiveError::None) {
        console.message(summary::kArchiveNotAccessible);
        return kNoResult;
    }
    console.line(summary::printTitle(result.workerLabel));
    lines.sort();
    for (qsizetype i = 0; i < lines.count(); ++i) {
        lines.prefetch(i + 8);
        console.line(lines.line(i));
    }
    // An incomplete summary keeps the interval of the design, as its window does.
    console.lines(summary::closingLines(
        result.interval.isEmpty() ? summary::kIntervalDesign : result.interval, result.total));
    if (result.unreadable) {
        console.message(summary::unreadableMessage(*result.unreadable, request.yearFile));
        return kFlawed;
    }
    return kDone;
}

int runStatistics(const Invocation& call, Console& console) {
    const QString year = call.arguments.at(0);
    if (!acceptYear(year, console))
        return kRefused;
    const MonthlyTotals totals = scanMonthlyTotals(yearFile(call), year);
    if (totals.error != ArchiveError::None) {
        console.message(kArchiveAccessMessage);
        return kNoResult;
    }
    if (totals.unreadableAmount) {
        console.message(unreadableAmountMessage(*totals.unreadableAmount));
        return kNoResult;
    }
    for (std::size_t i = 0; i < 12; ++i)
        console.line(kMonthNames[i] + u'\t' + formatGeneral(roundToEuro(totals.sums[i])));
    if (!totals.unreadableDates.empty()) {
        console.message(unreadableDatesMessage(totals.unreadableDates));
        return kFlawed;
    }
    return kDone;
}

// The lines of a scan of the registry, then what stopped it or the records it could not judge.
template <typename Due>
int printDue(Due due, const std::function<QString(const QList<qint64>&)>& unreadable, Console& console) {
    printList(std::move(due.lines), console);
    if (due.error != ArchiveError::None) {
        console.message(kArchiveAccessMessage);
        return kNoResult;
    }
    if (!due.unreadable.isEmpty()) {
        console.message(unreadable(due.unreadable));
        return kFlawed;
    }
    return kDone;
}

// The contracts due, or with --documenti the identity documents expired or expiring within --giorni days.
int runExpiring(const Invocation& call, Console& console) {
    const QString path = employeeArchivePath(call.folder);
    const QString daysText = option(call, "giorni");
    if (!call.options.contains(QStringLiteral("documenti"))) {
        if (!daysText.isEmpty()) {
            console.message(kDaysWithoutDocuments);
            return kRefused;
        }
        return printDue(registry::expiringContracts(path, call.today), registry::unreadableExpiryMessage,
                        console);
    }
    bool number = false;
    const int days = daysText.isEmpty() ? registry::kDocumentDaysDefault : daysText.toInt(&number);
    if (!daysText.isEmpty() && (!number || days < 0 || days > registry::kDocumentDaysMost)) {
        console.message(kDocumentDays);
        return kRefused;
    }
    return printDue(registry::documentsDue(path, call.today, days), registry::unreadableDocumentMessage,
                    console);
}

int printWorkLines(work::WorkLines found, Console& console) {
    printList(std::move(found.lines), console);
    if (found.error != ArchiveError::None) {
        console.message(kArchiveAccessMessage);
        return kNoResult;
    }
    return kDone;
}

int runIncomplete(const Invocation& call, Console& console) {
    if (!acceptYear(call.arguments.at(0), console))
        return kRefused;
    return printWorkLines(work::incompleteWorks(yearFile(call)), console);
}

// The filter options of the two searches, in the order of their filter boxes.
constexpr std::array<const char*, 10> kEmployeeFilters = {
    "cognome",     "nome",          "mansione",        "categoria", "codice-fiscale",
    "partita-iva", "disponibilita", "equipaggiamento", "contratto", "note"};
constexpr std::array<const char*, 10> kWorkFilters = {"data",     "sede", "attivita",       "postazione",
                                                      "cognome",  "nome", "codice-fiscale", "mansione",
                                                      "progetto", "note"};

template <std::size_t N>
std::array<QString, N> filters(const Invocation& call, const std::array<const char*, N>& names) {
    std::array<QString, N> typed;
    for (std::size_t i = 0; i < N; ++i)
        typed[i] = option(call, names[i]);
    return typed;
}

int runEmployeeSearch(const Invocation& call, Console& console) {
    const registry::EmployeeSearch search(filters(call, kEmployeeFilters));
    auto found = registry::searchEmployees(employeeArchivePath(call.folder), search);
    if (!found) {
        console.message(kArchiveAccessMessage);
        return kNoResult;
    }
    printList(std::move(found.value()), console);
    return kDone;
}

int runWorkSearch(const Invocation& call, Console& console) {
    if (!acceptYear(call.arguments.at(0), console))
        return kRefused;
    const work::WorkSearch search(filters(call, kWorkFilters));
    return printWorkLines(work::searchWorks(yearFile(call), search), console);
}

// The spreadsheet of --formato: the .xls (the default) or the workbook .xlsx.
int exportTo(const QString& source, const ExportTable& table, const Invocation& call, Console& console) {
    const QString format = option(call, "formato");
    const bool workbook = format == QLatin1String("xlsx");
    if (!workbook && !format.isEmpty() && format != QLatin1String("xls")) {
        console.message(kUnknownFormat.arg(format));
        return kRefused;
    }
    const QString target = QDir(call.folder).filePath(table.file(workbook));
    const ArchiveExport done = workbook ? exportArchiveWorkbook(source, table, target, call.today.year())
                                        : exportArchive(source, table, target);
    if (done.readError != ArchiveError::None) {
        console.message(kArchiveAccessMessage);
        return kNoResult;
    }
    if (!done.written) {
        console.message(kExportFailedMessage);
        return kNoResult;
    }
    console.line(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
    return kDone;
}

int runEmployeeExport(const Invocation& call, Console& console) {
    return exportTo(employeeArchivePath(call.folder), kEmployeeExport, call, console);
}

int runWorkExport(const Invocation& call, Console& console) {
    if (!acceptYear(call.arguments.at(0), console))
        return kRefused;
    return exportTo(yearFile(call), kWorkExport, call, console);
}

int runCheck(const Invocation& call, Console& console) {
    const QString kind = call.arguments.at(0);
    const QString value = call.arguments.at(1);
    std::optional<CheckResult> checked;
    if (kind == QLatin1String("codice-fiscale"))
        checked = checkCodiceFiscale(value);
    else if (kind == QLatin1String("partita-iva"))
        checked = checkPartitaIva(value);
    else if (kind == QLatin1String("carta"))
        checked = checkCreditCard(value);
    else if (kind == QLatin1String("iban"))
        checked = checkIban(value);
    if (!checked) {
        console.message(kUnknownCheck.arg(kind));
        return kRefused;
    }
    const CheckResult& result = *checked;
    // A refusal keeps the check window open: the number was not judged.
    if (!result.closesWindow) {
        console.message(result.text);
        return kRefused;
    }
    QString text = result.text;
    console.lines(text.remove(u'\r').split(u'\n'));
    return result.kind == CheckMessage::Information ? kDone : kFlawed;
}

// A safety copy of the folder in --destinazione, or in the folder chosen in the program.
// The outcome of a copy or a restore: its lines on standard output when it was done, its message
// on standard error (with @p hint under it) when not.
int tellOutcome(const backup::Outcome& outcome, Console& console, const QString& hint = QString()) {
    const QString text = backup::message(outcome).remove(u'\r');
    if (outcome.ok()) {
        console.lines(text.split(u'\n'));
        return kDone;
    }
    console.message(hint.isEmpty() ? text : text + u'\n' + hint);
    return outcome.error == backup::Error::NeedsReplace ? kRefused : kNoResult;
}

int runBackup(const Invocation& call, Console& console) {
    const QString chosen = option(call, "destinazione");
    const QString destination = chosen.isEmpty() ? backup::savedDestination(call.folder) : chosen;
    if (destination.isEmpty()) {
        console.message(kNoBackupFolder);
        return kRefused;
    }
    return tellOutcome(backup::makeBackup(call.folder, QDir::current().absoluteFilePath(destination),
                                          QDateTime::currentDateTime()),
                       console);
}

int runRestore(const Invocation& call, Console& console) {
    const backup::Outcome restored = backup::restoreBackup(
        QDir::current().absoluteFilePath(call.arguments.at(0)), call.folder,
        call.options.contains(QStringLiteral("sostituisci")), QDateTime::currentDateTime());
    return tellOutcome(restored, console,
                       restored.error == backup::Error::NeedsReplace ? kReplaceHint : QString());
}

int runVerify(const Invocation& call, Console& console) {
    return verifyFolder(call.folder, call.today.year(), console);
}

} // namespace

const std::vector<CommandSpec>& commands() {
    static const std::vector<CommandSpec> list = {
        {"riepilogo",
         "ANNO GG/MM GG/MM [--cf TESTO]",
         3,
         {"cf"},
         runSummary,
         "i compensi dell'intervallo (di un lavoratore con --cf) e il loro totale"},
        {"prospetti",
         "ANNO GG/MM GG/MM [--cf TESTO]",
         3,
         {"cf"},
         runStatements,
         "il prospetto dei compensi dell'intervallo per ogni lavoratore (o per quelli di --cf)"},
        {"statistiche",
         "ANNO",
         1,
         {},
         runStatistics,
         "i compensi dell'anno mese per mese, arrotondati all'euro"},
        {"scadenze",
         "[--documenti [--giorni N]]",
         0,
         {"giorni"},
         runExpiring,
         "i contratti in scadenza o scaduti; con --documenti i documenti d'identit\u00E0 scaduti o che\n"
         "      scadono entro N giorni (30 se non indicato)",
         {"documenti"}},
        {"incompleti", "ANNO", 1, {}, runIncomplete, "i lavori dell'anno segnati come incompleti"},
        {"cerca-lavoratori",
         "[--cognome T] [--nome T] [--mansione T] [--categoria T] [--codice-fiscale T]\n"
         "                   [--partita-iva T] [--disponibilita T] [--equipaggiamento T]\n"
         "                   [--contratto T] [--note T]",
         0, std::vector<const char*>(kEmployeeFilters.begin(), kEmployeeFilters.end()), runEmployeeSearch,
         "i lavoratori che contengono i testi indicati"},
        {"cerca-lavori",
         "ANNO [--data T] [--sede T] [--attivita T] [--postazione T] [--cognome T]\n"
         "                   [--nome T] [--codice-fiscale T] [--mansione T] [--progetto T]\n"
         "                   [--note T]",
         1, std::vector<const char*>(kWorkFilters.begin(), kWorkFilters.end()), runWorkSearch,
         "i lavori dell'anno che contengono i testi indicati"},
        {"esporta-lavoratori",
         "[--formato xls|xlsx]",
         0,
         {"formato"},
         runEmployeeExport,
         "scrive Anagrafica_Lavoratori.xls (o .xlsx) nella cartella e ne stampa il percorso"},
        {"esporta-lavori",
         "ANNO [--formato xls|xlsx]",
         1,
         {"formato"},
         runWorkExport,
         "scrive Lavori.xls (o .xlsx) nella cartella e ne stampa il percorso"},
        {"controlla",
         "codice-fiscale|partita-iva|carta|iban VALORE",
         2,
         {},
         runCheck,
         "controlla un codice fiscale, una partita IVA, una carta di credito o un IBAN"},
        {"verifica",
         "",
         0,
         {},
         runVerify,
         "controlla l'integrità degli archivi della cartella senza modificarli"},
        {"copia-sicurezza",
         "[--destinazione DIR]",
         0,
         {"destinazione"},
         runBackup,
         "scrive in DIR (o nella cartella scelta nel programma) una copia di sicurezza controllata\n"
         "      di archivi, password e documenti allegati"},
        {"ripristina",
         "FILE.zip [--sostituisci]",
         1,
         {},
         runRestore,
         "rimette nella cartella i dati di una copia di sicurezza, dopo averla controllata; se la\n"
         "      cartella contiene archivi li sostituisce solo con --sostituisci, dopo averne fatto una copia",
         {"sostituisci"}},
    };
    return list;
}

const CommandSpec* findCommand(const QString& name) {
    for (const CommandSpec& spec : commands())
        if (name == QLatin1String(spec.name))
            return &spec;
    return nullptr;
}

} // namespace orvelia::cli

#include "cli/verify.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/archive/dates.h"
#include "core/archive/layout.h"
#include "core/archive/numbers.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/work/pay.h"

namespace orvelia::cli {

namespace {

using W = TSchedaLavoratore;
using L = TSchedaLavoro;

// What one record breaks, one text per fault.
using Faults = QStringList;

QString fieldName(const RecordView& record, int field) {
    return QString::fromLatin1(record.layout().fields[std::size_t(field)].name);
}

void checkLengths(const RecordView& record, Faults& faults) {
    const RecordLayout& layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const int stored = record.storedLength(i);
        const int capacity = layout.fields[std::size_t(i)].capacity;
        if (stored > capacity)
            faults << QStringLiteral("il campo %1 dichiara %2 caratteri, oltre la sua capacità di %3")
                          .arg(fieldName(record, i))
                          .arg(stored)
                          .arg(capacity);
    }
}

void checkRequired(const RecordView& record, std::initializer_list<int> fields, Faults& faults) {
    for (const int field : fields)
        if (trimText(record.text(field)).isEmpty())
            faults << QStringLiteral("il campo %1 è vuoto").arg(fieldName(record, field));
}

std::optional<QDate> checkDate(const RecordView& record, int field, int currentYear, Faults& faults) {
    const QString text = trimText(record.text(field));
    if (text.isEmpty())
        return std::nullopt;
    const auto date = parseDate(text, currentYear);
    if (!date)
        faults << QStringLiteral("il campo %1 (\"%2\") non è una data valida")
                      .arg(fieldName(record, field), text);
    return date;
}

void checkAmount(const RecordView& record, int field, Faults& faults) {
    const QString text = record.text(field);
    if (!parseDecimal(text))
        faults << QStringLiteral("il campo %1 (\"%2\") non è un importo leggibile")
                      .arg(fieldName(record, field), text);
}

Faults employeeFaults(const RecordView& record, int currentYear) {
    Faults faults;
    checkLengths(record, faults);
    checkRequired(record, {W::Cognome, W::Nome, W::Decorrenza, W::Scadenza, W::Preavviso}, faults);
    const auto start = checkDate(record, W::Decorrenza, currentYear, faults);
    const auto end = checkDate(record, W::Scadenza, currentYear, faults);
    if (start && end && *start > *end)
        faults << QStringLiteral("la scadenza del contratto è anteriore alla decorrenza");
    const QString notice = trimText(record[W::Preavviso]);
    bool whole = false;
    notice.toInt(&whole);
    if (!notice.isEmpty() && !whole)
        faults << QStringLiteral("il campo Preavviso (\"%1\") non è un numero di giorni").arg(notice);
    checkAmount(record, W::Totale, faults);
    checkAmount(record, W::Rata, faults);
    return faults;
}

Faults workFaults(const RecordView& record, int currentYear) {
    Faults faults;
    checkLengths(record, faults);
    checkRequired(record, {L::Data, L::Cognome, L::Nome, L::CodFisc, L::Attivita}, faults);
    checkDate(record, L::Data, currentYear, faults);
    const auto start = readTimeOfDay(record[L::DaOre], record[L::DaMin]);
    const auto end = readTimeOfDay(record[L::AOre], record[L::AMin]);
    if (!start || !end)
        faults << QStringLiteral("l'orario di inizio o di fine lavoro non è leggibile");
    else if (*start > *end)
        faults << QStringLiteral("l'ora di inizio lavoro è posteriore a quella di fine lavoro");
    checkAmount(record, L::TotOre, faults);
    checkAmount(record, L::CompensoOra, faults);
    checkAmount(record, L::TotDovuto, faults);
    const QString flag = trimText(record[L::Incompleto]);
    if (flag != kYes && flag != kNo)
        faults << QStringLiteral("il campo Incompleto vale \"%1\" invece di \"%2\" o \"%3\"")
                      .arg(flag, kYes, kNo);
    return faults;
}

// Checks one archive and writes its report; returns the number of faults found.
qint64 verifyArchive(const QString& path, const RecordLayout& layout,
                     Faults (*recordFaults)(const RecordView&, int), int currentYear, Console& console) {
    const QString name = QFileInfo(path).fileName();
    const bool interrupted = QFileInfo::exists(journalPath(path));
    RecordFile file(path, layout);
    const auto size = file.openExisting() == ArchiveError::None ? file.byteSize()
                                                                : ArchiveResult<qint64>(ArchiveError::Open);
    if (!size) {
        console.line(
            QStringLiteral("%1: l'archivio non può essere letto (non è un file, o non è accessibile).")
                .arg(name));
        return 1;
    }
    qint64 faults = 0;
    // Opening puts back the record of a save that was interrupted, where the folder can be written.
    if (interrupted && QFileInfo::exists(journalPath(path))) {
        console.line(QStringLiteral("%1: un salvataggio interrotto non può essere annullato (la cartella non "
                                    "è scrivibile).")
                         .arg(name));
        ++faults;
    } else if (interrupted) {
        console.line(QStringLiteral("%1: un salvataggio interrotto è stato annullato e la scheda di prima "
                                    "ripristinata.")
                         .arg(name));
    }
    const qint64 records = *size / layout.size;
    const qint64 tail = *size % layout.size;
    console.line(tail == 0 ? QStringLiteral("%1: %2 schede intere.").arg(name).arg(records)
                           : QStringLiteral("%1: %2 schede intere e una scheda troncata di %3 byte in coda.")
                                 .arg(name)
                                 .arg(records)
                                 .arg(tail));
    faults += tail == 0 ? 0 : 1;
    const ArchiveError scanned = file.scan([&](qint64 number, const RecordView& record) {
        const Faults found = recordFaults(record, currentYear);
        for (const QString& fault : found)
            console.line(QStringLiteral("  %1, scheda %2: %3.").arg(name).arg(number).arg(fault));
        faults += found.size();
        return true;
    });
    file.close();
    if (scanned != ArchiveError::None) {
        console.line(QStringLiteral("%1: la lettura dell'archivio si è interrotta.").arg(name));
        ++faults;
    }
    return faults;
}

} // namespace

int verifyFolder(const QString& folder, int currentYear, Console& console) {
    const QDir dir(folder);
    qint64 faults = 0;
    int archives = 0;
    // Whatever stands under an archive's name is checked: a folder, a pipe or a broken link there is
    // an archive the program cannot read.
    const QFileInfo employees(employeeArchivePath(folder));
    if (employees.exists() || employees.isSymLink()) {
        ++archives;
        faults += verifyArchive(employeeArchivePath(folder), W::layout, employeeFaults, currentYear, console);
    }
    static const QRegularExpression yearName(QStringLiteral("^[0-9]{4}\\.lav$"));
    const QStringList years =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : years) {
        if (!yearName.match(entry).hasMatch())
            continue;
        ++archives;
        faults += verifyArchive(dir.filePath(entry), L::layout, workFaults, currentYear, console);
    }
    if (archives == 0) {
        console.line(QStringLiteral("Nessun archivio nella cartella %1.")
                         .arg(QDir::toNativeSeparators(dir.absolutePath())));
        return kDone;
    }
    if (faults == 0) {
        console.line(QStringLiteral("Esito: gli archivi sono integri."));
        return kDone;
    }
    console.line(faults == 1 ? QStringLiteral("Esito: 1 anomalia rilevata.")
                             : QStringLiteral("Esito: %1 anomalie rilevate.").arg(faults));
    return kFlawed;
}

} // namespace orvelia::cli

#include "generator.h"

#include <algorithm>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include "core/archive/dates.h"
#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/checks/codicefiscale.h"
#include "core/work/pay.h"

namespace orvelia::bench {

std::uint64_t SplitMix64::next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t SplitMix64::below(std::uint64_t n) {
    return std::uint64_t((static_cast<unsigned __int128>(next()) * n) >> 64);
}

namespace {

using W = TSchedaLavoratore;
using L = TSchedaLavoro;

QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

const QString& pick(SplitMix64& random, const QStringList& list) {
    return list.at(qsizetype(random.below(std::uint64_t(list.size()))));
}

QString digits(SplitMix64& random, int count) {
    QString out;
    for (int i = 0; i < count; ++i)
        out += QChar(u'0' + int(random.below(10)));
    return out;
}

QString money(std::int64_t cents) {
    return QStringLiteral("%1,%2").arg(cents / 100).arg(int(cents % 100), 2, 10, QChar(u'0'));
}

QDate dayBetween(SplitMix64& random, const QDate& first, const QDate& last) {
    return first.addDays(qint64(random.below(std::uint64_t(first.daysTo(last) + 1))));
}

struct Comune {
    const char* name;
    const char* province;
    const char* code;
    const char* cap;
};

constexpr Comune kComuni[] = {
    {"Roma", "RM", "H501", "00100"},    {"Milano", "MI", "F205", "20100"},
    {"Napoli", "NA", "F839", "80100"},  {"Torino", "TO", "L219", "10100"},
    {"Palermo", "PA", "G273", "90100"}, {"Genova", "GE", "D969", "16100"},
    {"Bologna", "BO", "A944", "40100"}, {"Firenze", "FI", "D612", "50100"},
    {"Bari", "BA", "A662", "70100"},    {"Catania", "CT", "C351", "95100"},
    {"Venezia", "VE", "L736", "30100"}, {"Verona", "VR", "L781", "37100"},
    {"Messina", "ME", "F158", "98100"}, {"Padova", "PD", "G224", "35100"},
    {"Trieste", "TS", "L424", "34100"}, {"Brescia", "BS", "B157", "25100"},
    {"Parma", "PR", "G337", "43100"},   {"Modena", "MO", "F257", "41100"},
    {"Prato", "PO", "G999", "59100"},   {"Cagliari", "CA", "B354", "09100"},
    {"Ancona", "AN", "A271", "60100"},  {"Perugia", "PG", "G478", "06100"},
    {"Pescara", "PE", "G482", "65100"}, {"Salerno", "SA", "H703", "84100"},
    {"Lecce", "LE", "E506", "73100"},   {"Bergamo", "BG", "A794", "24100"},
    {"Treviso", "TV", "L407", "31100"},
};

// The word lists, built once.
struct Words {
    QStringList surnames = texts({
        "ROSSI",     "RUSSO",   "FERRARI",   "ESPOSITO",   "BIANCHI",    "ROMANO",     "COLOMBO",
        "RICCI",     "MARINO",  "GRECO",     "BRUNO",      "GALLO",      "CONTI",      "DE LUCA",
        "MANCINI",   "COSTA",   "GIORDANO",  "RIZZO",      "LOMBARDI",   "MORETTI",    "BARBIERI",
        "FONTANA",   "SANTORO", "MARIANI",   "RINALDI",    "CARUSO",     "FERRARA",    "GALLI",
        "MARTINI",   "LEONE",   "LONGO",     "GENTILE",    "MARTINELLI", "VITALE",     "LOMBARDO",
        "SERRA",     "COPPOLA", "DE SANTIS", "D'ANGELO",   "MARCHETTI",  "PARISI",     "VILLA",
        "CONTE",     "FERRARO", "FERRI",     "FABBRI",     "BIANCO",     "MARINI",     "GRASSO",
        "VALENTINI", "MESSINA", "SALA",      "DE ANGELIS", "GATTI",      "PELLEGRINI", "PALUMBO",
        "SANNA",     "FARINA",  "RIZZI",     "MONTI",      "CATTANEO",   "MORELLI",    "AMATO",
        "SILVESTRI", "MAZZA",   "TESTA",     "GRASSI",     "PELLEGRINO", "CARBONE",    "GIULIANI",
        "BENEDETTI", "BARONE",  "ROSSETTI",  "CAPUTO",     "MONTANARI",  "GUERRA",     "PALMIERI",
        "BERNARDI",  "MARTINO", "FIORE",     "DE ROSA",    "FERRANTE",   "BASSI",      "ROSSO",
        "D'AMICO",   "ORLANDO", "NEGRI",     "SARTORI",    "BELLINI",    "CATTANI",    "ZANETTI",
    });
    QStringList menNames = texts({
        "MARCO",    "LUCA",    "GIUSEPPE",   "GIOVANNI", "ANDREA",    "FRANCESCO", "ALESSANDRO",
        "ANTONIO",  "MATTEO",  "LORENZO",    "DAVIDE",   "SIMONE",    "FEDERICO",  "RICCARDO",
        "STEFANO",  "PAOLO",   "ROBERTO",    "MASSIMO",  "SALVATORE", "VINCENZO",  "FABIO",
        "DANIELE",  "CLAUDIO", "MAURIZIO",   "GIANLUCA", "PIETRO",    "EMANUELE",  "NICOLA",
        "GABRIELE", "TOMMASO", "GIAN PAOLO", "MARIO",    "CARLO",     "ENRICO",    "SERGIO",
    });
    QStringList womenNames = texts({
        "MARIA",     "ANNA",         "GIULIA",   "FRANCESCA", "CHIARA",   "SARA",     "LAURA",
        "VALENTINA", "ELENA",        "ALESSIA",  "MARTINA",   "FEDERICA", "SILVIA",   "PAOLA",
        "ROBERTA",   "ELISA",        "CRISTINA", "BARBARA",   "MONICA",   "SIMONA",   "ALICE",
        "GIORGIA",   "SOFIA",        "AURORA",   "ILARIA",    "BEATRICE", "SERENA",   "DANIELA",
        "ANTONELLA", "MARIA GRAZIA", "ROSA",     "LUCIA",     "TERESA",   "CATERINA",
    });
    QStringList streets = texts({
        "Via Roma",
        "Via Garibaldi",
        "Via Mazzini",
        "Corso Italia",
        "Via Dante Alighieri",
        "Piazza della Repubblica",
        "Via Verdi",
        "Via Cavour",
        "Viale dei Mille",
        "Via XX Settembre",
        "Via San Francesco",
        "Via delle Rose",
        "Via Matteotti",
        "Via Gramsci",
        "Via della Libertà",
        "Via dei Tigli",
        "Vicolo del Pozzo",
        "Via Nazionale",
    });
    QStringList mobilePrefixes = texts(
        {"320", "328", "333", "335", "338", "340", "345", "347", "348", "349", "366", "380", "392", "393"});
    QStringList areaCodes = texts({"06", "02", "081", "011", "091", "010", "051", "055", "080", "095"});
    QStringList jobs = texts({
        "Giardiniere",
        "Operaio edile",
        "Muratore",
        "Elettricista",
        "Idraulico",
        "Imbianchino",
        "Addetto alle pulizie",
        "Magazziniere",
        "Autista",
        "Manutentore",
        "Carpentiere",
        "Falegname",
        "Potatore",
        "Custode",
    });
    QStringList categories = texts(
        {"Operaio comune", "Operaio qualificato", "Operaio specializzato", "Apprendista", "Collaboratore"});
    QStringList contracts = texts({"Prestazione occasionale", "Contratto a chiamata", "Tempo determinato",
                                   "Collaborazione coordinata", "Lavoro stagionale"});
    QStringList zones = texts(
        {"Centro storico", "Zona nord", "Zona sud", "Periferia est", "Periferia ovest", "Zona industriale"});
    QStringList notices = texts({"15", "30", "60"});
    QStringList payments = texts({"Bonifico bancario", "Bonifico bancario", "Assegno", "Contanti"});
    QStringList documents = texts({"Carta d'identità", "Carta d'identità", "Patente di guida", "Passaporto"});
    QStringList families = texts({"Celibe", "Nubile", "Coniugato, 1 figlio", "Coniugata, 2 figli",
                                  "Convivente", "Coniugato, 3 figli", "Vedovo"});
    QStringList qualifications = texts({
        "Corso sicurezza sul lavoro",
        "Primo soccorso",
        "Antincendio rischio medio",
        "Patentino fitosanitario",
        "Patente C",
        "Lavori in quota",
        "Uso della motosega",
        "Carrellista (muletto)",
    });
    QStringList workerNotes = texts({
        "Disponibile anche il sabato",
        "Preferisce i turni del mattino",
        "Automunito",
        "Non disponibile in agosto",
        "Referenze verificate",
        "Chiedere conferma del turno il giorno prima",
        "Parla inglese e francese",
        "Può lavorare anche di notte",
    });
    QStringList sites = texts({
        "Villa Comunale",
        "Parco della Rimembranza",
        "Scuola elementare Collodi",
        "Palazzo Municipale",
        "Cimitero comunale",
        "Condominio Le Magnolie",
        "Cantiere di Via Garibaldi",
        "Magazzino centrale",
        "Centro sportivo",
        "Biblioteca civica",
        "Stadio comunale",
        "Residenza Il Glicine",
        "Capannone zona industriale",
        "Giardini pubblici",
        "Piazza del Mercato",
        "Asilo nido Arcobaleno",
        "Ufficio postale",
        "Casa di riposo San Giuseppe",
        "Lungomare",
        "Municipio - sala consiliare",
    });
    QStringList actions = texts({
        "Manutenzione",
        "Pulizia",
        "Verifica",
        "Riparazione",
        "Sistemazione",
        "Controllo",
        "Tinteggiatura",
        "Sgombero",
        "Messa in sicurezza",
        "Sostituzione di parti",
        "Lavaggio",
        "Ispezione",
    });
    QStringList objects = texts({
        "delle siepi",
        "dei vialetti",
        "dell'impianto di irrigazione",
        "delle aiuole fiorite",
        "del cancello d'ingresso",
        "delle grondaie",
        "dei serramenti",
        "della recinzione",
        "del magazzino",
        "degli uffici",
        "delle scale condominiali",
        "della caldaia",
        "dei quadri elettrici",
        "del tetto",
        "del parcheggio",
        "dei locali al piano terra",
        "delle panchine",
        "del muro di cinta",
        "dei bagni",
        "della palestra",
    });
    QStringList details = texts({
        "",
        "",
        "",
        " lato nord",
        " lato strada",
        " su richiesta del cliente",
        " (secondo intervento)",
        " e smaltimento dei rifiuti",
        " con la squadra B",
        " – attività completata",
        " con il cestello",
        " prima dell'apertura al pubblico",
    });
    QStringList stations = texts({"Squadra 1", "Squadra 2", "Squadra 3", "Squadra 4", "Ufficio tecnico",
                                  "Magazzino", "Furgone 2", "Cantiere"});
    QStringList materials = texts({
        "",
        "",
        "Sacchi e guanti",
        "Decespugliatore, miscela",
        "Vernice lavabile bianca, rulli",
        "Cavi elettrici, morsetti",
        "Cemento, sabbia",
        "Detergenti, panni in microfibra",
        "Tubi in PVC, raccordi",
        "Viti, tasselli",
        "Sale antigelo",
        "Transenne e nastro segnaletico",
    });
    QStringList workNotes = texts({
        "Da completare il giorno successivo",
        "Intervento richiesto dall'ufficio tecnico",
        "Cliente assente, lasciato avviso",
        "Pioggia: lavoro sospeso per un'ora",
        "Consegnato il rapporto firmato",
        "Verificare la fattura dei materiali",
        "Lavoro eseguito in due persone",
        "Pausa pranzo non retribuita",
    });
    struct Project {
        QString name, code, scope;
    };
    std::vector<Project> projects;

    explicit Words(int year) {
        const char* const table[][3] = {
            {"Manutenzione del verde pubblico", "VRD", "Verde urbano"},
            {"Pulizia degli edifici comunali", "PUL", "Servizi di pulizia"},
            {"Ristrutturazione della scuola elementare", "EDL", "Edilizia scolastica"},
            {"Impianti elettrici degli uffici", "ELT", "Impianti"},
            {"Sgombero neve e sale sulle strade", "STR", "Viabilità"},
            {"Allestimento delle feste di paese", "EVT", "Eventi e manifestazioni"},
            {"Custodia degli impianti sportivi", "SPT", "Sport"},
            {"Manutenzione dei condomìni privati", "CND", "Clienti privati"},
            {"Trasporti e consegne", "TRS", "Logistica"},
            {"Riqualificazione del centro storico", "CST", "Arredo urbano"},
        };
        int n = 0;
        for (const auto& row : table) {
            ++n;
            projects.push_back(
                {QString::fromUtf8(row[0]),
                 QStringLiteral("%1-%2-%3").arg(QLatin1String(row[1])).arg(year).arg(n, 2, 10, QChar(u'0')),
                 QString::fromUtf8(row[2])});
        }
    }
};

// The letters A-Z of a name, in order, split into consonants and vowels.
void letters(const QString& text, QString& consonants, QString& vowels) {
    for (const QChar c : text) {
        if (c < u'A' || c > u'Z')
            continue;
        if (QStringLiteral("AEIOU").contains(c))
            vowels += c;
        else
            consonants += c;
    }
}

QString threeLetters(const QString& consonants, const QString& vowels) {
    return (consonants + vowels + QStringLiteral("XXX")).left(3);
}

// What the work records copy from their worker.
struct WorkerSummary {
    QString cognome, nome, codFisc, recapito, mansione, categoria;
    int rateCents;
};

class ChunkedFile {
public:
    ChunkedFile(const QString& path, int recordSize)
        : m_file(path)
        , m_recordSize(recordSize)
        , m_perChunk(std::max(1, (4 << 20) / recordSize)) {
        m_buffer.resize(qsizetype(m_perChunk) * recordSize);
    }

    bool open() { return m_file.open(QIODevice::WriteOnly); }

    bool add(const Record& record) {
        record.encode(m_buffer.data() + qsizetype(m_used) * m_recordSize);
        return ++m_used < m_perChunk || flush();
    }

    bool finish() {
        if (!flush()) {
            m_file.cancelWriting();
            return false;
        }
        return m_file.commit();
    }

    QString errorText() const { return m_file.errorString(); }

private:
    bool flush() {
        const qint64 bytes = qint64(m_used) * m_recordSize;
        m_used = 0;
        return bytes == 0 || m_file.write(m_buffer.constData(), bytes) == bytes;
    }

    QSaveFile m_file;
    QByteArray m_buffer;
    int m_recordSize;
    int m_perChunk;
    int m_used = 0;
};

QString phone(SplitMix64& random, const Words& words) {
    return pick(random, words.mobilePrefixes) + u' ' + digits(random, 7);
}

QString emailPart(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            out += c.toLower();
    }
    return out;
}

Record makeWorker(SplitMix64& random, const Words& words, QSet<QString>& codes, WorkerSummary& summary) {
    Record r(W::layout);
    const bool female = random.chance(400);
    const QString surname = pick(random, words.surnames);
    const QString name = pick(random, female ? words.womenNames : words.menNames);
    const Comune* birthPlace = nullptr;
    QDate birth;
    QString code;
    // Two people with the same code would blur the searches by code: draw again.
    do {
        birthPlace = &kComuni[random.below(std::size(kComuni))];
        birth = dayBetween(random, QDate(1958, 1, 1), QDate(2005, 12, 31));
        code = codiceFiscale(surname, name, birth, female, QLatin1String(birthPlace->code));
    } while (codes.contains(code));
    codes.insert(code);
    const Comune& home = random.chance(700) ? *birthPlace : kComuni[random.below(std::size(kComuni))];

    r[W::Cognome] = surname;
    r[W::Nome] = name;
    r[W::CodFisc] = code;
    r[W::Sesso] = female ? QStringLiteral("F") : QStringLiteral("M");
    r[W::DataNasc] = formatDate(birth);
    r[W::ComuneNasc] = QLatin1String(birthPlace->name);
    r[W::ProvNasc] = QLatin1String(birthPlace->province);
    r[W::Indirizzo] = pick(random, words.streets) + u' ' + QString::number(1 + random.below(180));
    r[W::Cap] = QLatin1String(home.cap);
    r[W::ComuneRes] = QLatin1String(home.name);
    r[W::ProvRes] = QLatin1String(home.province);
    r[W::Stato] = QStringLiteral("Italia");
    if (random.chance(300))
        r[W::Familiari] = pick(random, words.families);
    const QString mobile = phone(random, words);
    r[W::Recapito] = mobile;
    r[W::TelCel] = mobile;
    if (random.chance(400))
        r[W::TelCasa] = pick(random, words.areaCodes) + u' ' + digits(random, 7);
    if (random.chance(600))
        r[W::Email] = emailPart(name) + u'.' + emailPart(surname) +
                      (random.chance(300) ? QString::number(random.below(100)) : QString()) +
                      QStringLiteral("@esempio.it");
    const QString job = pick(random, words.jobs);
    if (random.chance(500))
        r[W::Qualifiche] = pick(random, words.qualifications);
    r[W::Professione] = job;
    r[W::Pagamento] = pick(random, words.payments);
    if (random.chance(250))
        r[W::Note] = pick(random, words.workerNotes);
    r[W::TipoDoc] = pick(random, words.documents);
    r[W::NumDoc] = QStringLiteral("CA") + digits(random, 5) + QChar(u'A' + int(random.below(26))) +
                   QChar(u'A' + int(random.below(26)));
    r[W::EnteRil] = QStringLiteral("Comune di ") + QLatin1String(home.name);
    const QDate issued = dayBetween(random, QDate(2017, 1, 1), QDate(2025, 12, 31));
    r[W::DataRil] = formatDate(issued);
    r[W::DataSca] = formatDate(issued.addYears(10));
    r[W::Codice] = job;
    r[W::Categoria] = pick(random, words.categories);
    r[W::Zona] = pick(random, words.zones);
    r[W::Acquisto] = pick(random, words.contracts);

    // Most contracts run for years yet; a share reach their end around the turn of 2026, a few are over.
    QDate expiry;
    const auto kind = random.below(100);
    if (kind < 8)
        expiry = dayBetween(random, QDate(2026, 11, 15), QDate(2027, 2, 14));
    else if (kind < 15)
        expiry = dayBetween(random, QDate(2023, 1, 1), QDate(2026, 11, 14));
    else
        expiry = dayBetween(random, QDate(2027, 2, 15), QDate(2029, 12, 31));
    // Every contract has started by the end of November 2026, at least three months before its expiry.
    const QDate latestStart = std::min(expiry.addDays(-90), QDate(2026, 11, 30));
    r[W::Decorrenza] = formatDate(latestStart.addDays(-qint64(random.below(900))));
    r[W::Scadenza] = formatDate(expiry);
    r[W::Preavviso] = pick(random, words.notices);

    static const std::pair<const char*, int> kInstalments[] = {
        {"Mensile", 12}, {"Bimestrale", 6}, {"Trimestrale", 4}, {"Semestrale", 2}, {"Annuale", 1}};
    const auto& [instalment, count] = kInstalments[random.below(std::size(kInstalments))];
    const std::int64_t rate = 5000 + std::int64_t(random.below(95000));
    r[W::Frazionamento] = QLatin1String(instalment);
    r[W::Rata] = money(rate);
    r[W::Totale] = money(rate * count);

    summary = {surname, name, code, mobile, job, r[W::Categoria], 1250 + 50 * int(random.below(26))};
    return r;
}

// The day of work @p index of @p count: the register runs through the year in
// order, a few days either way; weekends are rare.
QDate workDay(SplitMix64& random, int year, std::int64_t index, std::int64_t count) {
    const QDate first(year, 1, 1);
    const int days = first.daysInYear();
    const auto base = std::int64_t((static_cast<__int128>(index) * days) / count);
    const auto day = std::clamp<std::int64_t>(base + std::int64_t(random.below(7)) - 3, 0, days - 1);
    QDate date = first.addDays(day);
    if (date.dayOfWeek() >= 6 && !random.chance(120)) {
        const QDate moved = date.addDays(date.dayOfWeek() == 6 ? -1 : 1);
        if (moved.year() == year)
            date = moved;
    }
    return date;
}

Record makeWork(SplitMix64& random, const Words& words, const WorkerSummary& worker, const QDate& day) {
    Record r(L::layout);
    r[L::Cognome] = worker.cognome;
    r[L::Nome] = worker.nome;
    r[L::CodFisc] = worker.codFisc;
    r[L::Recapito] = worker.recapito;
    r[L::Mansione] = worker.mansione;
    r[L::Categoria] = worker.categoria;
    r[L::Data] = formatDate(day);
    r[L::Luogo] = pick(random, words.sites);
    r[L::Attivita] =
        pick(random, words.actions) + u' ' + pick(random, words.objects) + pick(random, words.details);

    const int start = (6 + int(random.below(10))) * 60 + 15 * int(random.below(4));
    const int end = std::min(start + 15 * (4 + int(random.below(33))), 22 * 60);
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    r[L::DaOre] = two(start / 60);
    r[L::DaMin] = two(start % 60);
    r[L::AOre] = two(end / 60);
    r[L::AMin] = two(end % 60);
    r[L::OraInizio] = r[L::DaOre] + u':' + r[L::DaMin];
    r[L::OraFine] = r[L::AOre] + u':' + r[L::AMin];
    // Now and then the rate of a day differs from the usual one.
    const int rate = random.chance(100) ? 1250 + 50 * int(random.below(26)) : worker.rateCents;
    const AmountResult pay =
        computeAmount(r[L::DaOre], r[L::DaMin], r[L::AOre], r[L::AMin], {QString(), money(rate), QString()});
    r[L::TotOre] = pay.texts.totOre;
    r[L::CompensoOra] = pay.texts.compensoOra;
    r[L::TotDovuto] = pay.texts.totDovuto;

    const auto& project = words.projects[random.below(words.projects.size())];
    r[L::NomeProg] = project.name;
    r[L::CodiceProg] = project.code;
    r[L::AmbitoProg] = project.scope;
    r[L::Postazione] = pick(random, words.stations);
    r[L::Materiali] = pick(random, words.materials);
    if (random.chance(200))
        r[L::Note] = pick(random, words.workNotes);
    r[L::Incompleto] = random.chance(40) ? kYes : kNo;
    return r;
}

} // namespace

QString codiceFiscale(const QString& surname, const QString& name, const QDate& birth, bool female,
                      const QString& comuneCode) {
    QString consonants, vowels;
    letters(upperAscii(surname), consonants, vowels);
    QString code = threeLetters(consonants, vowels);
    consonants.clear();
    vowels.clear();
    letters(upperAscii(name), consonants, vowels);
    if (consonants.size() >= 4)
        code += QString(consonants.at(0)) + consonants.at(2) + consonants.at(3);
    else
        code += threeLetters(consonants, vowels);
    code += QStringLiteral("%1").arg(birth.year() % 100, 2, 10, QChar(u'0'));
    code += QStringLiteral("ABCDEHLMPRST").at(birth.month() - 1);
    code += QStringLiteral("%1").arg(birth.day() + (female ? 40 : 0), 2, 10, QChar(u'0'));
    code += comuneCode;
    if (const auto check = codiceFiscaleCheckChar(code))
        code += *check;
    return code;
}

GeneratedArchives generateArchives(const QString& folder, const ArchiveSizes& sizes) {
    GeneratedArchives out;
    if (sizes.workers < 0 || sizes.works < 0 || sizes.year < 1000 || sizes.year > 9999) {
        out.error = QStringLiteral("Numeri non validi.");
        return out;
    }
    if (sizes.works > 0 && sizes.workers == 0) {
        out.error = QStringLiteral("Per scrivere dei lavori serve almeno un lavoratore.");
        return out;
    }
    if (!QDir().mkpath(folder)) {
        out.error = QStringLiteral("Impossibile creare la cartella %1.").arg(folder);
        return out;
    }
    const Words words(sizes.year);
    SplitMix64 random(sizes.seed);

    std::vector<WorkerSummary> workers(std::size_t(sizes.workers));
    {
        ChunkedFile file(employeeArchivePath(folder), W::kSize);
        if (!file.open()) {
            out.error = QStringLiteral("Impossibile scrivere %1: %2")
                            .arg(employeeArchivePath(folder), file.errorText());
            return out;
        }
        QSet<QString> codes;
        bool written = true;
        for (auto& summary : workers) {
            if (!file.add(makeWorker(random, words, codes, summary))) {
                written = false;
                break;
            }
        }
        if (!written || !file.finish()) {
            out.error = QStringLiteral("Scrittura di %1 non riuscita: %2")
                            .arg(employeeArchivePath(folder), file.errorText());
            return out;
        }
    }

    const QString workPath = workArchivePath(folder, QString::number(sizes.year));
    ChunkedFile file(workPath, L::kSize);
    if (!file.open()) {
        out.error = QStringLiteral("Impossibile scrivere %1: %2").arg(workPath, file.errorText());
        return out;
    }
    for (std::int64_t i = 0; i < sizes.works; ++i) {
        // The first worker has about one work in a hundred; the others share the rest.
        const std::size_t who = random.chance(10) ? 0 : std::size_t(random.below(workers.size()));
        const QDate day = workDay(random, sizes.year, i, sizes.works);
        if (!file.add(makeWork(random, words, workers[who], day))) {
            out.error = QStringLiteral("Scrittura di %1 non riuscita: %2").arg(workPath, file.errorText());
            return out;
        }
    }
    if (!file.finish()) {
        out.error = QStringLiteral("Scrittura di %1 non riuscita: %2").arg(workPath, file.errorText());
        return out;
    }
    out.ok = true;
    if (!workers.empty())
        out.frequentCodiceFiscale = workers.front().codFisc;
    return out;
}

} // namespace orvelia::bench

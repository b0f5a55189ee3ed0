#pragma once

// Archive files written byte by byte for the command-line tests, from the
// record format alone: every field is one length byte followed by its
// capacity in bytes, Windows-1252, records one after another with no header.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failures: texts printed as UTF-8, lists one line each.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& lines, std::ostream* os) {
    *os << "{\n";
    for (const QString& line : lines)
        *os << "  \"" << line.toStdString() << "\"\n";
    *os << "}";
}

namespace fixtures {

struct RawField {
    const char* name;
    int capacity;
};

inline const std::vector<RawField> kWorkerFields = {
    {"Cognome", 50},     {"Nome", 50},        {"CodFisc", 16},   {"Sesso", 1},          {"DataNasc", 10},
    {"ComuneNasc", 50},  {"ProvNasc", 2},     {"Iva", 11},       {"Indirizzo", 50},     {"Cap", 5},
    {"ComuneRes", 50},   {"ProvRes", 2},      {"Stato", 50},     {"Familiari", 250},    {"Recapito", 50},
    {"TelCasa", 50},     {"TelCel", 50},      {"TelUff", 50},    {"Fax", 50},           {"Email", 50},
    {"Qualifiche", 250}, {"Professione", 50}, {"Iban", 27},      {"Intestatario", 50},  {"Banca", 50},
    {"Carta", 50},       {"ScadeCarta", 10},  {"Prodotti", 250}, {"Pagamento", 120},    {"Note", 250},
    {"TipoDoc", 50},     {"NumDoc", 50},      {"EnteRil", 50},   {"DataRil", 10},       {"DataSca", 10},
    {"Codice", 30},      {"Categoria", 50},   {"Zona", 50},      {"Acquisto", 50},      {"Decorrenza", 10},
    {"Scadenza", 10},    {"Preavviso", 3},    {"Totale", 15},    {"Frazionamento", 50}, {"Rata", 50},
    {"File01", 250},     {"File02", 250},     {"File03", 250},   {"Desc01", 250},       {"Desc02", 250},
    {"Desc03", 250},
};

inline const std::vector<RawField> kWorkFields = {
    {"Cognome", 50},    {"Nome", 50},        {"CodFisc", 16},    {"Recapito", 50},  {"Mansione", 50},
    {"Categoria", 50},  {"Data", 10},        {"Luogo", 50},      {"Attivita", 250}, {"DaOre", 2},
    {"DaMin", 2},       {"AOre", 2},         {"AMin", 2},        {"OraInizio", 5},  {"OraFine", 5},
    {"TotOre", 6},      {"CompensoOra", 15}, {"TotDovuto", 15},  {"NomeProg", 120}, {"CodiceProg", 30},
    {"AmbitoProg", 50}, {"Postazione", 50},  {"Materiali", 250}, {"Note", 250},     {"Incompleto", 2},
    {"File01", 250},    {"File02", 250},     {"File03", 250},    {"Desc01", 250},   {"Desc02", 250},
    {"Desc03", 250},
};

/// One record as bytes. Values are Windows-1252 byte strings ("S\xEC" is "Sì").
class RawRecord {
public:
    explicit RawRecord(const std::vector<RawField>& fields)
        : m_fields(fields) {
        int size = 0;
        for (const RawField& f : fields)
            size += f.capacity + 1;
        // The bytes past a field's length are left over from earlier texts: never read them.
        m_bytes.assign(std::size_t(size), '#');
        for (const RawField& f : fields)
            m_bytes[std::size_t(offset(f.name))] = '\0';
    }
    RawRecord& set(const char* name, const std::string& value) {
        const int at = offset(name);
        if (int(value.size()) > capacity(name))
            throw std::string("too long for ") + name;
        m_bytes[std::size_t(at)] = char(value.size());
        m_bytes.replace(std::size_t(at) + 1, value.size(), value);
        return *this;
    }
    RawRecord& setLengthByte(const char* name, int length) {
        m_bytes[std::size_t(offset(name))] = char(length);
        return *this;
    }
    const std::string& bytes() const { return m_bytes; }

private:
    int capacity(const char* name) const {
        for (const RawField& f : m_fields)
            if (std::string(f.name) == name)
                return f.capacity;
        return 0;
    }
    int offset(const char* name) const {
        int at = 0;
        for (const RawField& f : m_fields) {
            if (std::string(f.name) == name)
                return at;
            at += f.capacity + 1;
        }
        throw std::string("no field ") + name;
    }
    const std::vector<RawField>& m_fields;
    std::string m_bytes;
};

using Values = std::initializer_list<std::pair<const char*, std::string>>;

inline RawRecord worker(Values values) {
    RawRecord r(kWorkerFields);
    for (const auto& [name, value] : values)
        r.set(name, value);
    return r;
}

inline RawRecord work(Values values) {
    RawRecord r(kWorkFields);
    // What every save of the work window writes.
    r.set("DaOre", "08").set("DaMin", "00").set("AOre", "12").set("AMin", "00");
    r.set("OraInizio", "08:00").set("OraFine", "12:00").set("TotOre", "4").set("CompensoOra", "10,00");
    r.set("Incompleto", "No");
    for (const auto& [name, value] : values)
        r.set(name, value);
    return r;
}

} // namespace fixtures

#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <type_traits>
#include <vector>

#include <QByteArrayView>
#include <QString>

namespace orvelia {

/// One short-string field of a record: its name, its capacity and where it starts.
struct FieldSpec {
    const char* name;
    int capacity;
    int offset;
};

/// A record layout: the fields in file order and the size of the whole record.
struct RecordLayout {
    const char* name;
    std::span<const FieldSpec> fields;
    int size;

    int fieldCount() const { return int(fields.size()); }
    /// Index of the field called @p fieldName, or -1.
    int indexOf(const char* fieldName) const;
};

namespace detail {
template <std::size_t N> constexpr std::array<FieldSpec, N> packFields(std::array<FieldSpec, N> fields) {
    int offset = 0;
    for (auto& f : fields) {
        f.offset = offset;
        offset += f.capacity + 1;
    }
    return fields;
}
template <std::size_t N> constexpr int recordSize(const std::array<FieldSpec, N>& fields) {
    return fields.back().offset + fields.back().capacity + 1;
}
} // namespace detail

/// One employee record of the archive Brenzo.pro.
struct TSchedaLavoratore {
    enum Field : int {
        Cognome,
        Nome,
        CodFisc,
        Sesso,
        DataNasc,
        ComuneNasc,
        ProvNasc,
        Iva,
        Indirizzo,
        Cap,
        ComuneRes,
        ProvRes,
        Stato,
        Familiari,
        Recapito,
        TelCasa,
        TelCel,
        TelUff,
        Fax,
        Email,
        Qualifiche,
        Professione,
        Iban,
        Intestatario,
        Banca,
        Carta,
        ScadeCarta,
        Prodotti,
        Pagamento,
        Note,
        TipoDoc,
        NumDoc,
        EnteRil,
        DataRil,
        DataSca,
        Codice,
        Categoria,
        Zona,
        Acquisto,
        Decorrenza,
        Scadenza,
        Preavviso,
        Totale,
        Frazionamento,
        Rata,
        File01,
        File02,
        File03,
        Desc01,
        Desc02,
        Desc03,
        FieldCount
    };
    static constexpr std::array<FieldSpec, FieldCount> kFields = detail::packFields<FieldCount>({{
        {"Cognome", 50, 0},     {"Nome", 50, 0},        {"CodFisc", 16, 0},    {"Sesso", 1, 0},
        {"DataNasc", 10, 0},    {"ComuneNasc", 50, 0},  {"ProvNasc", 2, 0},    {"Iva", 11, 0},
        {"Indirizzo", 50, 0},   {"Cap", 5, 0},          {"ComuneRes", 50, 0},  {"ProvRes", 2, 0},
        {"Stato", 50, 0},       {"Familiari", 250, 0},  {"Recapito", 50, 0},   {"TelCasa", 50, 0},
        {"TelCel", 50, 0},      {"TelUff", 50, 0},      {"Fax", 50, 0},        {"Email", 50, 0},
        {"Qualifiche", 250, 0}, {"Professione", 50, 0}, {"Iban", 27, 0},       {"Intestatario", 50, 0},
        {"Banca", 50, 0},       {"Carta", 50, 0},       {"ScadeCarta", 10, 0}, {"Prodotti", 250, 0},
        {"Pagamento", 120, 0},  {"Note", 250, 0},       {"TipoDoc", 50, 0},    {"NumDoc", 50, 0},
        {"EnteRil", 50, 0},     {"DataRil", 10, 0},     {"DataSca", 10, 0},    {"Codice", 30, 0},
        {"Categoria", 50, 0},   {"Zona", 50, 0},        {"Acquisto", 50, 0},   {"Decorrenza", 10, 0},
        {"Scadenza", 10, 0},    {"Preavviso", 3, 0},    {"Totale", 15, 0},     {"Frazionamento", 50, 0},
        {"Rata", 50, 0},        {"File01", 250, 0},     {"File02", 250, 0},    {"File03", 250, 0},
        {"Desc01", 250, 0},     {"Desc02", 250, 0},     {"Desc03", 250, 0},
    }});
    static constexpr int kSize = detail::recordSize(kFields);
    static const RecordLayout layout;
};
static_assert(TSchedaLavoratore::kSize == 4043);

/// One work record of a year archive <yyyy>.lav.
struct TSchedaLavoro {
    enum Field : int {
        Cognome,
        Nome,
        CodFisc,
        Recapito,
        Mansione,
        Categoria,
        Data,
        Luogo,
        Attivita,
        DaOre,
        DaMin,
        AOre,
        AMin,
        OraInizio,
        OraFine,
        TotOre,
        CompensoOra,
        TotDovuto,
        NomeProg,
        CodiceProg,
        AmbitoProg,
        Postazione,
        Materiali,
        Note,
        Incompleto,
        File01,
        File02,
        File03,
        Desc01,
        Desc02,
        Desc03,
        FieldCount
    };
    static constexpr std::array<FieldSpec, FieldCount> kFields = detail::packFields<FieldCount>({{
        {"Cognome", 50, 0},     {"Nome", 50, 0},       {"CodFisc", 16, 0},    {"Recapito", 50, 0},
        {"Mansione", 50, 0},    {"Categoria", 50, 0},  {"Data", 10, 0},       {"Luogo", 50, 0},
        {"Attivita", 250, 0},   {"DaOre", 2, 0},       {"DaMin", 2, 0},       {"AOre", 2, 0},
        {"AMin", 2, 0},         {"OraInizio", 5, 0},   {"OraFine", 5, 0},     {"TotOre", 6, 0},
        {"CompensoOra", 15, 0}, {"TotDovuto", 15, 0},  {"NomeProg", 120, 0},  {"CodiceProg", 30, 0},
        {"AmbitoProg", 50, 0},  {"Postazione", 50, 0}, {"Materiali", 250, 0}, {"Note", 250, 0},
        {"Incompleto", 2, 0},   {"File01", 250, 0},    {"File02", 250, 0},    {"File03", 250, 0},
        {"Desc01", 250, 0},     {"Desc02", 250, 0},    {"Desc03", 250, 0},
    }});
    static constexpr int kSize = detail::recordSize(kFields);
    static const RecordLayout layout;
};
static_assert(TSchedaLavoro::kSize == 2913);

/// A decoded record: one text for each field of its layout.
class Record {
public:
    explicit Record(const RecordLayout& layout);

    const RecordLayout& layout() const { return *m_layout; }

    template <typename E>
    requires std::is_enum_v<E> QString& operator[](E field) { return m_values[std::size_t(field)]; }
    template <typename E>
    requires std::is_enum_v<E>
    const QString& operator[](E field) const { return m_values[std::size_t(field)]; }
    QString& at(int index) { return m_values[std::size_t(index)]; }
    const QString& at(int index) const { return m_values[std::size_t(index)]; }

    /// Encodes every field into @p dst, which holds layout().size bytes.
    void encode(char* dst) const;
    /// Decodes a record from @p src, which holds layout.size bytes.
    static Record decode(const RecordLayout& layout, const char* src);

    bool operator==(const Record& other) const {
        return m_layout == other.m_layout && m_values == other.m_values;
    }

private:
    const RecordLayout* m_layout;
    std::vector<QString> m_values;
};

/// A record as it lies in a buffer, decoded one field at a time. Valid only as long as the buffer.
class RecordView {
public:
    RecordView(const RecordLayout& layout, const char* data)
        : m_layout(&layout)
        , m_data(data) {}

    template <typename E>
    requires std::is_enum_v<E> QString operator[](E field) const { return text(int(field)); }
    QString text(int index) const;
    /// The bytes of field @p index as stored (Windows-1252, untrimmed), as many as its length byte says
    /// and at most its capacity.
    QByteArrayView raw(int index) const {
        const FieldSpec& f = m_layout->fields[std::size_t(index)];
        const char* at = m_data + f.offset;
        return QByteArrayView(at + 1, std::min<int>(static_cast<unsigned char>(at[0]), f.capacity));
    }
    /// The length byte of field @p index as stored, which a damaged record may set above the capacity.
    int storedLength(int index) const {
        return static_cast<unsigned char>(m_data[m_layout->fields[std::size_t(index)].offset]);
    }
    const RecordLayout& layout() const { return *m_layout; }
    Record toRecord() const { return Record::decode(*m_layout, m_data); }

private:
    const RecordLayout* m_layout;
    const char* m_data;
};

} // namespace orvelia

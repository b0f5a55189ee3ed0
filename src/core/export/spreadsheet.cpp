#include "core/export/spreadsheet.h"

#include <algorithm>
#include <cstring>

#include "core/archive/cp1252.h"
#include "core/archive/shortstring.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {

using spreadsheet::CellType;

using W = TSchedaLavoratore;
using L = TSchedaLavoro;

const ExportColumn kEmployeeColumns[] = {
    {"Cognome e nome", 250, W::Cognome, W::Nome},
    {"Codice fiscale", 200, W::CodFisc, -1},
    {"Data di nascita", 200, W::DataNasc, -1, CellType::Date},
    {"Comune / Stato estero di nascita", 250, W::ComuneNasc, -1},
    {"Partita IVA", 200, W::Iva, -1},
    {"Indirizzo di residenza", 250, W::Indirizzo, -1},
    {"Comune di residenza", 250, W::ComuneRes, -1},
    {"Telefono preferenziale", 250, W::Recapito, -1},
    {"Tel. casa", 200, W::TelCasa, -1},
    {"Tel. cellulare", 200, W::TelCel, -1},
    {"E-mail", 250, W::Email, -1},
    {"Categoria", 250, W::Categoria, -1},
    {"Qualifica principale", 250, W::Qualifiche, -1},
    {"Giorni e orari disponibilità", 300, W::Familiari, -1},
    {"IBAN", 300, W::Iban, -1},
    {"Intestatario C/C", 250, W::Intestatario, -1},
    {"Modalità di pagamento", 250, W::Pagamento, -1},
    {"Equipaggiamento assegnato", 300, W::Prodotti, -1},
    {"Tipo documento", 250, W::TipoDoc, -1},
    {"Numero documento", 250, W::NumDoc, -1},
    {"Ente rilascio", 250, W::EnteRil, -1},
    {"Data rilascio", 200, W::DataRil, -1, CellType::Date},
    {"Data scadenza", 200, W::DataSca, -1, CellType::Date},
    {"Mansione", 250, W::Codice, -1},
    {"Note", 300, W::Note, -1},
};

const ExportColumn kWorkColumns[] = {
    {"Data prestazione", 200, L::Data, -1, CellType::Date},
    {"Sede operativa", 250, L::Luogo, -1},
    {"Cognome e nome lavoratore", 250, L::Cognome, L::Nome},
    {"Codice fiscale", 200, L::CodFisc, -1},
    {"Telefono preferenziale", 200, L::Recapito, -1},
    {"Mansione", 250, L::Mansione, -1},
    {"Categoria", 250, L::Categoria, -1},
    {"Attività svolta", 350, L::Attivita, -1},
    {"Ora inizio", 200, L::OraInizio, -1},
    {"Ora fine", 200, L::OraFine, -1},
    {"Totale ore", 200, L::TotOre, -1, CellType::Hours},
    {"Compenso orario", 200, L::CompensoOra, -1, CellType::Money},
    {"Totale dovuto", 200, L::TotDovuto, -1, CellType::Money},
    {"Nome progetto", 250, L::NomeProg, -1},
    {"Codice identificativo", 250, L::CodiceProg, -1},
    {"Ambito", 250, L::AmbitoProg, -1},
    {"Postazione di lavoro", 250, L::Postazione, -1},
    {"Materiali e strumenti utilizzati", 350, L::Materiali, -1},
    {"Note", 350, L::Note, -1},
    {"Lavoro incompleto", 180, L::Incompleto, -1},
};

// The buffer is handed to the file whenever it grows past this size.
constexpr qsizetype kBufferBytes = 1 << 18;

// The head fragments, written one after the other with nothing between them.
constexpr const char* kHeadStart[] = {
    ("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
     "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"),
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
};
constexpr const char* kHeadEnd[] = {
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
};
constexpr const char* kTail[] = {"</table>", "</body>", "</html>"};

constexpr char kHeaderCellStart[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char kDataCellStart[] = "<td style=\"text-align: left;\">";
constexpr char kCellEnd[] = "</td>";
constexpr char kRowStart[] = "<tr>";
constexpr char kRowEnd[] = "</tr>";

// Blanks and control characters (C0, DEL and C1) are cut from both ends of a cell.
bool cutAtEnds(char16_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0x9F);
}
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

void appendCodePoint(QByteArray& out, char32_t cp) {
    // Windows-1252 holds it when the code page gives back something other than its '?'.
    const QByteArray encoded = cp1252::encode(QString::fromUcs4(&cp, 1));
    if (encoded != "?") {
        out.append(encoded);
        return;
    }
    out.append("&#");
    out.append(QByteArray::number(quint32(cp)));
    out.append(';');
}

// The characters from @p first to @p last of a cell whose ends are already cut.
void appendInside(QByteArray& out, const char16_t* units, qsizetype first, qsizetype last) {
    for (qsizetype i = first; i < last; ++i) {
        const char16_t c = units[i];
        if (c < 0x80) {
            switch (c) {
            case u'&':
                out.append("&amp;");
                break;
            case u'<':
                out.append("&lt;");
                break;
            case u'>':
                out.append("&gt;");
                break;
            default:
                out.append(isControl(c) ? ' ' : char(c));
            }
        } else if (c >= 0xA0 && c <= 0xFF) {
            out.append(char(c)); // Windows-1252 equals Latin-1 here
        } else if (isControl(c)) {
            out.append(' ');
        } else if (QChar::isHighSurrogate(c) && i + 1 < last && QChar::isLowSurrogate(units[i + 1])) {
            appendCodePoint(out, QChar::surrogateToUcs4(c, units[i + 1]));
            ++i;
        } else {
            appendCodePoint(out, c);
        }
    }
}

// What a cell holds for each stored byte, worked out once from the character the byte decodes to and
// the cell rules of that character, so that cells written straight from the record bytes equal the
// cells written from the decoded texts.
struct ByteRules {
    static constexpr int kMaxOutput = 8;
    bool cut[256];   // cut from the ends of a cell
    bool plain[256]; // written inside a cell as the byte itself
    char output[256][kMaxOutput];
    quint8 outputSize[256];
    int longestOutput = 1; // the most bytes one stored byte becomes

    ByteRules() {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString decoded = cp1252::decode(&byte, 1);
            const auto* unit = reinterpret_cast<const char16_t*>(decoded.utf16());
            QByteArray inside;
            appendInside(inside, unit, 0, 1);
            Q_ASSERT(inside.size() >= 1 && inside.size() <= kMaxOutput);
            cut[b] = cutAtEnds(unit[0]);
            plain[b] = inside.size() == 1 && inside[0] == byte;
            outputSize[b] = quint8(inside.size());
            std::copy(inside.cbegin(), inside.cend(), output[b]);
            longestOutput = std::max(longestOutput, int(inside.size()));
        }
    }
};

const ByteRules& byteRules() {
    static const ByteRules rules;
    return rules;
}

// Bytes of code 32 or less removed from both ends, as trimText does to the decoded text.
QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype first = 0;
    qsizetype last = bytes.size();
    while (first < last && static_cast<unsigned char>(bytes[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(bytes[last - 1]) <= 0x20)
        --last;
    return bytes.sliced(first, last - first);
}

char* copyBytes(char* dst, const void* src, std::size_t n) {
    std::memcpy(dst, src, n);
    return dst + n;
}

template <std::size_t N> char* copyLiteral(char* dst, const char (&text)[N]) {
    return copyBytes(dst, text, N - 1);
}

// Writes at @p dst the cell text of the stored bytes @p bytes (Windows-1252) and returns the end of
// what it wrote: the same bytes appendCellText writes for the decoded text. Plain runs are copied whole.
char* writeCellBytes(char* dst, QByteArrayView bytes, const ByteRules& rules) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end && rules.cut[*p])
        ++p;
    while (end > p && rules.cut[end[-1]])
        --end;
    const unsigned char* run = p;
    for (; p < end; ++p) {
        if (rules.plain[*p])
            continue;
        dst = copyBytes(dst, run, std::size_t(p - run));
        dst = copyBytes(dst, rules.output[*p], rules.outputSize[*p]);
        run = p + 1;
    }
    return copyBytes(dst, run, std::size_t(end - run));
}

} // namespace

const ExportTable kEmployeeExport = {"Anagrafica Lavoratori", "Anagrafica_Lavoratori.xls",
                                     &TSchedaLavoratore::layout, kEmployeeColumns};
const ExportTable kWorkExport = {"Registro Lavori", "Lavori.xls", &TSchedaLavoro::layout, kWorkColumns};

QString ExportColumn::value(const RecordView& record) const {
    if (secondField < 0)
        return trimText(record.text(field));
    return trimText(record.text(field)) + QLatin1Char(' ') + trimText(record.text(secondField));
}

namespace spreadsheet {

void appendCellText(QByteArray& out, const QString& value) {
    const auto* units = reinterpret_cast<const char16_t*>(value.utf16());
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && cutAtEnds(units[first]))
        ++first;
    while (last > first && cutAtEnds(units[last - 1]))
        --last;
    appendInside(out, units, first, last);
}

QByteArray head(const QString& sheetName) {
    QByteArray out;
    for (const char* fragment : kHeadStart)
        out.append(fragment);
    out.append("<x:Name>");
    appendCellText(out, sheetName);
    out.append("</x:Name>");
    for (const char* fragment : kHeadEnd)
        out.append(fragment);
    return out;
}

QByteArray headerRow(std::span<const ExportColumn> columns) {
    QByteArray out(kRowStart);
    for (const ExportColumn& column : columns) {
        out.append(kHeaderCellStart);
        out.append(QByteArray::number(column.width));
        out.append('>');
        appendCellText(out, QString::fromUtf8(column.title));
        out.append(kCellEnd);
    }
    out.append(kRowEnd);
    return out;
}

QByteArray tail() {
    QByteArray out;
    for (const char* fragment : kTail)
        out.append(fragment);
    return out;
}

} // namespace spreadsheet

SpreadsheetWriter::SpreadsheetWriter(const QString& path, std::span<const ExportColumn> columns)
    : m_file(path)
    , m_columns(columns) {
    // The most bytes one record can become: every stored byte of every column at its longest.
    const int longest = byteRules().longestOutput;
    m_recordBytes = qsizetype(sizeof kRowStart) + qsizetype(sizeof kRowEnd);
    for (const ExportColumn& column : columns) {
        const int stored = column.secondField < 0 ? kMaxFieldCapacity : 2 * kMaxFieldCapacity + 1;
        m_recordBytes += qsizetype(sizeof kDataCellStart + sizeof kCellEnd) + qsizetype(stored) * longest;
    }
}

SpreadsheetWriter::~SpreadsheetWriter() {
    if (m_file.isOpen())
        m_file.close();
}

void SpreadsheetWriter::fail() {
    m_ok = false;
    m_buffer.clear();
}

bool SpreadsheetWriter::writeBuffer() {
    if (!m_ok)
        return false;
    if (m_buffer.isEmpty())
        return true;
    // Unbuffered: write() reaches the system at once and reports its failure.
    if (m_file.write(m_buffer) != m_buffer.size()) {
        fail();
        return false;
    }
    m_buffer.resize(0); // keeps the allocated room for the next rows
    return true;
}

bool SpreadsheetWriter::begin(const QString& sheetName) {
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        fail();
        return false;
    }
    m_buffer.reserve(kBufferBytes + std::max(m_recordBytes, qsizetype{64} * 1024));
    m_buffer.append(spreadsheet::head(sheetName));
    m_buffer.append(spreadsheet::headerRow(m_columns));
    return writeBuffer();
}

bool SpreadsheetWriter::addRow(std::span<const QString> cells) {
    if (!m_ok || !m_file.isOpen())
        return false;
    m_buffer.append(kRowStart);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        m_buffer.append(kDataCellStart);
        if (i < cells.size())
            spreadsheet::appendCellText(m_buffer, cells[i]);
        m_buffer.append(kCellEnd);
    }
    m_buffer.append(kRowEnd);
    return m_buffer.size() < kBufferBytes || writeBuffer();
}

bool SpreadsheetWriter::addRecord(const RecordView& record) {
    if (!m_ok || !m_file.isOpen())
        return false;
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + m_recordBytes);
    char* dst = m_buffer.data() + start;
    const ByteRules& rules = byteRules();
    dst = copyLiteral(dst, kRowStart);
    for (const ExportColumn& column : m_columns) {
        dst = copyLiteral(dst, kDataCellStart);
        if (column.secondField < 0) {
            dst = writeCellBytes(dst, record.raw(column.field), rules);
        } else {
            // The two trimmed fields joined by one blank, then written as one cell.
            char joined[2 * kMaxFieldCapacity + 1];
            const QByteArrayView first = trimmedBytes(record.raw(column.field));
            const QByteArrayView second = trimmedBytes(record.raw(column.secondField));
            char* end = copyBytes(joined, first.data(), std::size_t(first.size()));
            *end++ = ' ';
            end = copyBytes(end, second.data(), std::size_t(second.size()));
            dst = writeCellBytes(dst, QByteArrayView(joined, end - joined), rules);
        }
        dst = copyLiteral(dst, kCellEnd);
    }
    dst = copyLiteral(dst, kRowEnd);
    m_buffer.resize(dst - m_buffer.constData());
    return m_buffer.size() < kBufferBytes || writeBuffer();
}

bool SpreadsheetWriter::finish() {
    if (!m_file.isOpen())
        return false;
    if (m_ok)
        m_buffer.append(spreadsheet::tail());
    writeBuffer();
    if (!m_file.flush())
        fail();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        fail();
    return m_ok;
}

ArchiveExport exportArchive(const QString& source, const ExportTable& table, const QString& target) {
    SpreadsheetWriter writer(target, table.columns);
    return exportArchiveWith(source, table, writer);
}

} // namespace orvelia

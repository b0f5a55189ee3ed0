#include "core/checks/partitaiva.h"

#include <algorithm>
#include <array>

namespace orvelia {

namespace {
const QString kWrongLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                      "E' stato rilasciato dall'Ufficio IVA del Comune di ");
const QString kWrong =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                   "rilasciato.");

// clang-format off
constexpr std::array<VatOffice, 104> kOffices = {{
    {1, "Torino"}, {2, "Vercelli"}, {3, "Novara"}, {4, "Cuneo"},
    {5, "Asti"}, {6, "Alessandria"}, {7, "Aosta"}, {8, "Imperia"},
    {9, "Savona"}, {10, "Genova 1"}, {11, "La Spezia"}, {12, "Varese"},
    {13, "Como"}, {14, "Sondrio"}, {15, "Milano 1"}, {16, "Bergamo"},
    {17, "Brescia 1"}, {18, "Pavia"}, {19, "Cremona"}, {20, "Mantova"},
    {21, "Bolzano"}, {22, "Trento"}, {23, "Verona"}, {24, "Vicenza"},
    {25, "Belluno"}, {26, "Treviso"}, {27, "Venezia"}, {28, "Padova"},
    {29, "Rovigo"}, {30, "Udine"}, {31, "Gorizia"}, {32, "Trieste"},
    {33, "Piacenza"}, {34, "Parma"}, {35, "Reggio Emilia"}, {36, "Modena"},
    {37, "Bologna 1"}, {38, "Ferrara"}, {39, "Ravenna"}, {40, "Forlì"},
    {41, "Pesaro"}, {42, "Ancona"}, {43, "Macerata"}, {44, "Ascoli Piceno"},
    {45, "Massa Carrara"}, {46, "Lucca"}, {47, "Pistoia"}, {48, "Firenze 1"},
    {49, "Livorno"}, {50, "Pisa"}, {51, "Arezzo"}, {52, "Siena"},
    {53, "Grosseto"}, {54, "Perugia"}, {55, "Terni"}, {56, "Viterbo"},
    {57, "Rieti"}, {58, "Roma 1"}, {59, "Latina"}, {60, "Frosinone"},
    {61, "Caserta"}, {62, "Benevento"}, {63, "Napoli 1"}, {64, "Avellino"},
    {65, "Salerno"}, {66, "Aquila"}, {67, "Teramo"}, {68, "Pescara"},
    {69, "Chieti"}, {70, "Campobasso"}, {71, "Foggia"}, {72, "Bari"},
    {73, "Taranto"}, {74, "Brindisi"}, {75, "Lecce"}, {76, "Potenza"},
    {77, "Matera"}, {78, "Cosenza"}, {79, "Catanzaro"}, {80, "Reggio Calabria"},
    {81, "Trapani"}, {82, "Palermo"}, {83, "Messina"}, {84, "Agrigento"},
    {85, "Caltanissetta"}, {86, "Enna"}, {87, "Catania"}, {88, "Ragusa"},
    {89, "Siracusa"}, {90, "Sassari"}, {91, "Nuoro"}, {92, "Cagliari"},
    {93, "Pordenone"}, {94, "Isernia"}, {95, "Oristano"}, {96, "Monza (Milano 2)"},
    {97, "Prato (Firenze 2)"}, {98, "Brescia 2"}, {99, "Chiavari (Genova 2)"}, {100, "Roma 2"},
    {101, "Bologna 2"}, {102, "Napoli 2"}, {120, "Bologna 2"}, {121, "Napoli 2"},
}};
// clang-format on

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool allDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}
} // namespace

std::span<const VatOffice> vatOffices() {
    return kOffices;
}

QString vatOfficeName(QStringView code) {
    if (code.size() != 3 || !allDigits(code))
        return {};
    const int number = code.toInt();
    const auto* found = std::find_if(kOffices.begin(), kOffices.end(),
                                     [number](const VatOffice& office) { return office.code == number; });
    return found == kOffices.end() ? QString() : QString::fromUtf8(found->name);
}

std::optional<int> partitaIvaCheckDigit(QStringView firstTen) {
    if (firstTen.size() != kPartitaIvaLength - 1 || !allDigits(firstTen))
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < firstTen.size(); ++i) {
        const int digit = firstTen[i].unicode() - u'0';
        if (i % 2 == 0) {
            sum += digit; // positions 1, 3, ... counted from 1
        } else {
            const int doubled = 2 * digit;
            sum += doubled / 10 + doubled % 10;
        }
    }
    return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

CheckResult checkPartitaIva(const QString& text) {
    if (text.size() != kPartitaIvaLength)
        return {CheckMessage::Warning, kWrongLength, false};
    const QStringView number(text);
    const bool valid = allDigits(number) && partitaIvaCheckDigit(number.first(kPartitaIvaLength - 1)) ==
                                                number.back().unicode() - u'0';
    if (!valid)
        return {CheckMessage::Warning, kWrong, true};
    return {CheckMessage::Information, kValid + vatOfficeName(number.sliced(7, 3)) + u'.', true};
}

} // namespace orvelia

#include <gtest/gtest.h>

#include "core/registry/employeesheet.h"
#include "core/work/worksheet.h"
#include "support/printers.h"

using namespace orvelia;

TEST(Sheets, TheWorkerSheetShowsTheRecordAsTheScreenDoes) {
    using F = TSchedaLavoratore;
    Record r(F::layout);
    r[F::Cognome] = QStringLiteral("  Rossi ");
    r[F::Nome] = QStringLiteral("Maria Grazia  ");
    r[F::ComuneNasc] = QStringLiteral("Roma");
    r[F::ProvNasc] = QStringLiteral("RM");
    r[F::ComuneRes] = QStringLiteral(" Milano");
    r[F::Note] = QStringLiteral(" nota [DATE] ");
    r[F::Rata] = QStringLiteral("12 rate da 1000,00 euro ciascuna");
    const QStringList values = registry::employeeSheetValues(r);
    const auto rows = registry::employeeSheetRows();
    ASSERT_EQ(values.size(), qsizetype(rows.size()));
    ASSERT_EQ(rows.size(), 41u);
    const auto valueOf = [&](const char* memo) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (QLatin1String(rows[i].memo) == QLatin1String(memo))
                return values.at(qsizetype(i));
        return QStringLiteral("<no row>");
    };
    EXPECT_EQ(valueOf("txtIstruttore"), "Rossi Maria Grazia");
    EXPECT_EQ(valueOf("txtComuneNasc"), "Roma RM");
    EXPECT_EQ(valueOf("txtComuneRes"), "Milano "); // an empty province leaves the blank
    EXPECT_EQ(valueOf("txtNote"), "nota [DATE]");
    EXPECT_EQ(valueOf("txtRata"), "12 rate da 1000,00 euro ciascuna");
    EXPECT_EQ(QString::fromUtf8(rows.front().label), "Cognome e nome:");
    EXPECT_EQ(QString::fromUtf8(rows.back().label), "Importo rata: €");
}

TEST(Sheets, TheWorkSheetJoinsTheWorkerAndTheTimes) {
    using F = TSchedaLavoro;
    Record r(F::layout);
    r[F::Cognome] = QStringLiteral("Esposito");
    r[F::Nome] = QStringLiteral(" Nicolò");
    r[F::DaOre] = QStringLiteral("09");
    r[F::DaMin] = QStringLiteral("15");
    r[F::AOre] = QStringLiteral("17");
    r[F::AMin] = QStringLiteral("45");
    r[F::TotDovuto] = QStringLiteral("106,25 ");
    const QStringList values = work::workSheetValues(r);
    const auto rows = work::workSheetRows();
    ASSERT_EQ(values.size(), qsizetype(rows.size()));
    EXPECT_EQ(values.at(2), QStringLiteral("Esposito Nicolò"));
    EXPECT_EQ(values.at(8), "09:15");
    EXPECT_EQ(values.at(9), "17:45");
    EXPECT_EQ(values.at(12), "106,25");
    EXPECT_EQ(QLatin1String(rows[8].memo), QLatin1String("txtOraInizio"));
}

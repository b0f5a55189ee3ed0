#include "windows/checks/tfrmpartitaiva.h"

#include <QLineEdit>

#include "core/checks/partitaiva.h"
#include "framework/editing.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Controllo partita IVA");
const QString kTitle = QStringLiteral("Partita IVA");
const QString kSubtitle = QStringLiteral("Verifica della cifra di controllo e dell'ufficio di rilascio");
const QString kPrompt =
    QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo.");
const QString kHint =
    QStringLiteral("11 cifre: l'ottava, la nona e la decima indicano l'Ufficio IVA che l'ha rilasciata.");
} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* caller)
    : CheckWindow(caller,
                  {"TfrmPartitaIva", kCaption, kTitle, kSubtitle, QStringLiteral("iva"), kPrompt, kHint,
                   QStringLiteral("txtPartitaIva"), QStringLiteral("effPartitaIva"), kPartitaIvaLength}) {
    txtPartitaIva = field();
    EditBehaviour::of(txtPartitaIva)->setKeyFilter(KeyFilter::Digits);
}

CheckResult TfrmPartitaIva::check(const QString& text) const {
    return checkPartitaIva(text);
}

} // namespace orvelia

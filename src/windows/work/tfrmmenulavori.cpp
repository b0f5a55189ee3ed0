#include "windows/work/tfrmmenulavori.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/work/workrecord.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/windowparts.h"
#include "windows/help/tfrmguida.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Registrazione lavori");
const QString kInfo =
    QStringLiteral("In quest'area si registrano le prestazioni lavorative svolte dal personale "
                   "dell'azienda. Il registro è tenuto per anno solare: indicare l'anno e "
                   "premere Apri.");
const QString kTagBack = QStringLiteral("avvio");
const QString kTagWork = QStringLiteral("lavori");
} // namespace

TfrmMenuLavori::TfrmMenuLavori(WindowShell& shell)
    : NavigationWindow(shell, "TfrmMenuLavori", kCaption) {
    paintGround(this, colours::kPaper);

    auto* header =
        new BrandHeader(QStringLiteral("Registrazione lavori"),
                        QStringLiteral("Il registro annuale delle prestazioni lavorative"), this, 96);
    const YearCard card = yearCard({QStringLiteral("panAnno"), QStringLiteral("Registrazione lavori:"),
                                    QStringLiteral("txtAnnoPreventivi"), QStringLiteral("effAnnoPreventivi"),
                                    QStringLiteral("btnApriPreventivi"), QStringLiteral("lblInfo"), kInfo},
                                   colours::kTeal, this);
    txtAnnoPreventivi = card.year;
    btnApriPreventivi = card.open;
    btnApriPreventivi->setAutoDefault(true);
    lblInfo = card.hint;
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this, kTagBack);

    frameMenuPage(this, header, {{centredRow(card.panel), 28}, {helpExitFooter(this, imgGuida, imgEsci)}});

    connect(btnApriPreventivi, &QPushButton::clicked, this, &TfrmMenuLavori::btnApriPreventiviClick);
    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Work); });
    connect(imgEsci, &ClickablePicture::clicked, this, &QWidget::close);
}

void TfrmMenuLavori::opening() {
    txtAnnoPreventivi->setText(QString::number(Platform::instance().today().year()).rightJustified(4, u'0'));
    lblMemory->setText(kTagBack);
    txtAnnoPreventivi->setFocus();
}

void TfrmMenuLavori::btnApriPreventiviClick() {
    const QString year = txtAnnoPreventivi->text();
    if (year.size() != 4) {
        Platform::instance().warning(kYearDigitsMessage, this);
        txtAnnoPreventivi->setFocus();
        return;
    }
    emit yearChosen(workArchivePath(programFolder(), year), year);
    lblMemory->setText(kTagWork);
    close();
}

QWidget* TfrmMenuLavori::closeHandler() {
    if (lblMemory->text() == kTagWork)
        return shell().window(Screen::WorkRegister);
    return shell().window(Screen::MainMenu);
}

} // namespace orvelia

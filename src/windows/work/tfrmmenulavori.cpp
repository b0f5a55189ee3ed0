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
    auto* card = new SectionPanel(QStringLiteral("panAnno"), QStringLiteral("Registrazione lavori:"),
                                  colours::kTeal, this);
    card->setFixedWidth(520);
    txtAnnoPreventivi = new QLineEdit(card);
    txtAnnoPreventivi->setObjectName("txtAnnoPreventivi");
    EditBehaviour::of(txtAnnoPreventivi)->setMaxTyped(4);
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    txtAnnoPreventivi->setFixedSize(110, 34);
    QFont big = txtAnnoPreventivi->font();
    big.setPointSizeF(14);
    big.setBold(true);
    txtAnnoPreventivi->setFont(big);
    btnApriPreventivi = new QPushButton(QIcon(iconPath("apri")), QStringLiteral("Apri"), card);
    btnApriPreventivi->setObjectName("btnApriPreventivi");
    btnApriPreventivi->setMinimumSize(110, 34);
    btnApriPreventivi->setAutoDefault(true);
    lblInfo = new QLabel(kInfo, card);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setWordWrap(true);
    theme::setRole(lblInfo, theme::Role::Hint);
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this, kTagBack);

    auto* yearRow = new QHBoxLayout;
    yearRow->setSpacing(12);
    yearRow->addWidget(txtAnnoPreventivi);
    yearRow->addWidget(btnApriPreventivi);
    yearRow->addStretch();
    card->form()->setVerticalSpacing(14);
    card->addCaptionedRow(QStringLiteral("Anno:"), yearRow);
    card->form()->addRow(lblInfo);

    QHBoxLayout* footer = helpExitFooter(this, imgGuida, imgEsci);

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(card);
    centre->addStretch();
    QVBoxLayout* root = pageLayout(this, 24);
    root->addWidget(header);
    root->addStretch(2);
    root->addLayout(centre);
    root->addSpacing(28);
    root->addLayout(footer);
    root->addStretch(3);

    EditBehaviour::of(txtAnnoPreventivi)
        ->setKeyFilter(KeyFilter::Digits)
        .setEnterTarget(btnApriPreventivi)
        .setFocusMark(FocusMark::Frame, QStringLiteral("effAnnoPreventivi"));
    connect(btnApriPreventivi, &QPushButton::clicked, this, &TfrmMenuLavori::btnApriPreventiviClick);
    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Work); });
    connect(imgEsci, &ClickablePicture::clicked, this, &QWidget::close);
}

void TfrmMenuLavori::showEvent(QShowEvent* event) {
    NavigationWindow::showEvent(event);
    if (event->spontaneous())
        return;
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

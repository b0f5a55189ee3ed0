#include "windows/reports/tfrmrieppagamenti.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/reports/statements.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/listwindow.h"
#include "windows/help/tfrmguida.h"
#include "windows/common/recordwindow.h"
#include "windows/common/windowparts.h"
#include "windows/reports/statementprint.h"

namespace orvelia {

namespace {
const char* const kClassName = "TfrmRiepPagamenti";
const QString kCaption = QStringLiteral(" Orvelia - Riepilogo compensi");
const QString kHeaderTitle = QStringLiteral("Riepilogo compensi");
const QString kHeaderSubtitle =
    QStringLiteral("Le prestazioni dell'intervallo e il totale dei compensi dovuti");
const QString kTipologia = QStringLiteral("Riepilogo compensi - C.F. lavoratore:");
const QString kIntervallo = QStringLiteral("Intervallo selezionato:");
const QString kTotale = QStringLiteral("Totale compensi:");
const QString kStampa = QStringLiteral("Stampa riepilogo");
const QString kProspetti = QStringLiteral("Prospetti");
const QString kStatementsCaption = QStringLiteral(" Prospetti dei compensi");
const QString kEsci = QStringLiteral("Esci");
const QString kPrintEmpty =
    QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente riepilogo?");
const QString kTotalDesign = QStringLiteral("0,00");

} // namespace

TfrmRiepPagamenti::TfrmRiepPagamenti(QWidget* caller, const summary::Request& request)
    : ToolWindow(caller, kClassName, kCaption)
    , m_request(request) {
    // Fills the screen like a navigation window, but lives like a tool window; it has a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    paintGround(this, colours::kPaper);

    auto* header = new BrandHeader(kHeaderTitle, kHeaderSubtitle, this, 72);
    QWidget* facts = buildFacts();
    m_list =
        new ListPanel(this, rememberedFind(QString::fromLatin1(kClassName)), FindBox::Highlighted, false);
    lblRigo01 = m_list->lblRigo01;
    lblRigo02 = m_list->lblRigo02;
    txtTrova = m_list->txtTrova;
    btnTrova = m_list->btnTrova;
    lstRecords = m_list->lstRecords;
    QHBoxLayout* commands = buildCommands();

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 14, 20, 14);
    body->setSpacing(10);
    body->addWidget(facts);
    body->addWidget(m_list, 1);
    body->addLayout(commands);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body, 1);

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnProspetti);
    setTabOrder(btnProspetti, btnStampa);
    setTabOrder(btnStampa, btnEsci);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepPagamenti::btnStampaClick);
    connect(btnProspetti, &QPushButton::clicked, this, &TfrmRiepPagamenti::btnProspettiClick);
    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Summary); });
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TfrmRiepPagamenti::buildFacts() {
    auto* facts = new QWidget(this);
    facts->setObjectName("panRiepilogo");
    theme::setRole(facts, theme::Role::Panel);
    const auto caption = theme::Role::Hint;
    const auto value = theme::Role::Figure;
    lblTipologia = roleLabel(QStringLiteral("lblTipologia"), kTipologia, caption, facts);
    titTipologia = roleLabel(QStringLiteral("titTipologia"), summary::kAllWorkers, value, facts);
    infIntervallo = roleLabel(QStringLiteral("infIntervallo"), kIntervallo, caption, facts);
    lblIntervallo = roleLabel(QStringLiteral("lblIntervallo"), summary::kIntervalDesign, value, facts);
    infTotKmPercorsi = roleLabel(QStringLiteral("infTotKmPercorsi"), kTotale, caption, facts);
    lblTotCosti = roleLabel(QStringLiteral("lblTotCosti"), kTotalDesign, theme::Role::FigureLarge, facts);
    titTipologia->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* factsGrid = new QGridLayout(facts);
    factsGrid->setContentsMargins(16, 10, 16, 10);
    factsGrid->setHorizontalSpacing(12);
    factsGrid->setVerticalSpacing(6);
    factsGrid->addWidget(lblTipologia, 0, 0);
    factsGrid->addWidget(titTipologia, 0, 1);
    factsGrid->addWidget(infIntervallo, 1, 0);
    factsGrid->addWidget(lblIntervallo, 1, 1);
    factsGrid->setColumnStretch(2, 1);
    factsGrid->addWidget(infTotKmPercorsi, 0, 3, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    factsGrid->addWidget(lblTotCosti, 0, 4, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    return facts;
}

QHBoxLayout* TfrmRiepPagamenti::buildCommands() {
    btnProspetti = pictureButton(QStringLiteral("btnProspetti"), QStringLiteral("persona"), kProspetti, this);
    btnProspetti->setToolTip(
        QStringLiteral("Un prospetto per ogni lavoratore, da stampare o salvare in PDF"));
    btnStampa = pictureButton(QStringLiteral("btnStampa"), QStringLiteral("stampa"), kStampa, this);
    btnEsci = pictureButton(QStringLiteral("btnEsci"), QStringLiteral("esci"), kEsci, this);
    for (QPushButton* b : {btnProspetti, btnStampa, btnEsci}) {
        b->setMinimumSize(130, 32);
        b->setAutoDefault(false);
    }
    imgGuida = new ClickablePicture(QStringLiteral("imgGuida"), iconPath(QStringLiteral("guida")), this);
    imgGuida->setFixedSize(30, 30);
    imgGuida->setToolTip(QStringLiteral("Guida"));

    auto* commands = new QHBoxLayout;
    commands->setSpacing(10);
    commands->addWidget(imgGuida);
    commands->addStretch();
    commands->addWidget(btnProspetti);
    commands->addWidget(btnStampa);
    commands->addWidget(btnEsci);
    return commands;
}

void TfrmRiepPagamenti::showEvent(QShowEvent* event) {
    // Not the fixed size of the tool windows: this one fills the screen, so the tool window's
    // own showing is passed over.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::showEvent(event); // NOLINT(bugprone-parent-virtual-call)
    if (event->spontaneous())
        return;
    fill();
}

void TfrmRiepPagamenti::fill() {
    const summary::Result result = summary::build(m_request, Platform::instance().today().year());
    lstRecords->setLines(result.lines);
    titTipologia->setText(result.workerLabel);
    if (!result.interval.isEmpty())
        lblIntervallo->setText(result.interval);
    lblTotCosti->setText(result.total);
    m_list->prepareShow(false); // this window's remembered key outlives it
    txtTrova->setFocus();
    // An incomplete summary must not pass for a real one.
    if (result.error != ArchiveError::None)
        records::reportFailure(this, result.error, summary::kArchiveNotAccessible);
    else if (result.unreadable)
        Platform::instance().warning(summary::unreadableMessage(*result.unreadable, m_request.yearFile),
                                     this);
}

QString TfrmRiepPagamenti::printTitle() const {
    return summary::printTitle(titTipologia->text());
}

QStringList TfrmRiepPagamenti::closingLines() const {
    return summary::closingLines(lblIntervallo->text(), lblTotCosti->text());
}

void TfrmRiepPagamenti::btnStampaClick() {
    if (lstRecords->count() == 0) {
        Platform::instance().warning(kPrintEmpty, this);
        return;
    }
    if (!Platform::instance().question(kPrintQuestion, this))
        return;
    printList(this, printTitle(), lstRecords->lines(), closingLines());
}

void TfrmRiepPagamenti::btnProspettiClick() {
    const statements::Result result = statements::build(m_request, Platform::instance().today().year(),
                                                        employeeArchivePath(programFolder()));
    if (result.summary.error != ArchiveError::None) {
        records::reportFailure(this, result.summary.error, summary::kArchiveNotAccessible);
        return;
    }
    if (result.summary.unreadable) {
        Platform::instance().warning(
            summary::unreadableMessage(*result.summary.unreadable, m_request.yearFile), this);
        return;
    }
    if (result.statements.isEmpty()) {
        Platform::instance().warning(kPrintEmpty, this);
        return;
    }
    // The preview prints, or saves as PDF through the printer dialog.
    report::preview(statementTemplates(result), this, kStatementsCaption);
}

void TfrmRiepPagamenti::done(int result) {
    lstRecords->clear();
    ToolWindow::done(result);
}

} // namespace orvelia

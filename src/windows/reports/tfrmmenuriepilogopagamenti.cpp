#include "windows/reports/tfrmmenuriepilogopagamenti.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/toolwindow.h"
#include "windows/common/windowparts.h"
#include "windows/registry/tfrmtrovaistruttori.h"
#include "windows/reports/tfrmrieppagamenti.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Riepilogo compensi");
const QString kHeaderTitle = QStringLiteral("Riepilogo compensi");
const QString kHeaderSubtitle = QStringLiteral("I compensi dovuti in un intervallo di giorni dell'anno");
const QString kPanelTitle = QStringLiteral("Criteri del riepilogo");
const QString kAnno = QStringLiteral("Anno:");
const QString kCodiceFiscale = QStringLiteral("Codice fiscale lavoratore:");
const QString kDataInizio = QStringLiteral(" Data inizio intervallo: ");
const QString kDataFine = QStringLiteral(" Data fine intervallo: ");
const QString kGiorno = QStringLiteral("Giorno:");
const QString kMese = QStringLiteral("Mese:");
const QString kAnnoDesign = QStringLiteral("ANNO");
const QString kEsci = QStringLiteral("Esci");
const QString kVisualizza = QStringLiteral("Visualizza riepilogo");
const QString kAttendere = QStringLiteral("Caricamento riepilogo in corso. Attendere...");
const QString kCampo01 =
    QStringLiteral("Indicare l'anno solare di interesse e il codice fiscale di un lavoratore.");
const QString kCampo02 =
    QStringLiteral("Per ottenere lo storico dei compensi percepiti da tutti i lavoratori, "
                   "non indicare nessun codice fiscale.");
const QString kCampo03 = QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare.");
const QString kFileDesign = QStringLiteral("FilePath");
const QString kTagSearch = QStringLiteral("riep_pagamenti");
} // namespace

TfrmMenuRiepilogoPagamenti::TfrmMenuRiepilogoPagamenti(WindowShell& shell)
    : NavigationWindow(shell, "TfrmMenuRiepilogoPagamenti", kCaption) {
    paintGround(this, colours::kPaper);

    auto* header = new BrandHeader(kHeaderTitle, kHeaderSubtitle, this, 96);
    auto* card =
        new SectionPanel(QStringLiteral("panCriteri"), kPanelTitle, colours::kAmber.darker(112), this);
    card->setFixedWidth(680);
    const CriteriaRows rows = buildCriteria(card);
    QHBoxLayout* buttons = buildButtons(card);

    lblFile = hiddenLabel(QStringLiteral("lblFile"), this, kFileDesign);
    lblDataInizio = hiddenLabel(QStringLiteral("lblDataInizio"), this);
    lblDataFine = hiddenLabel(QStringLiteral("lblDataFine"), this);

    QFormLayout* form = card->form();
    form->setContentsMargins(22, 46, 22, 20);
    form->setVerticalSpacing(10);
    form->setHorizontalSpacing(14);
    form->addRow(lblCampo01);
    form->addRow(lblCampo02);
    card->addCaptionedRow(kAnno, rows.year);
    card->addCaptionedRow(kCodiceFiscale, rows.worker);
    form->addItem(new QSpacerItem(0, 6));
    form->addRow(lblCampo03);
    form->addRow(rows.dates);
    form->addItem(new QSpacerItem(0, 8));
    form->addRow(buttons);

    frameMenuPage(this, header, {{centredRow(card)}});

    setUpKeys();
    connect(btnVisualizza, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogoPagamenti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(impCodFisc, &ClickablePicture::clicked, this, &TfrmMenuRiepilogoPagamenti::impCodFiscClick);
}

TfrmMenuRiepilogoPagamenti::CriteriaRows TfrmMenuRiepilogoPagamenti::buildCriteria(SectionPanel* card) {
    lblCampo01 = roleLabel(QStringLiteral("lblCampo01"), kCampo01, theme::Role::Hint, card);
    lblCampo02 = roleLabel(QStringLiteral("lblCampo02"), kCampo02, theme::Role::Hint, card);
    lblCampo03 = roleLabel(QStringLiteral("lblCampo03"), kCampo03, theme::Role::Hint, card);
    for (QLabel* l : {lblCampo01, lblCampo02, lblCampo03})
        l->setWordWrap(true);

    txtAnno = new QLineEdit(card);
    txtAnno->setObjectName("txtAnno");
    EditBehaviour::of(txtAnno)->setMaxTyped(4);
    txtAnno->setFixedWidth(90);
    txtAnno->setAlignment(Qt::AlignCenter);
    txtTipologia = new QLineEdit(card);
    txtTipologia->setObjectName("txtTipologia");
    EditBehaviour::of(txtTipologia)->setMaxTyped(16);
    txtTipologia->setFixedWidth(230);
    impCodFisc = new ClickablePicture(QStringLiteral("impCodFisc"), iconPath(QStringLiteral("trova")), card);
    impCodFisc->setFixedSize(26, 26);
    impCodFisc->setToolTip(QStringLiteral("Trova lavoratore in archivio"));
    for (QLineEdit* box : {txtAnno, txtTipologia})
        box->setMinimumHeight(28);

    CriteriaRows rows;
    rows.worker = rowHolder(card);
    addToRow(rows.worker, {txtTipologia, impCodFisc}, false);
    rows.year = rowHolder(card);
    addToRow(rows.year, {txtAnno}, false);
    // Room around the boxes for their focus frames.
    for (QWidget* holder : {rows.worker, rows.year})
        holder->layout()->setContentsMargins(4, 3, 4, 3);

    grpDataInizio = makeDateGroup("grpDataInizio", kDataInizio, txtGiornoInizio, "txtGiornoInizio",
                                  txtMeseInizio, "txtMeseInizio", lblAnnoInizio, "lblAnnoInizio");
    grpDataFine = makeDateGroup("grpDataFine", kDataFine, txtGiornoFine, "txtGiornoFine", txtMeseFine,
                                "txtMeseFine", lblAnnoFine, "lblAnnoFine");
    grpDataInizio->setParent(card);
    grpDataFine->setParent(card);
    rows.dates = new QHBoxLayout;
    rows.dates->setSpacing(16);
    rows.dates->addWidget(grpDataInizio);
    rows.dates->addWidget(grpDataFine);
    return rows;
}

QHBoxLayout* TfrmMenuRiepilogoPagamenti::buildButtons(SectionPanel* card) {
    lblAttendere = roleLabel(QStringLiteral("lblAttendere"), kAttendere, theme::Role::Wait, card);
    lblAttendere->hide();
    // The wait line keeps its room, so showing it moves nothing.
    QSizePolicy keep = lblAttendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblAttendere->setSizePolicy(keep);

    btnEsci = pictureButton(QStringLiteral("btnEsci"), QStringLiteral("esci"), kEsci, card);
    btnVisualizza =
        pictureButton(QStringLiteral("btnVisualizza"), QStringLiteral("riepilogo"), kVisualizza, card);
    for (QPushButton* b : {btnEsci, btnVisualizza}) {
        b->setMinimumHeight(34);
        b->setMinimumWidth(120);
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(lblAttendere, 1);
    buttons->addWidget(btnEsci);
    buttons->addWidget(btnVisualizza);
    return buttons;
}

void TfrmMenuRiepilogoPagamenti::setUpKeys() {
    setTabOrder(txtAnno, txtTipologia);
    setTabOrder(txtTipologia, txtGiornoInizio);
    setTabOrder(txtGiornoInizio, txtMeseInizio);
    setTabOrder(txtMeseInizio, txtGiornoFine);
    setTabOrder(txtGiornoFine, txtMeseFine);
    setTabOrder(txtMeseFine, btnEsci);
    setTabOrder(btnEsci, btnVisualizza);

    EditBehaviour::of(txtAnno)
        ->setKeyFilter(KeyFilter::Digits)
        .setEnterTarget(txtTipologia)
        .setFocusMark(FocusMark::Frame, QStringLiteral("effAnno"));
    EditBehaviour::of(txtTipologia)
        ->setTextCase(TextCase::UpperOnKeyRelease)
        .setEnterTarget(txtGiornoInizio)
        .setFocusMark(FocusMark::Frame, QStringLiteral("effTipologia"));
    for (auto [box, frame] :
         {std::pair{txtGiornoInizio, "effGiornoInizio"}, std::pair{txtMeseInizio, "effMeseInizio"},
          std::pair{txtGiornoFine, "effGiornoFine"}, std::pair{txtMeseFine, "effMeseFine"}}) {
        EditBehaviour::of(box)->setFocusMark(FocusMark::Frame, QString::fromLatin1(frame));
        box->installEventFilter(this);
    }
    txtAnno->installEventFilter(this);
}

QGroupBox* TfrmMenuRiepilogoPagamenti::makeDateGroup(const char* name, const QString& title, QComboBox*& day,
                                                     const char* dayName, QComboBox*& month,
                                                     const char* monthName, QLabel*& year,
                                                     const char* yearName) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    day = new QComboBox(group);
    day->setObjectName(QString::fromLatin1(dayName));
    for (int d = 1; d <= 31; ++d)
        day->addItem(QString::number(d).rightJustified(2, u'0'));
    day->setMaxVisibleItems(16);
    day->setFixedWidth(70);
    month = new QComboBox(group);
    month->setObjectName(QString::fromLatin1(monthName));
    month->addItems(summary::monthNames());
    month->setMaxVisibleItems(12);
    month->setFixedWidth(130);
    year = new QLabel(kAnnoDesign, group);
    year->setObjectName(QString::fromLatin1(yearName));
    theme::setRole(year, theme::Role::Heading);
    year->setMinimumWidth(48);
    for (QComboBox* box : {day, month}) {
        box->setMinimumHeight(28);
        box->setCurrentIndex(-1);
    }

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(14, 18, 14, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(kGiorno, group), 0, 0);
    grid->addWidget(new QLabel(kMese, group), 0, 1);
    grid->addWidget(new QLabel(kAnno, group), 0, 2);
    grid->addWidget(day, 1, 0);
    grid->addWidget(month, 1, 1);
    grid->addWidget(year, 1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

void TfrmMenuRiepilogoPagamenti::opening() {
    for (QComboBox* box : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        box->setCurrentIndex(-1);
    txtTipologia->clear();
    const QString year = QString::number(Platform::instance().today().year()).rightJustified(4, u'0');
    txtAnno->setText(year);
    lblAnnoInizio->setText(year);
    lblAnnoFine->setText(year);
    lblAttendere->hide();
    txtTipologia->setFocus();
}

bool TfrmMenuRiepilogoPagamenti::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAnno) {
        if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut)
            followYear();
        return false;
    }
    // The drop-down boxes take their values from the list only: every key is discarded,
    // except Tab, which still moves between the controls.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
        if (event->type() == QEvent::ShortcutOverride)
            return false;
        return true;
    }
    return NavigationWindow::eventFilter(watched, event);
}

void TfrmMenuRiepilogoPagamenti::followYear() {
    const QString year = trimText(txtAnno->text());
    lblAnnoInizio->setText(year);
    lblAnnoFine->setText(year);
}

void TfrmMenuRiepilogoPagamenti::btnVisualizzaClick() {
    lblDataInizio->clear();
    lblDataFine->clear();
    const summary::CriteriaCheck check = summary::checkCriteria(
        {txtAnno->text(), txtGiornoInizio->currentText(), txtMeseInizio->currentText(), lblAnnoInizio->text(),
         txtGiornoFine->currentText(), txtMeseFine->currentText(), lblAnnoFine->text()});
    lblDataInizio->setText(check.startDate);
    lblDataFine->setText(check.endDate);
    if (check.refusal) {
        const summary::CriteriaRefusal& refusal = *check.refusal;
        Platform::instance().message(refusal.warning ? MessageKind::Warning : MessageKind::Plain,
                                     refusal.text, this);
        QWidget* focus = nullptr;
        switch (refusal.focus) {
        case summary::CriteriaFocus::Anno:
            focus = txtAnno;
            break;
        case summary::CriteriaFocus::GiornoInizio:
            focus = txtGiornoInizio;
            break;
        case summary::CriteriaFocus::MeseInizio:
            focus = txtMeseInizio;
            break;
        case summary::CriteriaFocus::GiornoFine:
            focus = txtGiornoFine;
            break;
        case summary::CriteriaFocus::MeseFine:
            focus = txtMeseFine;
            break;
        case summary::CriteriaFocus::Stay:
            break;
        }
        if (focus)
            focus->setFocus();
        lblAttendere->hide();
        return;
    }
    lblFile->setText(workArchivePath(programFolder(), trimText(txtAnno->text())));
    openToolWindow<TfrmRiepPagamenti>(this, QString(), {}, request());
    lblAttendere->hide(); // also when the list window could not be shown
}

summary::Request TfrmMenuRiepilogoPagamenti::request() const {
    return {lblFile->text(), lblDataInizio->text(), lblDataFine->text(), txtTipologia->text()};
}

void TfrmMenuRiepilogoPagamenti::impCodFiscClick() {
    // The chosen worker's codice fiscale becomes the worker filter.
    openToolWindow<TfrmTrovaIstruttori>(this, kTagSearch, [this](TfrmTrovaIstruttori& w) {
        connect(&w, &TfrmTrovaIstruttori::workerChosen, this,
                [this](const Record& worker) { txtTipologia->setText(worker[TSchedaLavoratore::CodFisc]); });
    });
}

QWidget* TfrmMenuRiepilogoPagamenti::closeHandler() {
    return shell().window(Screen::MainMenu);
}

} // namespace orvelia

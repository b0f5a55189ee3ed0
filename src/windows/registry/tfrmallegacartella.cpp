#include "windows/registry/tfrmallegacartella.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/attachments/attachments.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/recordwindow.h"
#include "windows/common/toolwindow.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {

const QString kCaption = QStringLiteral(" Allega file");
const QString kTitle = QStringLiteral("Allega file");
const QString kSubtitle = QStringLiteral("Fino a tre documenti per la scheda corrente");
const QString kTagRegistry = QStringLiteral("istruttori");
const QString kTagWork = QStringLiteral("lavori");

const char* const kSlotTitles[] = {"Primo allegato", "Secondo allegato", "Terzo allegato"};
const QColor* const kSlotAccents[] = {&colours::kBlue, &colours::kTeal, &colours::kAmber};
const char* const kFileCaption = "Nome %1° file allegato:";
const char* const kDescCaption = "Descrizione %1° file allegato:";
const QString kRenamed = QStringLiteral(
    "Il documento \"%1\" è stato allegato con il nome \"%2\".\r\n\r\nIl nome originale contiene caratteri "
    "che l'archivio non può conservare, spazi all'inizio o alla fine, oppure è troppo lungo.");
const QString kBrowse = QStringLiteral("Sfoglia...");
const QString kOpen = QStringLiteral("Apri");
const QString kApply = QStringLiteral("Applica e chiudi");
const QString kCancel = QStringLiteral("Annulla");
const QString kClearTip =
    QStringLiteral("Togli il file da questo spazio: il documento resta nella cartella.");
const QString kHint = QStringLiteral("I file scelti vengono copiati nella cartella Documenti_Allegati del "
                                     "programma; la scheda li conserva quando viene salvata.");

const QString kDialogTitle = QStringLiteral("Selezionare il file da allegare:");
const QString kDialogFilter = QStringLiteral("Tutti i file (*.*)");

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kFolderFailed =
    QStringLiteral("Attenzione: non è stato possibile creare la cartella dei documenti allegati.\r\n\r\n"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                   "programma. Il file non è stato allegato.");
const QString kSourceFailed =
    QStringLiteral("Attenzione: non è stato possibile leggere il file scelto.\r\n\r\n"
                   "Il file non è stato allegato.");
const QString kCopyFailed =
    QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                   "allegati.\r\n\r\nIl file non è stato allegato e i documenti già presenti non sono stati "
                   "modificati.");
const QString kUnusableName =
    QStringLiteral("Attenzione: il nome del file scelto contiene caratteri che non possono essere usati per "
                   "un documento allegato (\\ / :).\r\n\r\nIl file non è stato allegato.");
const QString kUnsafeName =
    QStringLiteral("Attenzione: il nome del file allegato non è valido.\r\n\r\n"
                   "Il nome di un documento allegato non può indicare un'altra cartella: il file non "
                   "viene aperto.");

QString slotText(const char* pattern, int slot) {
    return QString::fromUtf8(pattern).arg(slot + 1);
}

QString slotName(const char* prefix, int slot) {
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* caller)
    : ToolWindow(caller, "TfrmAllegaCartella", kCaption) {
    paintGround(this, colours::kPaper);

    auto* header = new BrandHeader(kTitle, kSubtitle, this, 72);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 16, 18, 16);
    body->setSpacing(12);
    for (int i = 0; i < 3; ++i) {
        body->addWidget(buildSlot(i));
        connectSlot(i);
    }
    txtFile01 = m_slots[0].file, txtFile02 = m_slots[1].file, txtFile03 = m_slots[2].file;
    txtDesc01 = m_slots[0].desc, txtDesc02 = m_slots[1].desc, txtDesc03 = m_slots[2].desc;
    btnSfoglia01 = m_slots[0].browse, btnSfoglia02 = m_slots[1].browse, btnSfoglia03 = m_slots[2].browse;
    btnApri01 = m_slots[0].open, btnApri02 = m_slots[1].open, btnApri03 = m_slots[2].open;
    imgCancella01 = m_slots[0].clear, imgCancella02 = m_slots[1].clear, imgCancella03 = m_slots[2].clear;

    auto* hint = roleLabel(QStringLiteral("lblSuggerimento"), kHint, theme::Role::Hint, this);
    hint->setWordWrap(true);
    QFrame* rule = ruleLine(this);
    const ButtonPair buttons = buttonPair(
        {QStringLiteral("btnApplica"), kApply, QStringLiteral("btnAnnulla"), kCancel, QSize(130, 30)}, this);
    btnApplica = buttons.confirm;
    btnApplica->setDefault(true);
    btnAnnulla = buttons.cancel;
    btnAnnulla->setAutoDefault(false);
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);

    body->addWidget(hint);
    body->addWidget(rule);
    body->addLayout(buttons.row);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body);
    setMinimumWidth(720);

    setTabOrder(txtDesc01, txtDesc02);
    setTabOrder(txtDesc02, txtDesc03);
    txtDesc01->setFocus();

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

SectionPanel* TfrmAllegaCartella::buildSlot(int i) {
    Slot& s = m_slots[std::size_t(i)];
    auto* panel = new SectionPanel(slotName("panAllegato", i), QString::fromUtf8(kSlotTitles[i]),
                                   *kSlotAccents[i], this);
    s.file = new QLineEdit(panel);
    s.file->setObjectName(slotName("txtFile", i));
    s.file->setReadOnly(true);
    s.file->setFocusPolicy(Qt::NoFocus);
    theme::setRole(s.file, theme::Role::FixedName);
    s.desc = new QLineEdit(panel);
    s.desc->setObjectName(slotName("txtDesc", i));
    theme::setRole(s.desc, theme::Role::Description);
    s.browse = pictureButton(slotName("btnSfoglia", i), QStringLiteral("apri"), kBrowse, panel);
    s.open = pictureButton(slotName("btnApri", i), QStringLiteral("documento"), kOpen, panel);
    s.open->setEnabled(false);
    for (QPushButton* b : {s.browse, s.open}) {
        b->setMinimumHeight(28);
        b->setAutoDefault(false);
    }
    s.browse->setMinimumWidth(104);
    s.open->setMinimumWidth(80);
    s.clear = new ClickablePicture(slotName("imgCancella", i), iconPath(QStringLiteral("chiudi")), panel);
    s.clear->setFixedSize(22, 22);
    s.clear->setToolTip(kClearTip);
    for (QLineEdit* box : {s.file, s.desc}) {
        box->setMinimumHeight(26);
        box->setMinimumWidth(300);
    }

    QWidget* row = rowHolder(panel);
    addToRow(row, {s.file, s.browse, s.open, s.clear}, true);
    auto* fileLabel = new QLabel(slotText(kFileCaption, i), panel);
    fileLabel->setObjectName(slotName("lblNomeFile", i));
    auto* descLabel = new QLabel(slotText(kDescCaption, i), panel);
    descLabel->setObjectName(slotName("lblDescrizione", i));
    panel->form()->addRow(fileLabel, row);
    panel->form()->addRow(descLabel, s.desc);
    return panel;
}

void TfrmAllegaCartella::connectSlot(int i) {
    const Slot& s = m_slots[std::size_t(i)];
    connect(s.file, &QLineEdit::textChanged, s.open,
            [open = s.open](const QString& text) { open->setEnabled(!trimText(text).isEmpty()); });
    connect(s.browse, &QPushButton::clicked, this, [this, i] { btnSfogliaClick(i); });
    connect(s.open, &QPushButton::clicked, this, [this, i] { btnApriClick(i); });
    connect(s.clear, &ClickablePicture::clicked, this, [this, i] { imgCancellaClick(i); });
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    Platform& platform = Platform::instance();
    const QString chosen = platform.chooseFile(this, kDialogTitle, QString(), kDialogFilter);
    if (chosen.isEmpty())
        return;
    const QString chosenName = QFileInfo(chosen).fileName();
    if (!isPlainFileName(chosenName)) {
        platform.warning(kUnusableName, this);
        return;
    }
    // Every failure leaves the slot with the name it had: it names only documents that are stored.
    const QString folder = programFolder();
    if (ensureAttachmentFolder(folder) != AttachmentError::None) {
        platform.error(kFolderFailed, this);
        return;
    }
    // The document is stored under exactly the name the record will keep.
    const QString name = storedAttachmentName(chosenName, attachmentFolder(folder));
    QLineEdit* file = m_slots[std::size_t(slot)].file;
    const QString target = attachmentPath(folder, name);
    if (name == chosenName && QFileInfo::exists(target) && !platform.question(kOverwrite, this)) {
        file->setText(name); // the document already stored under this name
        return;
    }
    switch (copyFileReplacing(chosen, target)) {
    case AttachmentError::None:
        file->setText(name);
        if (name != chosenName)
            platform.information(kRenamed.arg(chosenName, name), this);
        return;
    case AttachmentError::Source:
        platform.error(kSourceFailed, this);
        return;
    case AttachmentError::Folder:
        platform.error(kFolderFailed, this);
        return;
    case AttachmentError::Write:
        platform.error(kCopyFailed, this);
        return;
    }
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name = trimText(m_slots[std::size_t(slot)].file->text());
    if (name.isEmpty())
        return;
    if (!isPlainFileName(name)) {
        Platform::instance().warning(kUnsafeName, this);
        return;
    }
    TMisc::Open(QStringLiteral("\"") + QDir::toNativeSeparators(attachmentPath(programFolder(), name)) +
                QStringLiteral("\""));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) {
    m_slots[std::size_t(slot)].file->clear();
}

void TfrmAllegaCartella::setAttachments(const QStringList& values) {
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i].file->setText(trimText(values.value(qsizetype(i))));
        m_slots[i].desc->setText(trimText(values.value(qsizetype(i) + qsizetype(m_slots.size()))));
    }
}

void TfrmAllegaCartella::openOn(QWidget* caller, const QString& tag, const QList<QLabel*>& labels) {
    openToolWindow<TfrmAllegaCartella>(caller, tag, [caller, labels](TfrmAllegaCartella& w) {
        w.setAttachments(records::texts(labels));
        connect(&w, &TfrmAllegaCartella::attachmentsChosen, caller,
                [labels](const QStringList& values) { records::setTexts(labels, values); });
    });
}

void TfrmAllegaCartella::btnApplicaClick() {
    const QString tag = trimText(lblMemory->text());
    if (tag != kTagRegistry && tag != kTagWork)
        return; // a tag this window does not serve: the values stay here
    QStringList values;
    for (const Slot& s : m_slots)
        values << trimText(s.file->text());
    for (const Slot& s : m_slots)
        values << trimText(s.desc->text());
    emit attachmentsChosen(values);
    accept();
}

} // namespace orvelia

#include "windows/backup/tfrmcopiasicurezza.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/backup/backup.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Copia di sicurezza");
const QString kTitle = QStringLiteral("Copia di sicurezza");
const QString kSubtitle =
    QStringLiteral("Archivi, password e documenti allegati in un unico file controllato");
const QString kIntro = QStringLiteral(
    "La copia raccoglie in un file zip l'archivio dei lavoratori, i registri dei lavori di ogni anno, la "
    "password e i documenti allegati; viene riletta e controllata prima di essere data per fatta. "
    "Conservarla fuori dal computer: su una chiavetta USB o in una cartella di rete.");
const QString kFolderPrompt = QStringLiteral("Cartella delle copie:");
const QString kNoFolder = QStringLiteral("Nessuna cartella scelta");
const QString kChooseCaption = QStringLiteral("Cartella delle copie di sicurezza");
const QString kRestoreCaption = QStringLiteral("Ripristina da una copia di sicurezza");
const QString kRestoreFilter = QStringLiteral(
    "Copie di sicurezza di Orvelia (Orvelia-copia-*.zip);;File zip (*.zip);;Tutti i file (*.*)");
const QString kNever = QStringLiteral("Non \u00E8 ancora stata fatta nessuna copia di sicurezza.");
const QString kLast = QStringLiteral("Ultima copia: %1 alle %2 (%3).");
const QString kCopying =
    QStringLiteral("Copia in corso: lettura degli archivi, scrittura e controllo del file...");
const QString kRestoring =
    QStringLiteral("Ripristino in corso: controllo della copia e sostituzione dei file...");
const QString kFolderNotKept = QStringLiteral(
    "Attenzione: il sistema non permette di ricordare la cartella scelta.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");
const QString kConfirm = QStringLiteral(
    "Ripristinare i dati dalla copia del %1?\n\r\n\rLa copia contiene %2. Sostituir\u00E0 nella cartella del "
    "programma i file con lo stesso nome; gli altri restano come sono.");
const QString kConfirmKeep = QStringLiteral(
    "\n\r\n\rPrima del ripristino viene fatta una copia dei dati presenti, accanto al file scelto.");

QString daysAgo(qint64 days) {
    if (days <= 0)
        return QStringLiteral("oggi");
    if (days == 1)
        return QStringLiteral("ieri");
    return QStringLiteral("%1 giorni fa").arg(days);
}

// "3 archivi con 1.234 schede, la password e 2 documenti allegati"
QString contentsOf(const backup::Manifest& m) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QStringList parts;
    parts << (m.archives() == 1 ? QStringLiteral("1 archivio")
                                : QStringLiteral("%1 archivi").arg(m.archives())) +
                 QStringLiteral(" con %1 schede").arg(italian.toString(m.records()));
    if (std::any_of(m.entries.begin(), m.entries.end(),
                    [](const backup::Entry& e) { return e.kind == backup::Entry::Kind::Password; }))
        parts << QStringLiteral("la password di accesso");
    parts << (m.documents() == 1 ? QStringLiteral("1 documento allegato")
                                 : QStringLiteral("%1 documenti allegati").arg(m.documents()));
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
}
} // namespace

TfrmCopiaSicurezza::TfrmCopiaSicurezza(QWidget* caller)
    : ToolWindow(caller, "TfrmCopiaSicurezza", kCaption) {
    auto* header = new BrandHeader(kTitle, kSubtitle, this, 84);
    auto* intro = roleLabel(QStringLiteral("lblIntro"), kIntro, theme::Role::Body, this);
    intro->setWordWrap(true);

    txtCartella = new QLineEdit(this);
    txtCartella->setObjectName("txtCartella");
    txtCartella->setReadOnly(true);
    txtCartella->setPlaceholderText(kNoFolder);
    txtCartella->setMinimumWidth(360);
    cmdScegli = new QPushButton(QStringLiteral("Scegli..."), this);
    cmdScegli->setObjectName("cmdScegli");
    cmdScegli->setMinimumSize(100, 30);
    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(8);
    folderRow->addWidget(roleLabel(QStringLiteral("lblCartella"), kFolderPrompt, theme::Role::Heading, this));
    folderRow->addWidget(txtCartella, 1);
    folderRow->addWidget(cmdScegli);

    lblUltima = roleLabel(QStringLiteral("lblUltima"), QString(), theme::Role::Navy, this);
    prgCopia = new QProgressBar(this);
    prgCopia->setObjectName("prgCopia");
    prgCopia->setRange(0, 1000);
    prgCopia->setTextVisible(false);
    prgCopia->setFixedHeight(14);
    lblStato = roleLabel(QStringLiteral("lblStato"), QString(), theme::Role::Hint, this);
    // The bar and its line keep their room while hidden, so the window does not jump.
    for (QWidget* w : {static_cast<QWidget*>(prgCopia), static_cast<QWidget*>(lblStato)}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
        w->hide();
    }

    cmdCopia = pictureButton(QStringLiteral("cmdCopia"), QStringLiteral("copia"),
                             QStringLiteral("Crea la copia"), this);
    cmdRipristina = pictureButton(QStringLiteral("cmdRipristina"), QStringLiteral("ripristina"),
                                  QStringLiteral("Ripristina da una copia..."), this);
    cmdChiudi = closeButton(this, QStringLiteral("cmdChiudi"), false);
    cmdCopia->setDefault(true);
    for (QPushButton* b : {cmdCopia, cmdRipristina})
        b->setMinimumSize(150, 30);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(cmdCopia);
    buttons->addWidget(cmdRipristina);
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(26, 18, 26, 20);
    content->setSpacing(12);
    content->addWidget(intro);
    content->addSpacing(4);
    content->addLayout(folderRow);
    content->addWidget(lblUltima);
    content->addWidget(prgCopia);
    content->addWidget(lblStato);
    content->addWidget(ruleLine(this));
    content->addLayout(buttons);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(content);
    setMinimumWidth(620);

    m_copyTimer = new QTimer(this);
    m_copyTimer->setSingleShot(true);
    connect(m_copyTimer, &QTimer::timeout, this, [this] { cmdCopiaClick(); });
    connect(cmdScegli, &QPushButton::clicked, this, [this] { chooseFolder(); });
    connect(cmdCopia, &QPushButton::clicked, this, [this] { cmdCopiaClick(); });
    connect(cmdRipristina, &QPushButton::clicked, this, [this] { cmdRipristinaClick(); });
}

void TfrmCopiaSicurezza::opening() {
    txtCartella->setText(QDir::toNativeSeparators(backup::savedDestination(programFolder())));
    showLastCopy();
    if (m_copyWhenShown)
        m_copyTimer->start(0);
}

void TfrmCopiaSicurezza::showLastCopy() {
    const auto last = backup::lastBackup(programFolder());
    if (!last) {
        theme::setRole(lblUltima, theme::Role::Wait);
        lblUltima->setText(kNever);
        return;
    }
    const QDateTime now = Platform::instance().now();
    // A copy a week old or more stands out, as the reminder at closing would.
    theme::setRole(lblUltima, backup::reminderDue(last, now) ? theme::Role::Wait : theme::Role::Navy);
    lblUltima->setText(kLast.arg(last->toString(QStringLiteral("dd/MM/yyyy")),
                                 last->toString(QStringLiteral("HH:mm")),
                                 daysAgo(last->date().daysTo(now.date()))));
}

bool TfrmCopiaSicurezza::chooseFolder() {
    const QString chosen = Platform::instance().chooseFolder(this, kChooseCaption,
                                                             QDir::fromNativeSeparators(txtCartella->text()));
    if (chosen.isEmpty())
        return false;
    txtCartella->setText(QDir::toNativeSeparators(chosen));
    if (!backup::saveDestination(programFolder(), QDir::fromNativeSeparators(chosen)))
        Platform::instance().warning(kFolderNotKept, this);
    return true;
}

void TfrmCopiaSicurezza::cmdCopiaClick() {
    if (txtCartella->text().isEmpty() && !chooseFolder())
        return;
    const QString destination = QDir::fromNativeSeparators(txtCartella->text());
    const backup::Outcome made = busy(kCopying, [&](const backup::Progress& progress) {
        return backup::makeBackup(programFolder(), destination, Platform::instance().now(), progress);
    });
    showLastCopy();
    tell(made);
}

void TfrmCopiaSicurezza::cmdRipristinaClick() {
    const QString chosen = Platform::instance().chooseFile(
        this, kRestoreCaption, QDir::fromNativeSeparators(txtCartella->text()), kRestoreFilter);
    if (chosen.isEmpty())
        return;
    const backup::Outcome inspected = backup::inspectBackup(chosen);
    if (!inspected.ok()) {
        tell(inspected);
        return;
    }
    const QString folder = programFolder();
    QString question =
        kConfirm.arg(inspected.manifest.made.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")),
                     contentsOf(inspected.manifest));
    if (backup::holdsData(folder))
        question += kConfirmKeep;
    if (!Platform::instance().question(question, this))
        return;
    const backup::Outcome restored = busy(kRestoring, [&](const backup::Progress& progress) {
        return backup::restoreBackup(chosen, folder, true, Platform::instance().now(), progress);
    });
    showLastCopy();
    tell(restored);
}

backup::Outcome TfrmCopiaSicurezza::busy(const QString& status, const Work& work) {
    m_busy = true;
    enableCommands(false);
    lblStato->setText(status);
    prgCopia->setValue(0);
    prgCopia->show();
    lblStato->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // One thread: the window is painted again as the copy goes on, but takes no keys or clicks.
    const backup::Outcome outcome = work([this](qint64 done, qint64 total) {
        prgCopia->setValue(int(done * 1000 / std::max<qint64>(total, 1)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
    prgCopia->hide();
    lblStato->hide();
    enableCommands(true);
    m_busy = false;
    return outcome;
}

void TfrmCopiaSicurezza::enableCommands(bool enabled) {
    for (QPushButton* b : {cmdCopia, cmdRipristina, cmdScegli, cmdChiudi})
        b->setEnabled(enabled);
}

void TfrmCopiaSicurezza::tell(const backup::Outcome& outcome) {
    Platform::instance().message(outcome.ok() ? MessageKind::Information : MessageKind::Error,
                                 backup::message(outcome), this);
}

void TfrmCopiaSicurezza::reject() {
    if (!m_busy)
        ToolWindow::reject();
}

void TfrmCopiaSicurezza::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}

} // namespace orvelia

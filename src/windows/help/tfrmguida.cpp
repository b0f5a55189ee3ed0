#include "windows/help/tfrmguida.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "windows/common/toolwindow.h"
#include "windows/common/windowparts.h"
#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Guida all'utilizzo del software");
const QString kHeaderTitle = QStringLiteral("Guida all'utilizzo");
const QString kHeaderSubtitle = QStringLiteral("Orvelia - il software per chi lavora a ore");
const QString kTitleDesign = QStringLiteral("Argomento della guida.");
const QString kLink = QStringLiteral("Visualizza guida in formato PDF");
const QString kGuideFile = QStringLiteral("Guida.pdf");
} // namespace

QString guidePdfCommand() {
    return QStringLiteral("\"") + QDir(programFolder()).filePath(kGuideFile) + QStringLiteral("\"");
}

TfrmGuida::TfrmGuida(QWidget* caller)
    : ToolWindow(caller, "TfrmGuida", kCaption) {
    auto* header = new BrandHeader(kHeaderTitle, kHeaderSubtitle, this, 72);

    lblTitolo = new QLabel(kTitleDesign, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setWordWrap(true);
    theme::setRole(lblTitolo, theme::Role::PageTitle);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    theme::setRole(txtGuida, theme::Role::HelpText);
    txtGuida->setFixedSize(600, 380);

    imgPDF = new ClickablePicture(QStringLiteral("imgPDF"), iconPath(QStringLiteral("documento")), this);
    imgPDF->setFixedSize(28, 28);
    lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), kLink, this);
    lnkWeb->attachPicture(imgPDF);
    // The guide's outcome is the shell's business: a missing guide gives no message here.
    connect(lnkWeb, &LinkLabel::clicked, this, [] { TMisc::Open(guidePdfCommand()); });

    btnChiudi = closeButton(this, QStringLiteral("btnChiudi"), true);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(24, 16, 24, 18);
    content->setSpacing(10);
    content->addWidget(lblTitolo);
    content->addWidget(txtGuida);
    content->addSpacing(4);
    content->addLayout(bottom);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(content);
    theme::setRole(this, theme::Role::Ground);
}

void TfrmGuida::showPage(HelpPage page) {
    lblTitolo->setText(helpTitle(page));
    txtGuida->setPlainText(helpText(page));
}

void showHelp(QWidget* caller, HelpPage page) {
    openToolWindow<TfrmGuida>(caller, QString(), [page](TfrmGuida& w) { w.showPage(page); });
}

} // namespace orvelia

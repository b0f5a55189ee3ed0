#include "framework/platform.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orvelia {

namespace {
const QString kSavePdfCaption = QStringLiteral("Nessuna stampante installata: salva la stampa in PDF");
const QString kPdfFilter = QStringLiteral("Documenti PDF (*.pdf)");

std::unique_ptr<Platform>& current() {
    static std::unique_ptr<Platform> platform = std::make_unique<QtPlatform>();
    return platform;
}
} // namespace

Platform::~Platform() = default;

Platform& Platform::instance() {
    return *current();
}

std::unique_ptr<Platform> Platform::install(std::unique_ptr<Platform> platform) {
    std::swap(current(), platform);
    return platform;
}

QString messageTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Avviso");
    case MessageKind::Information:
        return QStringLiteral("Informazione");
    case MessageKind::Error:
        return QStringLiteral("Errore");
    case MessageKind::Plain:
        return QStringLiteral("Orvelia");
    case MessageKind::Question:
        return QStringLiteral("Conferma");
    }
    return QStringLiteral("Orvelia");
}

QString shellText(const QString& target) {
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        return target.mid(1, target.size() - 2);
    return target;
}

QUrl shellTarget(const QString& target) {
    const QString text = shellText(target);
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    // A drive letter (C:) is a path, not a scheme.
    if (scheme.match(text).hasMatch() &&
        !QRegularExpression(QStringLiteral("^[A-Za-z]:[\\\\/]")).match(text).hasMatch())
        return QUrl(text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}

QPushButton* prepareMessageBox(QMessageBox& box, MessageKind kind, const QString& text) {
    box.setWindowTitle(messageTitle(kind));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = nullptr;
    switch (kind) {
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (kind == MessageKind::Question) {
        yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        box.setDefaultButton(yes);
        box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    } else {
        yes = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(yes);
        if (kind != MessageKind::Plain)
            box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        else
            box.setEscapeButton(yes);
    }
    return yes;
}

bool QtPlatform::message(MessageKind kind, const QString& text, QWidget* parent) {
    QMessageBox box(parent);
    const QPushButton* yes = prepareMessageBox(box, kind, text);
    box.exec();
    return box.clickedButton() == yes;
}

void QtPlatform::open(const QString& target) {
    openInShell(target);
}

QString QtPlatform::chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) {
    // "*.*" means any file where the program comes from; here a name needs no dot, so the
    // pattern becomes "*" and a file without an extension can be chosen too.
    QString patterns = filter;
    patterns.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    const QString& dir = folder;
    return QFileDialog::getOpenFileName(parent, caption, dir, patterns);
}

QString QtPlatform::chooseFolder(QWidget* parent, const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

std::optional<QString> QtPlatform::inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                             const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString fileNameOf(const QString& title) {
    QString name = title.trimmed();
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1F]"));
    name.replace(forbidden, QStringLiteral("-"));
    return name.isEmpty() ? QStringLiteral("Stampa") : name;
}

bool QtPlatform::choosePrinter(QPrinter& printer, QWidget* parent) {
    // With no printer installed, a system dialog that cannot write a PDF would leave the print
    // command without a way out: the pages are offered as a PDF file instead.
    if (!printerDialogWritesPdf() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QString file = QFileDialog::getSaveFileName(
            parent, kSavePdfCaption,
            documents.filePath(fileNameOf(printer.docName()) + QStringLiteral(".pdf")), kPdfFilter);
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::preview(QWidget* parent, const QString& caption,
                         const std::function<void(QPrinter*)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(caption);
    dialog.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) { paint(p); });
    dialog.exec();
}

int QtPlatform::showModal(QDialog* dialog) {
    return dialog->exec();
}

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

} // namespace orvelia

#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>

namespace orvelia::test {

bool FakePlatform::message(MessageKind kind, const QString& text, QWidget*) {
    messages.push_back({kind, text});
    if (kind != MessageKind::Question)
        return true;
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakePlatform::open(const QString& target) {
    opened << target;
}

QString FakePlatform::chooseFile(QWidget*, const QString&, const QString&, const QString&) {
    if (chosenFiles.empty())
        return QString();
    QString file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}

QString FakePlatform::chooseFolder(QWidget*, const QString&, const QString&) {
    if (chosenFolders.empty())
        return QString();
    QString folder = chosenFolders.front();
    chosenFolders.pop_front();
    return folder;
}

std::optional<QString> FakePlatform::inputText(QWidget*, const QString&, const QString&,
                                               const QString& initial) {
    if (inputs.empty())
        return initial;
    const bool cancelled = !inputs.front().has_value();
    const QString text = inputs.front().value_or(QString());
    inputs.pop_front();
    if (cancelled)
        return std::nullopt;
    return text;
}

bool FakePlatform::choosePrinter(QPrinter& printer, QWidget*) {
    if (!printFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
    }
    return acceptPrinter;
}

void FakePlatform::preview(QWidget*, const QString&, const std::function<void(QPrinter*)>& paint) {
    ++previews;
    if (!printFile.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        paint(&printer);
    }
}

int FakePlatform::showModal(QDialog* dialog) {
    if (modalHandlers.empty()) {
        ADD_FAILURE() << "unexpected modal window " << dialog->objectName().toStdString();
        return QDialog::Rejected;
    }
    auto handler = std::move(modalHandlers.front());
    modalHandlers.pop_front();
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    handler(dialog);
    if (dialog->isVisible())
        dialog->hide();
    return dialog->result();
}

std::vector<ShownMessage> FakePlatform::takeMessages() {
    std::vector<ShownMessage> out;
    out.swap(messages);
    return out;
}

ScopedFakePlatform::ScopedFakePlatform() {
    auto fake = std::make_unique<FakePlatform>();
    m_fake = fake.get();
    m_previous = Platform::install(std::move(fake));
}

ScopedFakePlatform::~ScopedFakePlatform() {
    Platform::install(std::move(m_previous));
}

} // namespace orvelia::test

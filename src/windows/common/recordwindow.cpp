#include "windows/common/recordwindow.h"

#include <QScrollArea>
#include <QLabel>

#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia::records {

void reportFailure(QWidget* window, ArchiveError error, const QString& accessMessage) {
    switch (error) {
    case ArchiveError::Busy:
        Platform::instance().warning(kArchiveBusyMessage, window);
        return;
    case ArchiveError::Uncertain:
        Platform::instance().error(kSaveUncertainMessage, window);
        return;
    default:
        Platform::instance().error(accessMessage, window);
        return;
    }
}

namespace {
void failed(QWidget* window, ArchiveError error) {
    reportFailure(window, error, kArchiveAccessMessage);
}

// Once a run, after a save made without the lock the folder could not give.
void noticeUnlockedSaves(QWidget* window) {
    if (archive::takeUnlockedSaveNotice())
        Platform::instance().plain(kUnlockedSavesMessage, window);
}
} // namespace

void browse(QWidget* window, const QString& path, const RecordLayout& layout, BrowseCommand command,
            QLabel* position, const std::function<void(const Record&, qint64)>& show) {
    RecordFile file(path, layout);
    if (const ArchiveError e = file.open(); e != ArchiveError::None)
        return failed(window, e);
    const auto count = file.count();
    if (!count)
        return failed(window, count.error());
    const BrowseStep step = decideBrowse(command, position->text(), *count);
    if (step.action == BrowseStep::Load) {
        const auto record = file.read(step.number);
        if (!record)
            return failed(window, record.error());
        if (const ArchiveError e = file.close(); e != ArchiveError::None)
            return failed(window, e);
        show(*record, step.number);
        return;
    }
    if (const ArchiveError e = file.close(); e != ArchiveError::None)
        return failed(window, e);
    if (step.action == BrowseStep::ReportEmpty) {
        if (step.clearPosition)
            position->clear();
        Platform::instance().information(kEmptyArchiveMessage, window);
    }
}

void save(QWidget* window, const QString& path, const Record& record, QLabel* position) {
    const QString number = position->text();
    if (!number.isEmpty()) {
        if (const ArchiveError e = archive::overwrite(path, number.toLongLong(), record);
            e != ArchiveError::None)
            return failed(window, e);
        Platform::instance().information(kRecordUpdatedMessage, window);
        noticeUnlockedSaves(window);
        return;
    }
    const auto added = archive::append(path, record);
    if (!added)
        return failed(window, added.error());
    position->setText(QString::number(*added));
    Platform::instance().information(kRecordAddedMessage, window);
    noticeUnlockedSaves(window);
}

QScrollArea* scrollingForm(QWidget* window, QWidget* page) {
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("panScorrimento"));
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    page->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    return scroll;
}

QStringList texts(const QList<QLabel*>& labels) {
    QStringList out;
    for (const QLabel* label : labels)
        out << trimText(label->text());
    return out;
}

void setTexts(const QList<QLabel*>& labels, const QStringList& values) {
    for (qsizetype i = 0; i < labels.size(); ++i)
        labels[i]->setText(values.value(i));
}

QList<QLabel*> attachmentLabels(QWidget* parent, QLabel*& file01, QLabel*& file02, QLabel*& file03,
                                QLabel*& desc01, QLabel*& desc02, QLabel*& desc03) {
    file01 = hiddenLabel(QStringLiteral("lblFile01"), parent);
    file02 = hiddenLabel(QStringLiteral("lblFile02"), parent);
    file03 = hiddenLabel(QStringLiteral("lblFile03"), parent);
    desc01 = hiddenLabel(QStringLiteral("lblDesc01"), parent);
    desc02 = hiddenLabel(QStringLiteral("lblDesc02"), parent);
    desc03 = hiddenLabel(QStringLiteral("lblDesc03"), parent);
    return {file01, file02, file03, desc01, desc02, desc03};
}

} // namespace orvelia::records

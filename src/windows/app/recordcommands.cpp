#include "windows/app/recordcommands.h"

#include <QLabel>

#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia::records {

void accessFailed(QWidget* window) {
    Platform::instance().error(kArchiveAccessMessage, window);
}

void browse(QWidget* window, const QString& path, const RecordLayout& layout, BrowseCommand command,
            QLabel* position, const std::function<void(const Record&, qint64)>& show) {
    RecordFile file(path, layout);
    if (file.open() != ArchiveError::None)
        return accessFailed(window);
    const auto count = file.count();
    if (!count)
        return accessFailed(window);
    const BrowseStep step = decideBrowse(command, position->text(), *count);
    if (step.action == BrowseStep::Load) {
        const auto record = file.read(step.number);
        if (!record || file.close() != ArchiveError::None)
            return accessFailed(window);
        show(*record, step.number);
        return;
    }
    if (file.close() != ArchiveError::None)
        return accessFailed(window);
    if (step.action == BrowseStep::ReportEmpty) {
        if (step.clearPosition)
            position->clear();
        Platform::instance().information(kEmptyArchiveMessage, window);
    }
}

void save(QWidget* window, const QString& path, const Record& record, QLabel* position) {
    const QString number = position->text();
    if (!number.isEmpty()) {
        if (archive::overwrite(path, number.toLongLong(), record) != ArchiveError::None)
            return accessFailed(window);
        Platform::instance().information(kRecordUpdatedMessage, window);
        return;
    }
    const auto added = archive::append(path, record);
    if (!added)
        return accessFailed(window);
    position->setText(QString::number(*added));
    Platform::instance().information(kRecordAddedMessage, window);
}

QLabel* statusLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("panInfo"));
    label->setMinimumHeight(26);
    label->setStyleSheet(QStringLiteral("QLabel { background: white; border-top: 1px solid #D8DEE6; "
                                        "padding: 3px 12px; color: #1B3A5C; }"));
    return label;
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

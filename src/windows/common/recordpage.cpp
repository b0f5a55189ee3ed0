#include "windows/common/recordpage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/archive/browse.h"
#include "framework/editing.h"
#include "framework/widgets.h"
#include "windows/common/recordwindow.h"

namespace orvelia {

void FormPage::closeColumns() const {
    for (QVBoxLayout* column : columns)
        column->addStretch();
}

void FormPage::clearStatusOver(StatusLine* status) const {
    status->clearOver(page);
    for (SectionPanel* panel : panels)
        status->clearOver(panel);
}

FormPage formPage(std::span<const FormPanel> panels, int columnCount) {
    FormPage form;
    form.page = new QWidget;
    form.page->setObjectName(QStringLiteral("panScheda"));
    auto* row = new QHBoxLayout(form.page);
    row->setContentsMargins(14, 12, 14, 12);
    row->setSpacing(12);
    for (int i = 0; i < columnCount; ++i) {
        auto* column = new QVBoxLayout;
        column->setSpacing(12);
        row->addLayout(column, 1);
        form.columns.push_back(column);
    }
    for (const FormPanel& p : panels) {
        auto* panel =
            new SectionPanel(QString::fromLatin1(p.name), QString::fromUtf8(p.title), *p.accent, form.page);
        form.columns[std::size_t(p.column)]->addWidget(panel);
        form.panels.push_back(panel);
    }
    return form;
}

void connectBrowsing(QWidget* window, const BrowseCommands& commands, const std::function<QString()>& path,
                     const RecordLayout& layout, QLabel* position,
                     const std::function<void(const Record&, qint64)>& show) {
    const std::pair<CommandButton*, BrowseCommand> steps[] = {{commands[0], BrowseCommand::First},
                                                              {commands[1], BrowseCommand::Previous},
                                                              {commands[2], BrowseCommand::Next},
                                                              {commands[3], BrowseCommand::Last}};
    for (const auto& [command, step] : steps)
        QObject::connect(command, &CommandButton::clicked, window,
                         [window, step = step, path, &layout, position, show] {
                             records::browse(window, path(), layout, step, position, show);
                         });
}

} // namespace orvelia

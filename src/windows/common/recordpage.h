#pragma once

#include <array>
#include <functional>
#include <span>
#include <vector>

#include <QString>

#include "core/archive/layout.h"
#include "framework/commandbar.h"

class QColor;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace orvelia {

class SectionPanel;
class StatusLine;

/**
 * The command bar (panComandi) of @p window filled with the commands of @p defs; the record
 * number label, for a bar with the browse commands, goes into @p position when given.
 */
template <typename W, std::size_t N>
CommandBar* newCommandBar(W* window, const CommandDef<W> (&defs)[N], QLabel** position = nullptr) {
    auto* bar = new CommandBar(window);
    bar->setObjectName(QStringLiteral("panComandi"));
    QLabel* number = fillCommandBar(window, bar, defs);
    if (position)
        *position = number;
    return bar;
}

/// One panel of the form of a data window: its name, title, accent and the column it stands in.
struct FormPanel {
    const char* name;
    const char* title;
    const QColor* accent;
    int column;
};

/// The form page of a data window (panScheda): its panels, in the order given, and its columns.
struct FormPage {
    QWidget* page;
    std::vector<SectionPanel*> panels;
    std::vector<QVBoxLayout*> columns;

    /// Ends every column with a stretch, so that the panels stand at the top.
    void closeColumns() const;
    /// Empties @p status when the mouse moves over the page or one of its panels.
    void clearStatusOver(StatusLine* status) const;
};

/// Builds the form page: @p columnCount columns side by side, each panel of @p panels under the last of its
/// column.
FormPage formPage(std::span<const FormPanel> panels, int columnCount);

/// The browse commands of a data window's bar: First, Previous, Next and Last.
using BrowseCommands = std::array<CommandButton*, 4>;

/**
 * Connects @p commands to browsing an archive of @p layout records: @p path names the archive when a
 * command is given, @p show shows the record reached and @p position holds its number.
 */
void connectBrowsing(QWidget* window, const BrowseCommands& commands, const std::function<QString()>& path,
                     const RecordLayout& layout, QLabel* position,
                     const std::function<void(const Record&, qint64)>& show);

} // namespace orvelia

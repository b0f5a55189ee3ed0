#pragma once

#include <array>

#include <QString>
#include <QStringList>

namespace orvelia {

/// The pages of the help window: one for each part of the program with a help control.
enum class HelpPage {
    Overview,       ///< main menu
    Reports,        ///< reports menu
    Statistics,     ///< monthly statistics
    Summary,        ///< summary list
    Work,           ///< work register and year selection
    Registry,       ///< employee registry
    RegistryExport, ///< export of the employee archive
    WorkExport,     ///< export of the work register
};

/// Every page, in the order of the chapters of the user guide.
inline constexpr std::array kHelpPages{HelpPage::Overview, HelpPage::Registry,   HelpPage::RegistryExport,
                                       HelpPage::Work,     HelpPage::WorkExport, HelpPage::Reports,
                                       HelpPage::Summary,  HelpPage::Statistics};

/// The break between two paragraphs of a help text: CR LF twice, one empty line.
inline const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

/// The one-line title of @p page.
QString helpTitle(HelpPage page);
/// The paragraphs of @p page, in order.
QStringList helpParagraphs(HelpPage page);
/// The text of @p page: its paragraphs joined by kParagraphBreak.
QString helpText(HelpPage page);

/// Title of the instructions picture of the work window.
QString instructionsTitle();
/// The six short paragraphs of the instructions picture.
QStringList instructionsParagraphs();

} // namespace orvelia

#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace orvelia {

/// The colours of the program: every colour a window shows comes from here.
namespace colours {
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kNavy{0x1B, 0x3A, 0x5C};    ///< titles, outlines, the header band
inline const QColor kBlue{0x2E, 0x6D, 0xA4};    ///< the workers, links, selection
inline const QColor kTeal{0x2A, 0x9D, 0x8F};    ///< the work register
inline const QColor kAmber{0xE9, 0xA2, 0x3B};   ///< the pay reports, accents
inline const QColor kPaper{0xF4, 0xF6, 0xF9};   ///< window ground
inline const QColor kLine{0xD8, 0xDE, 0xE6};    ///< rules, panel borders
inline const QColor kSlate{0x5B, 0x6B, 0x7C};   ///< secondary text
inline const QColor kInk{0x3C, 0x4A, 0x5A};     ///< body text
inline const QColor kRed{0xC0, 0x39, 0x2B};     ///< required fields, the wait line
inline const QColor kSky{0x87, 0xCE, 0xEB};     ///< the frame of the work window's boxes
inline const QColor kAlice{0xF0, 0xF8, 0xFF};   ///< a work box without the focus
inline const QColor kBeige{0xF5, 0xF5, 0xDC};   ///< computed results
inline const QColor kBrown{0x8B, 0x45, 0x13};   ///< the text of computed results
inline const QColor kBorder{0xB9, 0xC4, 0xD0};  ///< the border of an edit box
inline const QColor kMist{0xE6, 0xEA, 0xEF};    ///< a box that cannot be typed into
inline const QColor kFrost{0xEA, 0xF0, 0xF7};   ///< a panel under the mouse
inline const QColor kPressed{0xD5, 0xE4, 0xF2}; ///< a panel pressed
inline const QColor kIce{0xDC, 0xE6, 0xF0};     ///< text on the navy band
inline const QColor kGridAlt{0xEE, 0xF3, 0xF8}; ///< every other grid row
inline const QColor kGridEdge{0xC9, 0xD2, 0xDC};
inline const QColor kGridPick{0xCF, 0xE0, 0xF1};
inline const QColor kGridPickText{0x10, 0x18, 0x2A};
inline const QColor kHeaderEdge{0x2E, 0x4F, 0x73};
inline const QColor kText{0x26, 0x32, 0x3F};     ///< long help text
inline const QColor kButton{0xEC, 0xEF, 0xF3};   ///< the face of a push button
inline const QColor kEditable{0x10, 0x18, 0x24}; ///< a grid cell that can be typed into
inline const QColor kCrimson{0xDC, 0x14, 0x3C};  ///< the hint under a list that a double click opens a line
inline const QColor kLinkRest{0x00, 0x00, 0x8B}; ///< a link label at rest (dark blue)
inline const QColor kLinkHeld{0xFF, 0xA5, 0x00}; ///< a link label under the mouse (orange)
inline const QColor kGlow{0xFF, 0xFF, 0xFF, 40}; ///< the light over a picture under the mouse
inline const QColor kMarkEdge{0xFF, 0xD6, 0x00}; ///< the edge of the focus frame
inline const QColor kMarkFill{0xFF, 0xF2, 0x80}; ///< the face of the focus frame

/// A soft shadow in the navy of the titles: each step of @p strength a little darker.
inline QColor shadow(int strength) {
    return QColor(kNavy.red(), kNavy.green(), kNavy.blue(), 10 * strength);
}

/// The greys of the printed sheets.
namespace paper {
inline const QColor kShade{0xEE, 0xEE, 0xEE};     ///< a label box
inline const QColor kBandShade{0xDD, 0xDD, 0xDD}; ///< a heading band
} // namespace paper

/// The colours of the chart of the monthly pay, on screen and on paper.
namespace chart {
inline const QColor kInk{0x1F, 0x2A, 0x36};
inline const QColor kTitleInk{0x1B, 0x3A, 0x5C};
inline const QColor kMuted{0x5B, 0x6B, 0x7C};
inline const QColor kFrame{0xD8, 0xDE, 0xE6};
inline const QColor kWallEdge{0xB4, 0xBF, 0xCC};
inline const QColor kGrid{0xD3, 0xDA, 0xE3};
inline const QColor kShadow{0x00, 0x00, 0x00, 28};
inline const QColor kTitleEdge{0xA9, 0xB4, 0xC1};
inline const QColor kTitleFace{0xFF, 0xFF, 0xF4};
inline const QColor kWallTop{0xFF, 0xFF, 0xFF};
inline const QColor kWallFoot{0xEE, 0xF2, 0xF7};
inline const QColor kSideWall{0xE6, 0xEB, 0xF2};
inline const QColor kFloor{0xD9, 0xE0, 0xE9};
inline const QColor kEmptyDisc{0xDD, 0xE3, 0xEA};
inline const QColor kAxis{0x7A, 0x88, 0x98};
inline const QColor kLegend{0xF7, 0xF9, 0xFC};
inline const QColor kLegendInk{0x3C, 0x4A, 0x5A};

/// The colour of each month, January first.
inline const QColor kMonths[12] = {
    {0xFF, 0x00, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xE4, 0xC4}, {0xFF, 0x00, 0xFF},
    {0xC0, 0xDC, 0xC0}, {0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0x00}, {0xC0, 0xC0, 0xC0},
    {0xF0, 0xFB, 0xFF}, {0x87, 0xCE, 0xEB}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00},
};
} // namespace chart
} // namespace colours

/**
 * The look of the program: one application style sheet built from the colour table, and roles
 * that widgets take (the property "role") instead of style strings of their own.
 */
namespace theme {

enum class Role {
    Hint,         ///< secondary text
    Body,         ///< body text
    BodySmall,    ///< body text, small (captions of pictures)
    BodyLarge,    ///< body text, large (the reports menu)
    Heading,      ///< navy bold text: prompts, counts
    Navy,         ///< navy text
    Link,         ///< blue text
    Wait,         ///< the red bold wait line
    Required,     ///< the label of a required field
    Rule,         ///< a horizontal line between parts of a window
    Status,       ///< the status line at the bottom of a window
    Result,       ///< a computed value that cannot be typed into
    WorkBox,      ///< a work window box without the focus
    WorkBoxFocus, ///< a work window box with the focus
    Position,     ///< the record number between the arrows of a command bar
    WindowTitle,  ///< the title inside a window's body
    PageTitle,    ///< the title of a help page
    HelpText,     ///< the text of a help page
    CheckField,   ///< the large field of a check window
    FixedName,    ///< a name shown in a box that cannot be typed into
    Description,  ///< a description box
    Grid,         ///< the grid of an export window
    CardText,     ///< the information panel of a menu card
    CardButton,   ///< the button of a menu card; its accent is the variant
    MenuTitle,    ///< the program's name on the main menu band
    MenuSubtitle, ///< the line under it
    LogoFrame,    ///< the white frame of the logo
    Panel,        ///< a white panel with a rounded border
    Framed,       ///< a picture with a thin border
    Ground,       ///< a window on the paper ground
    Figure,       ///< a value in a panel of figures
    FigureLarge,  ///< the total in a panel of figures
};

/// The accents of the three applications: the workers, the work register, the pay reports.
enum class Accent { Workers, Work, Pay };

/// The colour of @p accent.
QColor colourOf(Accent accent);

/// The variant name that gives a card button the colour of @p accent.
QString variantOf(Accent accent);

/// Gives @p widget the look of @p role; @p variant picks among its kinds (the accent of a card button).
void setRole(QWidget* widget, Role role, const QString& variant = QString());

/// The application style sheet: one rule for each role, from the colour table.
QString styleSheet();

} // namespace theme
} // namespace orvelia

#pragma once

#include <span>
#include <vector>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/lists/quickfind.h"
#include "framework/listview.h"
#include "framework/report.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orvelia {

/// The quick-find key of the list window of class @p className, kept for the whole run of the program.
lists::QuickFind& rememberedFind(const QString& className);

/// What Enter does in the find box of a list window.
enum class FindBox {
    EnterMovesToTrova, ///< Enter moves the focus to btnTrova without pressing it
    Highlighted,       ///< Enter does nothing; the box is marked while it has the focus (effTrova)
};

/**
 * The part that every list window shows: the two instruction lines
 * (lblRigo01, lblRigo02), the find box txtTrova with btnTrova "Trova", the
 * list lstRecords and, in the windows whose lines lead back to a record, the
 * hint about the double-click (lblDoppioClic). btnTrova runs the quick find
 * with the window's remembered key.
 */
class ListPanel : public QWidget {
    Q_OBJECT
public:
    ListPanel(QWidget* parent, lists::QuickFind& remembered, FindBox findBox, bool recallHint);

    /// Before the window shows: forgets the remembered key when @p forgetKey,
    /// selects the first line and empties txtTrova.
    void prepareShow(bool forgetKey);
    /// The quick find with the text of txtTrova (btnTrova).
    void btnTrovaClick();

    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListView* lstRecords;
    QLabel* lblDoppioClic = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

/// A command button of the list and search windows: icon and text, at least 110 x 30, never the default.
QPushButton* listButton(const QString& name, const QString& icon, const QString& text, QWidget* parent);

/// The body of a list window, built by makeListBody.
struct ListBody {
    ListPanel* panel;
    QLabel* lblTrovate;     ///< the count of the lines found, left of the buttons; nullptr when not asked for
    QPushButton* btnStampa; ///< "Stampa"
    QPushButton* btnChiudi; ///< "Chiudi"
    QVBoxLayout* layout;    ///< not yet set on a widget
};

/**
 * The body of the list windows: the list panel of the window of class
 * @p className (its remembered key, Enter moving to btnTrova, the
 * double-click hint), over a row with the count of the lines found
 * (lblTrovate, when @p foundCount) at the left and btnStampa and btnChiudi
 * at the right, with the margins of the list windows.
 */
ListBody makeListBody(QWidget* parent, const QString& className, bool foundCount = false);

/// Gives the list window @p w its members from @p body: panLista, lstRecords, txtTrova, btnTrova, btnStampa,
/// btnChiudi.
template <typename W> void adoptListBody(W* w, const ListBody& body) {
    w->panLista = body.panel;
    w->lstRecords = body.panel->lstRecords;
    w->txtTrova = body.panel->txtTrova;
    w->btnTrova = body.panel->btnTrova;
    w->btnStampa = body.btnStampa;
    w->btnChiudi = body.btnChiudi;
}

/// One filter box of a search window: its caption and the objectNames of the box and of its focus frame.
struct SearchFilter {
    const char* caption; ///< UTF-8
    const char* box;
    const char* frame;
};

/// The criteria page of a search window, built by makeSearchCriteria.
struct SearchCriteria {
    QWidget* page;
    std::vector<QLineEdit*> boxes; ///< in the order of the filters
    QLabel* lblAttendere;          ///< the wait line, hidden; shown as soon as btnCerca goes down
    QPushButton* btnCerca;         ///< "Cerca"
    QPushButton* btnAnnulla;       ///< "Chiudi"
};

/**
 * The criteria page of the search windows (objectName panAvvio): the picture
 * @p pictureName with the icon @p icon beside the three instructions, the
 * filter boxes in two columns of five with Enter and Tab moving from one to
 * the next, a rule, and the wait line with btnCerca and btnAnnulla below.
 */
SearchCriteria makeSearchCriteria(QWidget* parent, const QString& pictureName, const QString& icon,
                                  std::span<const SearchFilter> filters);

/// Names in the list print template.
namespace listprint {
inline const QString kTitleMemo = QStringLiteral("txtTitolo");
inline const QString kDataMemo = QStringLiteral("txtRiepilogo");
inline const QString kDataBand = QStringLiteral("MasterData");
/// Height of one line of txtRiepilogo, in report units.
inline constexpr qreal kLineHeight = 12.822;
} // namespace listprint

/**
 * The list print template: A4 landscape with 10 mm margins; the title band
 * with txtTitolo (bold white Verdana on slate grey, centred, "Riepilogo"
 * until set); the data band MasterData, which may split across pages, with
 * txtRiepilogo (black Courier New 8, no word wrap, the full printable width);
 * the footer "Stampa eseguita in data [DATE]" in the style of the title.
 */
report::Template listPrintTemplate();

/// Sets the title, the memo lines (@p lines, then @p closingLines) and the memo and band heights.
void fillListPrint(report::Template& print, const QString& title, const QStringList& lines,
                   const QStringList& closingLines = {});

/**
 * The list print command: fills the list print template and prints it
 * through the printer dialog, without a preview. An empty list prints the
 * title and the footer. False when nothing was printed.
 */
bool printList(QWidget* parent, const QString& title, const QStringList& lines,
               const QStringList& closingLines = {});

} // namespace orvelia

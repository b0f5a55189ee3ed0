#pragma once

#include <QString>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include "core/archive/recordfile.h"
#include "core/lists/quickfind.h"
#include "framework/listview.h"
#include "framework/report.h"
#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class QHBoxLayout;

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

/**
 * A tool window that shows a list of fixed-width lines under its header:
 * the list panel (panLista: the find box remembering its key for the
 * window's class, Enter moving to btnTrova, the double-click hint), the
 * count of the lines found (lblTrovate) when the window asks for it,
 * btnStampa, which prints the lines under the window's print title, and
 * btnChiudi. The list is emptied when the window closes; a double-click
 * on a line calls lineChosen and closes the window.
 */
class ListWindow : public ToolWindow {
    Q_OBJECT
public:
    QWidget* panContainer; ///< the page of the list, under the header
    ListPanel* panLista;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListView* lstRecords;
    QLabel* lblTrovate = nullptr;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;

    /// Prints the lines of the list (btnStampa).
    void btnStampaClick();

protected:
    /// What tells one list window from another.
    struct Setup {
        const char* className;
        QString caption;    ///< the title bar
        QString title;      ///< the header
        QString subtitle;   ///< the header's second line
        QString printTitle; ///< the title of the printed list
        QSize minimumSize;
        bool foundCount = false; ///< lblTrovate left of the buttons
    };
    ListWindow(QWidget* caller, const Setup& setup);

    /// Lists @p lines with the first selected, the find key forgotten and the find box empty and focused.
    void showLines(const QStringList& lines);
    /**
     * showLines() for the lines of a scan of the registry, then says what could not be judged, since a
     * silent gap would hide what is due: @p error, what ended the scan early (with the access message),
     * and @p unreadable, the message naming the records it passed over (empty when none).
     */
    void showScanned(const QStringList& lines, ArchiveError error, const QString& unreadable);
    /// The double-clicked line; @p row is -1 when no line is selected. The window closes afterwards.
    virtual void lineChosen(int row, const QString& line) = 0;
    void done(int result) override;
    /// Prints the list under @p title from now on.
    void setPrintTitle(const QString& title) { m_printTitle = title; }
    /// The row of btnStampa and btnChiudi, for a window that puts a control of its own at its left.
    QHBoxLayout* buttonRow() const { return m_buttons; }

private:
    QWidget* buildListPage(const QString& className, bool foundCount);

    QHBoxLayout* m_buttons = nullptr;
    QString m_printTitle;
};

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

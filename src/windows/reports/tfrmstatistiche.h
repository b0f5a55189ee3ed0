#pragma once

#include <array>

#include "framework/chart.h"
#include "windows/common/navigationwindow.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;
class StatusLine;

/// The monthly pay of one year as a 3D bar or pie chart, with its print.
class TfrmStatistiche : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmStatistiche(WindowShell& shell);

    // Year panel.
    QWidget* panAvvio;
    QLineEdit* txtAnno;
    QLabel* lblApri;
    QPushButton* btnApri;
    ClickablePicture* imgGuida;
    ClickablePicture* imgEsci;
    QLabel* lblFile;
    QLabel* memGennaio;
    QLabel* memFebbraio;
    QLabel* memMarzo;
    QLabel* memAprile;
    QLabel* memMaggio;
    QLabel* memGiugno;
    QLabel* memLuglio;
    QLabel* memAgosto;
    QLabel* memSettembre;
    QLabel* memOttobre;
    QLabel* memNovembre;
    QLabel* memDicembre;

    // Chart panel.
    QWidget* panContainer;
    QLabel* lblTitolo;
    QLabel* lblRigo04;
    QLabel* lblRigo05;
    chart::ChartView* ChartStats;
    QPushButton* btnTorta;
    QPushButton* btnBarre;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    ClickablePicture* cmdGuida;
    QLabel* panInfo;

    /// The twelve month labels, January first.
    std::array<QLabel*, 12> monthLabels() const;

protected:
    QWidget* closeHandler() override;
    void opening() override;

private:
    /// The year panel: the year card, the help and exit pictures, the hidden month totals.
    void buildYearPanel();
    /// The chart panel: title, explanation, the chart, the commands and the status line.
    void buildChartPanel();
    /// The row of chart commands, with the help picture before the exit button.
    QHBoxLayout* buildCommands();
    /// The status line, its descriptions of the commands and the areas that empty it.
    void describeCommands(QWidget* header);
    void connectCommands();
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();

    StatusLine* m_status;
    chart::Kind m_kind = chart::Kind::Bars; // the last choice holds for the whole run
};

} // namespace orvelia

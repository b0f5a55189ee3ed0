#pragma once

#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace orvelia {

namespace backup {
struct Outcome;
}

/**
 * The safety copy of the program folder: the folder the copies go to (chosen once and
 * remembered), when the last copy was made, the command that makes one with a progress bar,
 * and the restore from a copy, confirmed after naming what it replaces.
 */
class TfrmCopiaSicurezza : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmCopiaSicurezza(QWidget* caller);

    /// Makes the copy as soon as the window is shown (the reminder when the program closes).
    void copyWhenShown() { m_copyWhenShown = true; }

    QLineEdit* txtCartella;
    QPushButton* cmdScegli;
    QLabel* lblUltima;
    QProgressBar* prgCopia;
    QLabel* lblStato;
    QPushButton* cmdCopia;
    QPushButton* cmdRipristina;
    QPushButton* cmdChiudi;

protected:
    void opening() override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdCopiaClick();
    void cmdRipristinaClick();
    bool chooseFolder();
    void showLastCopy();
    /// Runs @p work with the progress bar and @p status shown and the commands off; its outcome.
    using Work = std::function<backup::Outcome(const std::function<void(qint64, qint64)>& progress)>;
    backup::Outcome busy(const QString& status, const Work& work);
    void enableCommands(bool enabled);
    void tell(const backup::Outcome& outcome);

    QTimer* m_copyTimer;
    bool m_copyWhenShown = false;
    bool m_busy = false;
};

} // namespace orvelia

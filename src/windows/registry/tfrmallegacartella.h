#pragma once

#include <array>

#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;

/// The attachments of the record on screen in the registry or work window: three
/// slots, each a file stored in the attachments folder and its description.
class TfrmAllegaCartella : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* caller);

    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    ClickablePicture *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnApplica, *btnAnnulla;
    QLabel* lblMemory;

    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* browse;
        QPushButton* open;
        ClickablePicture* clear;
    };
    std::array<Slot, 3> m_slots;
};

/// Opens the attachments window over @p caller (the registry or the work window)
/// with the caller tag @p tag, its boxes filled from the caller's hidden labels
/// lblFile01..03 and lblDesc01..03, trimmed.
void openAttachments(QWidget* caller, const QString& tag);

} // namespace orvelia

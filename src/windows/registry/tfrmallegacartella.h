#pragma once

#include <array>

#include <QList>

#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;
class SectionPanel;

/**
 * The attachments of the record on screen in the registry or work window: three
 * slots, each a file stored in the attachments folder and its description. The
 * caller hands it the six values it shows and takes back what attachmentsChosen
 * gives, for the caller tags "istruttori" and "lavori".
 */
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

    /// The values the window starts from, in record order: the three file names, then the descriptions.
    void setAttachments(const QStringList& values);
    /**
     * Opens the window over the data window @p caller, under @p tag, on its six hidden attachment
     * @p labels (record order): their texts handed over, what is chosen put back into them.
     */
    static void openOn(QWidget* caller, const QString& tag, const QList<QLabel*>& labels);

    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();

signals:
    /// Applica e chiudi under a caller tag the window serves: the six values, trimmed, in record order.
    void attachmentsChosen(const QStringList& values);

private:
    /// The panel of attachment slot @p i: the file with its buttons and the description.
    SectionPanel* buildSlot(int i);
    /// The buttons and the picture of slot @p i.
    void connectSlot(int i);

    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* browse;
        QPushButton* open;
        ClickablePicture* clear;
    };
    std::array<Slot, 3> m_slots;
};

} // namespace orvelia

#pragma once

#include "core/checks/checkresult.h"
#include "windows/common/toolwindow.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

/**
 * What the four identifier check windows share: one input field under its
 * prompt, "Controlla" and "Chiudi". Enter in the field moves the focus to
 * "Controlla"; "Controlla" shows the outcome of the check and closes the
 * window, except for a refusal, which puts the focus back on the field.
 */
class CheckWindow : public ToolWindow {
    Q_OBJECT
public:
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    struct Setup {
        const char* className;
        QString caption;
        QString title;
        QString subtitle;
        QString icon;
        QString prompt;
        QString hint;
        QString fieldName;
        QString frameName;
        int maxLength;
    };

    CheckWindow(QWidget* caller, const Setup& setup);

    QLineEdit* field() const { return m_field; }
    /// Trims and upper-cases the field again at every key release, not only at every typed change.
    void upperCaseOnKeyRelease() { m_upperOnRelease = true; }
    /// The outcome of the check for the field's text.
    virtual CheckResult check(const QString& text) const = 0;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The picture of the check beside the prompt.
    QHBoxLayout* buildPrompt(const Setup& setup);
    /// The large input field, wide enough for every character it takes.
    void buildField(const Setup& setup);
    void btnControllaClick();

    QLineEdit* m_field;
    bool m_upperOnRelease = false;
};

} // namespace orvelia

namespace orvelia {

/// Opens a fresh check window of class W over @p caller with @p text in its input field.
template <typename W, typename Field> void openCheck(QWidget* caller, Field W::*field, const QString& text) {
    openToolWindow<W>(caller, QString(), [&](W& w) { (w.*field)->setText(text); });
}

} // namespace orvelia

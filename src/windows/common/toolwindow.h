#pragma once

#include <functional>
#include <utility>

#include <QDialog>
#include <QString>

#include "framework/platform.h"

namespace orvelia {

/// Puts the tag @p tag into the hidden lblMemory of @p window.
void writeCallerTag(QWidget* window, const QString& tag);
/// The caller tag in the hidden lblMemory of @p window (empty when it has none).
QString callerTag(const QWidget* window);

/**
 * A tool window: a fixed-size dialog with a single border and no title-bar
 * buttons, centred on its caller, created afresh for every use. A tool never
 * reaches into its caller: what it needs is handed to it when it is opened,
 * and what it gives back it emits, for the caller to take where it opened it.
 */
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    ToolWindow(QWidget* caller, const char* className, const QString& caption);

protected:
    /// Sizes the window to its contents, centres it on its caller, and then, unless the window
    /// system merely shows it again, lets it prepare itself (opening).
    void showEvent(QShowEvent* event) override;
    /// What the window does each time the program shows it: fill its list, reset its boxes.
    virtual void opening() {}
};

/**
 * Opens a fresh tool window of class W over @p caller, made with @p args after the caller:
 * writes @p tag into its lblMemory, lets @p prepare hand it its values and connect to what it
 * emits, shows it modally and destroys it when it closes. Returns the dialog's result.
 */
template <typename W, typename... Args>
int openToolWindow(QWidget* caller, const QString& tag = QString(),
                   const std::function<void(W&)>& prepare = {}, Args&&... args) {
    W window(caller, std::forward<Args>(args)...);
    if (!tag.isEmpty())
        writeCallerTag(&window, tag);
    if (prepare)
        prepare(window);
    return Platform::instance().showModal(&window);
}

} // namespace orvelia

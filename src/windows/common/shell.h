#pragma once

class QWidget;

namespace orvelia {

/// The windows that live for the whole run, by what they are for.
enum class Screen {
    Login,           ///< TfrmPassword
    MainMenu,        ///< TfrmAvvio
    ChangePassword,  ///< TfrmCambiaPassword
    Registry,        ///< TfrmIstruttori
    YearSelection,   ///< TfrmMenuLavori
    WorkRegister,    ///< TfrmLavori
    ReportsMenu,     ///< TfrmMenuPagamenti
    SummaryCriteria, ///< TfrmMenuRiepilogoPagamenti
    Statistics,      ///< TfrmStatistiche
};

/**
 * What a window needs of the program around it: the window that serves a purpose, moving from
 * one window to another, and the end of the program. The application object is the one shell;
 * windows know only this, never the application or each other's classes.
 */
class WindowShell {
public:
    virtual ~WindowShell() = default;

    /// The window that serves @p screen.
    virtual QWidget* window(Screen screen) const = 0;
    /// Shows @p next (maximised when it fills the screen) and hides @p current.
    virtual void showInsteadOf(QWidget* current, QWidget* next) = 0;
    /// Ends the program.
    virtual void quit() = 0;
    virtual bool hasQuit() const = 0;
};

} // namespace orvelia

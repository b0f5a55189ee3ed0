#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>

class QDialog;
class QMessageBox;
class QPushButton;
class QPrinter;
class QWidget;

namespace orvelia {

/// The five kinds of message box.
enum class MessageKind {
    Warning,     ///< OK and Annulla, OK default
    Information, ///< OK and Annulla, OK default
    Error,       ///< OK and Annulla, OK default
    Plain,       ///< OK
    Question,    ///< Sì and No
};

/**
 * Everything the windows ask of the desktop: message boxes, the shell's OPEN,
 * the file chooser, the input box, the printer dialog and preview, modal
 * showing of tool windows, and the clock. The program runs on QtPlatform;
 * the tests install a fake that records and answers instead.
 */
class Platform {
public:
    virtual ~Platform();

    /// The platform in use.
    static Platform& instance();
    /// Installs @p platform (owned) and returns the previous one.
    static std::unique_ptr<Platform> install(std::unique_ptr<Platform> platform);

    /// Shows a modal message; true when the user answered OK or Sì.
    virtual bool message(MessageKind kind, const QString& text, QWidget* parent = nullptr) = 0;
    /// The shell's OPEN of a web address, a mailto: link or a file; the result is ignored.
    virtual void open(const QString& target) = 0;
    /// A file chosen to open, or an empty text.
    virtual QString chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) = 0;
    /// A folder chosen, or an empty text.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
    /// The text typed in an input box, or nothing when the user cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                             const QString& initial) = 0;
    /// Lets the user set up @p printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    /// Shows a print preview whose pages @p paint draws on the printer it is given.
    virtual void preview(QWidget* parent, const QString& caption,
                         const std::function<void(QPrinter*)>& paint) = 0;
    /// Shows @p dialog modally and returns its result code.
    virtual int showModal(QDialog* dialog) = 0;
    /// The current date and time.
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
    void warning(const QString& text, QWidget* parent = nullptr) {
        message(MessageKind::Warning, text, parent);
    }
    void information(const QString& text, QWidget* parent = nullptr) {
        message(MessageKind::Information, text, parent);
    }
    void error(const QString& text, QWidget* parent = nullptr) { message(MessageKind::Error, text, parent); }
    void plain(const QString& text, QWidget* parent = nullptr) { message(MessageKind::Plain, text, parent); }
    bool question(const QString& text, QWidget* parent = nullptr) {
        return message(MessageKind::Question, text, parent);
    }
};

/// The platform for the real desktop.
class QtPlatform : public Platform {
public:
    bool message(MessageKind kind, const QString& text, QWidget* parent) override;
    void open(const QString& target) override;
    QString chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void preview(QWidget* parent, const QString& caption,
                 const std::function<void(QPrinter*)>& paint) override;
    int showModal(QDialog* dialog) override;
    QDateTime now() const override;
};

/// Sets up @p box as the message box of @p kind showing @p text; returns its OK or Sì button.
QPushButton* prepareMessageBox(QMessageBox& box, MessageKind kind, const QString& text);

/// Title of the message boxes of each kind.
QString messageTitle(MessageKind kind);

/// The text the shell is given for @p target: one pair of surrounding double quotes is dropped.
QString shellText(const QString& target);

/// What the desktop is asked to open for @p target: the shell text, with a scheme (http:,
/// mailto:, ...) an address, anything else a file path.
QUrl shellTarget(const QString& target);

/// Hands @p target to the system's shell to open, result ignored: the desktop's URL handlers
/// (desktop_posix.cpp) or the Windows shell's "open" verb (desktop_windows.cpp).
void openInShell(const QString& target);

/// True where the printer dialog can write the pages to a PDF file without a PDF printer.
bool printerDialogWritesPdf();

/// A file name made of @p title: the characters no file name may hold become '-'.
QString fileNameOf(const QString& title);

/// The one routine that hands addresses, e-mail links and documents to the shell.
class TMisc {
public:
    static void Open(const QString& sCommand) { Platform::instance().open(sCommand); }
};

/// Product web site and support e-mail address.
inline const QString kProductWebSite = QStringLiteral("https://www.orvelia.it");
inline const QString kSupportEmail = QStringLiteral("assistenza@orvelia.it");

} // namespace orvelia

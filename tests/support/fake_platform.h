#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <ostream>

#include <QStringList>

#include "framework/platform.h"

namespace orvelia::test {

struct ShownMessage {
    MessageKind kind;
    QString text;
    bool operator==(const ShownMessage&) const = default;
};

/// Records what the windows ask of the desktop and answers from a script.
class FakePlatform : public Platform {
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
    QDateTime now() const override { return clock; }

    /// Messages shown, in order.
    std::vector<ShownMessage> messages;
    /// Answers to questions, taken in order; Sì when the list is empty.
    std::deque<bool> answers;
    /// Texts handed to the shell.
    QStringList opened;
    /// Answers of the file chooser, the folder chooser and the input box, taken in order.
    std::deque<QString> chosenFiles;
    std::deque<QString> chosenFolders;
    std::deque<std::optional<QString>> inputs;
    /// Printer dialog: accepted or not; the pages go to this PDF file when set.
    bool acceptPrinter = true;
    QString printFile;
    int previews = 0;
    /// Run against each modal dialog in turn while it is shown; it closes the dialog.
    std::deque<std::function<void(QDialog*)>> modalHandlers;
    QDateTime clock{QDate(2026, 12, 9), QTime(10, 30)};

    /// The messages shown since the last call, and forgets them.
    std::vector<ShownMessage> takeMessages();
};

/// Installs a fresh FakePlatform for the life of the object.
class ScopedFakePlatform {
public:
    ScopedFakePlatform();
    ~ScopedFakePlatform();
    FakePlatform* operator->() const { return m_fake; }
    FakePlatform& operator*() const { return *m_fake; }

private:
    FakePlatform* m_fake;
    std::unique_ptr<Platform> m_previous;
};

} // namespace orvelia::test

namespace orvelia {
inline void PrintTo(MessageKind kind, std::ostream* os) {
    const char* names[] = {"Warning", "Information", "Error", "Plain", "Question"};
    *os << names[int(kind)];
}
namespace test {
inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    orvelia::PrintTo(m.kind, os);
    *os << " \"" << m.text.toStdString() << '"';
}
} // namespace test
} // namespace orvelia

#pragma once

#include <QString>

namespace orvelia {

/// The kind of message box that shows the outcome of an identifier check.
enum class CheckMessage {
    Warning,     ///< a refusal or a number found wrong
    Information, ///< a number found valid
};

/// What an identifier check tells the user, and whether its window then closes.
struct CheckResult {
    CheckMessage kind;
    QString text;
    /// False for a refusal: the window stays open with the focus back on its field.
    bool closesWindow;

    bool operator==(const CheckResult&) const = default;
};

} // namespace orvelia

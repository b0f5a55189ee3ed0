#pragma once

#include <QString>

#include "core/checks/checkresult.h"

namespace orvelia {

/// Longest card number the check window accepts from the keyboard.
inline constexpr int kCardNumberMaxLength = 30;

/**
 * The Luhn test over the digits of @p text, every other character ignored:
 * when the last digit is the check digit of the ones before it the result is
 * the first digit minus 2 (3 gives 1, 4 gives 2, 5 gives 3, 6 gives 4, 2 gives
 * 0, 0 gives -2), otherwise 0. A text without digits gives 0.
 */
int luhnResult(const QString& text);

/**
 * The network of a card number that passed the Luhn test, from its Luhn result
 * and its first two digits; an empty text when no network is known for them.
 */
QString cardNetwork(int luhn, const QString& text);

/**
 * The check of a card number: an empty (trimmed) text is refused and keeps the
 * window open; a number passing the Luhn test is reported valid with its
 * network, anything else ERRATO; either closes the window.
 */
CheckResult checkCreditCard(const QString& text);

} // namespace orvelia

#pragma once

#include <QString>

#include "core/checks/checkresult.h"

namespace orvelia {

/// Length of an IBAN that the check accepts (the length of an Italian IBAN).
inline constexpr int kIbanLength = 27;

/**
 * The ISO 7064 MOD 97-10 remainder of an IBAN: spaces removed, a-z
 * upper-cased, the first "IBAN" dropped, the first four characters moved to
 * the end, letters written as 10 to 35, and the digits reduced modulo 97 in
 * pieces of at most nine digits. Any other character gives 0. A correct IBAN
 * gives 1.
 */
int ibanRemainder(const QString& text);

/**
 * The check of an IBAN: its trimmed text must be 27 characters long (otherwise
 * a refusal that keeps the window open); a remainder of 1 is VALIDO, any other
 * ERRATO, and either closes the window.
 */
CheckResult checkIban(const QString& text);

} // namespace orvelia

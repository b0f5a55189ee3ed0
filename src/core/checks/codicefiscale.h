#pragma once

#include <optional>

#include <QChar>
#include <QString>
#include <QStringView>

#include "core/checks/checkresult.h"

namespace orvelia {

/// Length of a codice fiscale.
inline constexpr int kCodiceFiscaleLength = 16;

/**
 * The check character of a codice fiscale computed from its first 15
 * characters (digits 0-9 and capitals A-Z), or nothing when @p first15 is not
 * 15 such characters.
 */
std::optional<QChar> codiceFiscaleCheckChar(QStringView first15);

/**
 * The check of a codice fiscale as typed: upper-cased (a-z only), it must be
 * 16 digits or capitals (otherwise a refusal that keeps the window open) and
 * its 16th character must equal the check character.
 */
CheckResult checkCodiceFiscale(const QString& text);

} // namespace orvelia

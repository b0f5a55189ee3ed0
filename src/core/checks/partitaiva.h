#pragma once

#include <optional>
#include <span>

#include <QString>
#include <QStringView>

#include "core/checks/checkresult.h"

namespace orvelia {

/// Length of a partita IVA.
inline constexpr int kPartitaIvaLength = 11;

/// A VAT office: its three-digit code (digits 8 to 10 of a partita IVA) and its town as shown to the user.
struct VatOffice {
    int code;
    const char* name; ///< UTF-8
};

/// The 104 VAT offices in code order: 001 to 102, then 120 and 121.
std::span<const VatOffice> vatOffices();

/// The town of the VAT office with the three-digit @p code, or an empty text when no office has it.
QString vatOfficeName(QStringView code);

/**
 * The check digit of a partita IVA computed from its first ten digits, or
 * nothing when @p firstTen is not ten digits.
 */
std::optional<int> partitaIvaCheckDigit(QStringView firstTen);

/**
 * The check of a partita IVA as typed: anything but 11 characters is refused
 * (the window stays open); 11 digits whose last is the check digit are VALIDO
 * and name the issuing office; any other 11 characters are ERRATO.
 */
CheckResult checkPartitaIva(const QString& text);

} // namespace orvelia

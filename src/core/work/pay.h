#pragma once

#include <optional>

#include <QString>

namespace orvelia {

/// A time of day read from an hour text and a minute text, in minutes since midnight.
std::optional<int> readTimeOfDay(const QString& hours, const QString& minutes);

/// The money suffix rules applied after rounding: ",00" when there is no comma,
/// a lone comma as "0,00", a leading comma gets a "0", a trailing one "00", and one
/// decimal digit a second "0".
QString moneyForm(const QString& text);

/// What the hours calculation gives.
struct HoursResult {
    enum Outcome {
        Done,           ///< `hours` holds the new text of the hours box
        StartAfterEnd,  ///< the start is later than the end: warn, keep the hours shown
        TimeUnreadable, ///< a time cannot be read
    };
    Outcome outcome;
    QString hours;
};

/// Hours worked between two times of the same day, as decimal hours rounded to two places.
HoursResult computeHours(const QString& daOre, const QString& daMin, const QString& aOre,
                         const QString& aMin);

/// The three boxes of the pay calculation.
struct PayTexts {
    QString totOre;
    QString compensoOra;
    QString totDovuto;
    bool operator==(const PayTexts&) const = default;
};

/// What the amount calculation gives.
struct AmountResult {
    PayTexts texts;
    /// The start was later than the end: the warning is shown, the amount is computed from the hours shown.
    bool startAfterEnd = false;
    /// A number could not be read: hours "0", rate and amount "0,00", the focus goes to the hours.
    bool failed = false;
};

/**
 * The amount calculation: the hours first, then hours (as shown) times the rate
 * (as it stands), rounded to two places; the rate is rounded to two places after.
 */
AmountResult computeAmount(const QString& daOre, const QString& daMin, const QString& aOre,
                           const QString& aMin, const PayTexts& shown);

} // namespace orvelia

#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "core/archive/layout.h"

namespace orvelia {

/// The 112 province abbreviations offered by the province boxes, in their order.
const QStringList& provinceAbbreviations();

/// Why an employee record cannot be saved, and where the user is sent.
struct SaveRefusal {
    enum Kind { Warning, Plain };
    Kind kind;
    QString text;
    /// The field that receives the focus, or -1 when the focus stays where it is.
    int focusField;

    bool operator==(const SaveRefusal&) const = default;
};

/**
 * The checks an employee record passes before it is saved, in their order:
 * surname, first name, both contract dates present, both valid (in @p currentYear
 * for dates without a year), expiry not before the start, notice days present.
 * Texts are trimmed before they are tested. Nothing when the record may be saved.
 */
std::optional<SaveRefusal> checkEmployeeForSave(const Record& record, int currentYear);

} // namespace orvelia

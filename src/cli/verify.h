#pragma once

#include <QString>

#include "cli/console.h"

namespace orvelia::cli {

/**
 * Checks every archive in @p folder (Brenzo.pro and each <yyyy>.lav) without
 * creating or changing any file: the whole records, the bytes of a torn tail,
 * the fields whose length byte exceeds their capacity, and the records that
 * break what a save by the program guarantees. Writes the report on the
 * console and returns kDone when everything is sound, kFlawed otherwise.
 */
int verifyFolder(const QString& folder, int currentYear, Console& console);

} // namespace orvelia::cli

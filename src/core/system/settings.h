#pragma once

#include <QString>

namespace orvelia::settings {

/// The settings file of the program folder @p folder, Impostazioni.ini: what the windows remember
/// from one run to the next (the password store keeps only the password).
QString filePath(const QString& folder);

/// The value of @p key in the settings of @p folder, or @p fallback when the file or the key is
/// missing or cannot be read. The file is read afresh each time: another workstation may change it.
QString value(const QString& folder, const QString& key, const QString& fallback);

/// Stores @p value under @p key, the rest of the file kept; false when the file cannot be written.
bool setValue(const QString& folder, const QString& key, const QString& value);

} // namespace orvelia::settings

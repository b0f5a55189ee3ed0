#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace orvelia {

/// The settings file that keeps the password, in the program folder, and where in it the value lives.
inline const QString kPasswordStoreName = QStringLiteral("unins000.dll");
inline const QByteArray kPasswordSection = QByteArrayLiteral("Accesso");
inline const QByteArray kPasswordKey = QByteArrayLiteral("Valore");

/// The longest password that can be stored.
inline constexpr qsizetype kMaxPasswordLength = 255;

/// Refusals of a new password that could not be stored exactly.
inline const QString kPasswordCharactersMessage =
    QStringLiteral("Attenzione: la password contiene caratteri non ammessi. Utilizzare solo lettere, cifre e "
                   "simboli comuni.");
inline const QString kPasswordLengthMessage =
    QStringLiteral("Attenzione: la password non pu\u00F2 superare i 255 caratteri.");

/// The password store in @p folder.
QString passwordStorePath(const QString& folder);

/**
 * Scrambles @p text into hexadecimal, two upper-case digits per character.
 * Each character counts with the low 8 bits of its code; a running 16-bit key
 * depends on every scrambled byte before it. An empty text gives an empty result.
 */
QString scramblePassword(const QString& text);

/**
 * The text that scramblePassword turned into @p hex. Digits are taken in pairs
 * from the start (a last single digit is ignored); lower-case digits are
 * accepted. Returns nothing when a pair is not hexadecimal.
 */
std::optional<QString> unscramblePassword(const QString& hex);

/// The form in which passwords are stored and compared: blanks removed around it, a-z upper-cased.
QString passwordForComparison(const QString& typed);

/**
 * The message that refuses @p newPassword when its stored form could not be
 * read back as it is: a character whose code is above 255, or more than
 * kMaxPasswordLength characters. Nothing when the password can be stored.
 */
std::optional<QString> refusePassword(const QString& newPassword);

/// Why reading or writing the stored password failed.
enum class PasswordError {
    None,
    Read,   ///< the store exists but could not be read
    NotHex, ///< the stored value holds a pair that is not hexadecimal
    Write,  ///< the store could not be written
};

/// Short description of an error, for diagnostics (never shown to the user).
const char* describe(PasswordError error);

/// The stored password, or the error that prevented reading it.
struct StoredPassword {
    PasswordError error = PasswordError::None;
    QString password;

    bool ok() const { return error == PasswordError::None; }
};

/**
 * Reads the password kept in the store in @p folder, unscrambled and without
 * blanks around it. A missing store, section or key reads as the empty
 * password, which no typed password matches.
 */
StoredPassword readStoredPassword(const QString& folder);

/**
 * Stores passwordForComparison(@p password), scrambled, in the store in
 * @p folder, creating the store when it is missing and keeping the rest of the
 * file as it was. Callers refuse what refusePassword refuses beforehand.
 * Returns PasswordError::None once the new value is on the disk.
 */
PasswordError writeStoredPassword(const QString& folder, const QString& password);

} // namespace orvelia

#include "core/access/password.h"

#include <QDir>

#include "core/access/inistore.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {

constexpr quint16 kStartKey = 2957;
constexpr quint32 kMultiplier = 47129;
constexpr quint32 kIncrement = 52807;

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Both directions move the key on with the scrambled byte, so they stay in step.
quint16 nextKey(quint16 key, quint8 scrambled) {
    // At most (255 + 65535) x 47129 + 52807, well inside 32 bits.
    return quint16((scrambled + quint32(key)) * kMultiplier + kIncrement);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString passwordStorePath(const QString& folder) {
    return QDir(folder).filePath(kPasswordStoreName);
}

QString scramblePassword(const QString& text) {
    QString hex;
    hex.reserve(text.size() * 2);
    quint16 key = kStartKey;
    for (const QChar c : text) {
        const auto scrambled = quint8((c.unicode() & 0xFF) ^ (key >> 8));
        hex += QLatin1Char(kHexDigits[scrambled >> 4]);
        hex += QLatin1Char(kHexDigits[scrambled & 0x0F]);
        key = nextKey(key, scrambled);
    }
    return hex;
}

std::optional<QString> unscramblePassword(const QString& hex) {
    QString text;
    text.reserve(hex.size() / 2);
    quint16 key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexDigit(hex.at(i));
        const int low = hexDigit(hex.at(i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto scrambled = quint8(high * 16 + low);
        text += QChar(char16_t(scrambled ^ (key >> 8)));
        key = nextKey(key, scrambled);
    }
    return text;
}

QString passwordForComparison(const QString& typed) {
    return upperAscii(trimText(typed));
}

std::optional<QString> refusePassword(const QString& newPassword) {
    const QString stored = trimText(newPassword);
    for (const QChar c : stored) {
        if (c.unicode() > 255)
            return kPasswordCharactersMessage;
    }
    if (stored.size() > kMaxPasswordLength)
        return kPasswordLengthMessage;
    return std::nullopt;
}

const char* describe(PasswordError error) {
    switch (error) {
    case PasswordError::None:
        return "ok";
    case PasswordError::Read:
        return "store unreadable";
    case PasswordError::NotHex:
        return "stored value not hexadecimal";
    case PasswordError::Write:
        return "store not written";
    }
    return "unknown error";
}

StoredPassword readStoredPassword(const QString& folder) {
    const IniRead read = readIniValue(passwordStorePath(folder), kPasswordSection, kPasswordKey);
    if (!read.ok())
        return {PasswordError::Read, {}};
    const std::optional<QString> password = unscramblePassword(QString::fromLatin1(read.value));
    if (!password)
        return {PasswordError::NotHex, {}};
    return {PasswordError::None, trimText(*password)};
}

PasswordError writeStoredPassword(const QString& folder, const QString& password) {
    const QByteArray hex = scramblePassword(passwordForComparison(password)).toLatin1();
    switch (writeIniValue(passwordStorePath(folder), kPasswordSection, kPasswordKey, hex)) {
    case IniError::None:
        return PasswordError::None;
    case IniError::Read:
        return PasswordError::Read;
    case IniError::Write:
        break;
    }
    return PasswordError::Write;
}

} // namespace orvelia

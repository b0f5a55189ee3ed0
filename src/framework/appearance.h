#pragma once

class QApplication;

namespace orvelia {

/// Font families the program asks for; Liberation and DejaVu stand in where they are missing.
inline constexpr const char* kFontFixed = "Courier New";
inline constexpr const char* kFontSans = "Arial";
inline constexpr const char* kFontVerdana = "Verdana";

/// Font substitutes, the Italian texts of the standard dialogs, the locale,
/// the style and the palette shared by every window. Call once after the
/// application object exists.
void prepareApplication(QApplication& app);

} // namespace orvelia

// The user's options: one record in memory, loaded once from the profile file QUINX.INI at start
// and written back in full after every change of an option and when the program ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kSettingsFileName = "QUINX.INI";
inline constexpr std::string_view kDefaultMacroFileName = "QUINX.QNL";

// The profile functions of the system, so that the settings can be read and written without one.
// A missing key reads as `fallback`; a present key reads as its value, even when that is empty.
class IProfile {
 public:
  virtual ~IProfile() = default;
  virtual std::string Read(std::string_view section, std::string_view key,
                           std::string_view fallback) = 0;
  virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
  // Runs `writes`, which the next start must see all or none of. A profile that keeps each
  // write as it comes just runs them.
  virtual void SaveWhole(const std::function<void()>& writes) { writes(); }
};

struct FontSetting {
  std::int32_t color = 0;  // negative numbers name system colours
  std::string name = "Arial";
  int size = 10;
  bool bold = false;
  bool italic = false;
  // The printed list's font stores only bold and italic; these two stay false for it.
  bool underline = false;
  bool strikeout = false;

  bool operator==(const FontSetting&) const = default;
};

inline constexpr std::size_t kLastFileCount = 5;

// A default-constructed record holds the value every key takes when it is missing.
struct Settings {
  // Misc
  int systemMenu = 1;  // 1 first part of the text, 2 icons, 3 nickname and scope
  std::string primarySort = "123";
  std::string activationSort = "123";
  std::string scopeSort = "12345";
  int lastDateFormat = 0;
  int lastTimeFormat = 0;
  bool suppressZerosInDate = true;
  bool suppressZerosInTime = true;
  bool showDate = false;
  bool useTray = false;
  bool disableScreenSaver = true;
  std::string currentFile;
  std::array<std::string, kLastFileCount> lastFiles;  // most recent first

  // Capture
  bool doubleAlt = true;
  bool captureKeys = true;
  bool captureMouse = true;
  bool relativeToScreen = true;
  bool captureTime = true;
  bool capturePrompt = true;
  bool captureWindowSize = true;
  bool captureGlobal = true;
  int captureSpeed = 1;  // 1 normal, 2 half, 3 double, 4 quadruple

  // Typlets
  bool solitaryUsage = false;
  bool caseSensitive = true;
  bool useSuffix = false;
  std::string prefixKeys;

  // Main Window
  int mainWidth = 640;
  int mainHeight = 424;
  int mainLeft = 0;
  int mainTop = 0;
  int col1Width = 112;
  int col2Width = 168;
  int col3Width = 132;
  bool useSpeed = false;

  FontSetting gridTitleFont = TitleFontDefault();
  FontSetting gridFont;

  // Script Page
  int scriptWidth = 606;
  int scriptHeight = 446;
  int scriptLeft = 0;
  int scriptTop = 0;

  // Network
  bool networkMode = false;
  bool autoSync = true;
  std::uint16_t syncMinutes = 10;

  FontSetting printFont;

  // Scheduler
  bool useWaveFile = false;
  bool waveFileWait = false;
  std::string waveFile;
  std::uint16_t timerSeconds = 10;

  bool operator==(const Settings&) const = default;

 private:
  static FontSetting TitleFontDefault() {
    FontSetting font;
    font.size = 12;
    return font;
  }
};

// Reads every key. Numbers outside what their use can take, sort orders that are not
// permutations and empty font names give the key's default: a damaged file never stops the
// program. "Current File" is returned as read; ResolveCurrentFile decides which file to open.
Settings ReadSettings(IProfile& profile);

// Writes every key, the sections and keys always in the same order, the five "Last File" keys even
// when empty. Writing reports no error.
void SaveSettings(const Settings& settings, IProfile& profile);

// Whether `text` holds each of the digits 1..count once: the form of the three sort orders.
bool IsPermutationOfDigits(std::string_view text, std::size_t count);

// The macro file to open: "Current File", or, when that is empty or names no existing file, the
// default file in the program directory (given without a trailing backslash).
std::string ResolveCurrentFile(const Settings& settings, std::string_view programDir,
                               const std::function<bool(std::string_view)>& fileExists);

}  // namespace quindle::app

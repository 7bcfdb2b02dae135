#include "app/settings.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>

#include "engine/date_time_text.h"
#include "platform/text.h"

namespace quindle::app {
namespace {

// Lengths the fields take on reading.
constexpr std::size_t kPlainLength = 255;
constexpr std::size_t kFileNameLength = 250;
constexpr std::size_t kSortLength = 3;
constexpr std::size_t kScopeSortLength = 5;
constexpr std::size_t kPrefixLength = 2;

// Window geometry beyond 16 bits is no geometry any system can show.
constexpr int kMaxExtent = 32767;
constexpr int kMinPosition = -32768;
constexpr int kMaxPosition = 32767;
// The largest point size the system's font choice accepts.
constexpr int kMaxFontSize = 1638;
// The date and time format lists of the date/time insert dialog: their last entries.
constexpr int kLastDateFormat = static_cast<int>(engine::kDateFormatCount) - 1;
constexpr int kLastTimeFormat = static_cast<int>(engine::kTimeFormatCount) - 1;
constexpr int kMaxTimerSeconds = 60;

// Accumulation stops here, far beyond any range below, so a long run of digits cannot overflow.
constexpr long long kSaturation = 1'000'000'000'000LL;

// The inclusive range a number must lie in; a number outside it gives the key's default.
struct Range {
  long long low;
  long long high;
  bool signedText;  // a leading minus sign counts
};

constexpr Range kExtentRange{1, kMaxExtent, false};
constexpr Range kPositionRange{kMinPosition, kMaxPosition, true};
constexpr Range kColorRange{std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max(), true};
constexpr Range kWordRange{0, std::numeric_limits<std::uint16_t>::max(), false};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Leading blanks skipped, then the leading digits; text without digits is 0.
long long LeadingNumber(std::string_view text, bool signedText) {
  std::size_t at = 0;
  while (at < text.size() && platform::IsBlank(text[at])) ++at;
  bool negative = false;
  if (signedText && at < text.size() && text[at] == '-') {
    negative = true;
    ++at;
  }
  long long value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    value = std::min(value * 10 + (text[at] - '0'), kSaturation);
  }
  return negative ? -value : value;
}

// A line break in a value would start a new line, and so a new key, in the written file.
std::string_view FirstLine(std::string_view value) {
  return value.substr(0, value.find_first_of("\r\n"));
}

// The one list of keys: reading and saving walk it alike, so both see every key in the order of
// the file. `Visitor` gets the section, the key and the field, plus how the value is checked.
template <typename SettingsType, typename Visitor>
void VisitKeys(SettingsType& s, Visitor& v) {
  v.Integer("Misc", "System Menu", s.systemMenu, Range{1, 3, false});
  v.Text("Misc", "Primary Sort", s.primarySort, kSortLength);
  v.Text("Misc", "Activation Sort", s.activationSort, kSortLength);
  v.Text("Misc", "Scope Sort", s.scopeSort, kScopeSortLength);
  v.Integer("Misc", "Last Date Format", s.lastDateFormat, Range{0, kLastDateFormat, false});
  v.Integer("Misc", "Last Time Format", s.lastTimeFormat, Range{0, kLastTimeFormat, false});
  v.Boolean("Misc", "Suppress Zeros In Date", s.suppressZerosInDate);
  v.Boolean("Misc", "Suppress Zeros In Time", s.suppressZerosInTime);
  v.Boolean("Misc", "Show Date", s.showDate);
  v.Boolean("Misc", "Use Tray", s.useTray);
  v.Boolean("Misc", "Disable Screen Saver", s.disableScreenSaver);
  v.Text("Misc", "Current File", s.currentFile, kFileNameLength);
  for (std::size_t i = 0; i < s.lastFiles.size(); ++i) {
    v.Text("Misc", "Last File " + std::to_string(i + 1), s.lastFiles[i], kFileNameLength);
  }

  v.Boolean("Capture", "Double Alt", s.doubleAlt);
  v.Boolean("Capture", "Keys", s.captureKeys);
  v.Boolean("Capture", "Mouse", s.captureMouse);
  v.Boolean("Capture", "Relative To Screen", s.relativeToScreen);
  v.Boolean("Capture", "Time", s.captureTime);
  v.Boolean("Capture", "Prompt", s.capturePrompt);
  v.Boolean("Capture", "Window Size", s.captureWindowSize);
  v.Boolean("Capture", "Global", s.captureGlobal);
  v.Integer("Capture", "Speed", s.captureSpeed, Range{1, 4, false});

  v.Boolean("Typlets", "Solitary Usage", s.solitaryUsage);
  v.Boolean("Typlets", "Case Sensative", s.caseSensitive);
  v.Boolean("Typlets", "Use Suffix", s.useSuffix);
  v.Text("Typlets", "Prefix Keys", s.prefixKeys, kPrefixLength);

  for (auto [section, font] :
       {std::pair{"Grid Title Font", &s.gridTitleFont}, std::pair{"Grid Font", &s.gridFont}}) {
    v.Integer(section, "Color", font->color, kColorRange);
    v.Text(section, "Font Name", font->name, kPlainLength);
    v.Integer(section, "Size", font->size, Range{1, kMaxFontSize, false});
    v.Boolean(section, "Bold", font->bold);
    v.Boolean(section, "Italic", font->italic);
    v.Boolean(section, "Underline", font->underline);
    v.Boolean(section, "Strikeout", font->strikeout);
  }

  v.Integer("Main Window", "Width", s.mainWidth, kExtentRange);
  v.Integer("Main Window", "Height", s.mainHeight, kExtentRange);
  v.Integer("Main Window", "Left", s.mainLeft, kPositionRange);
  v.Integer("Main Window", "Top", s.mainTop, kPositionRange);
  v.Integer("Main Window", "Col 1 Width", s.col1Width, kExtentRange);
  v.Integer("Main Window", "Col 2 Width", s.col2Width, kExtentRange);
  v.Integer("Main Window", "Col 3 Width", s.col3Width, kExtentRange);
  v.Boolean("Main Window", "Use Speed", s.useSpeed);

  v.Integer("Script Page", "Width", s.scriptWidth, kExtentRange);
  v.Integer("Script Page", "Height", s.scriptHeight, kExtentRange);
  v.Integer("Script Page", "Left", s.scriptLeft, kPositionRange);
  v.Integer("Script Page", "Top", s.scriptTop, kPositionRange);

  v.Boolean("Network", "Network Mode", s.networkMode);
  v.Boolean("Network", "Auto Sync", s.autoSync);
  v.Integer("Network", "Sync Minutes", s.syncMinutes, kWordRange);

  v.Integer("Print List Font", "Color", s.printFont.color, kColorRange);
  v.Text("Print List Font", "Font Name", s.printFont.name, kPlainLength);
  v.Integer("Print List Font", "Size", s.printFont.size, Range{1, kMaxFontSize, false});
  v.Boolean("Print List Font", "Bold", s.printFont.bold);
  v.Boolean("Print List Font", "Italic", s.printFont.italic);

  v.Boolean("Scheduler", "Use Wave File", s.useWaveFile);
  v.Boolean("Scheduler", "Wave File Wait", s.waveFileWait);
  v.Text("Scheduler", "Wave File", s.waveFile, kFileNameLength);
  v.Integer("Scheduler", "Timer Seconds", s.timerSeconds, Range{1, kMaxTimerSeconds, false});
}

// Fills a record that starts with the defaults: a field's value before reading is its default.
class Reader {
 public:
  explicit Reader(IProfile& profile) : profile_(profile) {}

  void Boolean(std::string_view section, std::string_view key, bool& field) {
    field = platform::UpperAToZ(profile_.Read(section, key, field ? "Yes" : "No")) == "YES";
  }

  template <typename Number>
  void Integer(std::string_view section, std::string_view key, Number& field, Range range) {
    const long long value =
        LeadingNumber(profile_.Read(section, key, std::to_string(field)), range.signedText);
    if (value >= range.low && value <= range.high) field = static_cast<Number>(value);
  }

  void Text(std::string_view section, std::string_view key, std::string& field,
            std::size_t length) {
    std::string value = profile_.Read(section, key, field);
    if (value.size() > length) value.resize(length);
    field = std::move(value);
  }

 private:
  IProfile& profile_;
};

class Writer {
 public:
  explicit Writer(IProfile& profile) : profile_(profile) {}

  void Boolean(std::string_view section, std::string_view key, bool field) {
    profile_.Write(section, key, field ? "Yes" : "No");
  }

  template <typename Number>
  void Integer(std::string_view section, std::string_view key, Number field, Range) {
    profile_.Write(section, key, std::to_string(field));
  }

  void Text(std::string_view section, std::string_view key, const std::string& field, std::size_t) {
    profile_.Write(section, key, FirstLine(field));
  }

 private:
  IProfile& profile_;
};

}  // namespace

Settings ReadSettings(IProfile& profile) {
  Settings settings;
  Reader reader(profile);
  VisitKeys(settings, reader);

  // The list sort ranks kinds by their position in these strings; anything but a permutation of
  // the digits would leave kinds without a rank.
  const Settings defaults;
  if (!IsPermutationOfDigits(settings.primarySort, kSortLength)) {
    settings.primarySort = defaults.primarySort;
  }
  if (!IsPermutationOfDigits(settings.activationSort, kSortLength)) {
    settings.activationSort = defaults.activationSort;
  }
  if (!IsPermutationOfDigits(settings.scopeSort, kScopeSortLength)) {
    settings.scopeSort = defaults.scopeSort;
  }
  for (FontSetting* font : {&settings.gridTitleFont, &settings.gridFont, &settings.printFont}) {
    if (font->name.empty()) font->name = defaults.gridFont.name;
  }
  return settings;
}

void SaveSettings(const Settings& settings, IProfile& profile) {
  // Every key is written, one call each: a program killed part-way must leave the old settings,
  // not a mixture of old keys and new ones.
  profile.SaveWhole([&] {
    Writer writer(profile);
    VisitKeys(settings, writer);
  });
}

std::string ResolveCurrentFile(const Settings& settings, std::string_view programDir,
                               const std::function<bool(std::string_view)>& fileExists) {
  if (!settings.currentFile.empty() && fileExists && fileExists(settings.currentFile)) {
    return settings.currentFile;
  }
  std::string fallback(programDir);
  fallback += '\\';
  fallback += kDefaultMacroFileName;
  return fallback;
}

bool IsPermutationOfDigits(std::string_view text, std::size_t count) {
  if (text.size() != count) return false;
  std::string sorted(text);
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t i = 0; i < count; ++i) {
    if (sorted[i] != static_cast<char>('1' + i)) return false;
  }
  return true;
}

}  // namespace quindle::app

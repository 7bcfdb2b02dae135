// The player's actions on the desktop outside plain input: finding and activating windows and
// programs, the window tags, launching, file, clipboard, sound and web tags. Everything goes
// through the platform interfaces; the searches themselves live here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/playback_state.h"
#include "engine/playback_waits.h"
#include "engine/player_services.h"
#include "engine/tag.h"

namespace quindle::engine {

inline constexpr std::size_t kSearchTextMax = 255;
// Longest text file that "<TFILE:" plays or "<CLIPF:" puts on the clipboard; a longer file is
// cut here so it cannot exhaust memory.
inline constexpr std::size_t kTextFileLimit = 1024 * 1024;
// How long a launch waits for its window, and how often it looks.
inline constexpr std::int64_t kLaunchWaitMs = 30'000;
inline constexpr std::uint32_t kLaunchPollMs = 250;

// Reads a text file for playback or the clipboard: a final byte 26 (Ctrl+Z, end-of-file mark)
// is dropped. Nothing when the file cannot be read.
std::optional<std::string> ReadMacroTextFile(platform::IFileOps& files, std::string_view path);

class WindowActions {
 public:
  WindowActions(const PlayerServices& services, PlaybackState& state, PlaybackWaits& waits);

  // The whole title first, then the first window in z-order whose title contains the text,
  // both upper-cased (a to z only). 0 when nothing is found.
  platform::WindowHandle GetWinHandle(std::string_view title);
  // Restores the window if minimized, brings it to the front, makes it the TargetWindow.
  bool ActivateIt(std::string_view title);
  // The first top-level window of the first process whose file name contains `program`
  // (case-sensitive).
  bool ActivateProg(std::string_view program);
  // File name of the program that owns the window in front.
  std::string GetTopProgram();
  // The window itself if it is a top-level window, else its nearest top-level ancestor; 0 when
  // there is none.
  platform::WindowHandle MakeSureItsAParent(platform::WindowHandle window);

  // "<WSHUT:", "<WHIDE:", ...: `tag.text` is the WindowSpec.
  void WindowTag(const Tag& tag);
  // "<LAUNCH:", "<LAUNCHNO:", "<LAUNCHYES:". False when the awaited window never came: the
  // rest of the macro is then skipped.
  bool Launch(const Tag& tag);
  void FileTag(const Tag& tag);
  // Replaces the clipboard's text and lets it settle 0.05 s (unscaled).
  void PutOnClipboard(std::string_view text);
  // "<CLIPF:": a file that cannot be read is skipped.
  void ClipboardFromFile(std::string_view path);
  void Wave(std::string_view file, bool wait);
  void Beep();
  void Web(std::string_view address);

 private:
  void Bring(platform::WindowHandle window);

  const PlayerServices& services_;
  PlaybackState& state_;
  PlaybackWaits& waits_;
};

}  // namespace quindle::engine

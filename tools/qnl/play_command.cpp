#include "qnl/play_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/player.h"
#include "platform/date_time.h"
#include "platform/fake/recording_platform.h"
#include "platform/std_file_io.h"
#include "qnl/macro_text_input.h"
#include "storage/cp1252.h"

#ifdef _WIN32
#include "qnl/real_play.h"
#endif

namespace quindle::tool {
namespace {

using storage::Cp1252ToUtf8;

using platform::fake::RecordingPlatform;

constexpr const char* kPlayHelp = R"(Play a macro: macro N of FILE, or the text given with --text.

With --dry-run nothing reaches the system: the macro plays through a recording stand-in on a
virtual clock (no wait takes real time), with the US English keyboard layout and a 1024 x 768
screen, and every event is printed as one line:
  key VK down | key VK up          a keyboard event (virtual key in decimal)
  mouse FLAGS DX DY DATA           a mouse event (decimal; 0 where the event has no value;
                                   moves are absolute, 0..65535)
  wait MS                          a wait actually waited, in ms after the speed factor
  activate "TITLE"                 a window brought to the front
  launch "FILE" "PARAMETERS"       a program or document opened
  web "ADDRESS"                    a web or ftp address opened
  window "ACTION" "TITLE" ...      a window tag: quit, hide, show, restore, size W H,
                                   move X Y, maximize, minimize, sysrestore, close
  file "delete" "PATH" | file "copy" "SOURCE" "TARGET" | file "move" "FROM" "TO"
  chdir "PATH"                     the current directory changed
  clipboard "TEXT"                 the clipboard's new text
  sound "wave" "FILE" "wait"|"nowait" | sound "beep"
  swap "PATH"                      the current macro file switched
  pause "TOP" "LEFT" "MESSAGE"     the pause dialog (answered by --pause-answer)
  prompt "COUNT"                   the repeat prompt (answered by --prompt-answer)
  message "CAPTION" "TEXT"         an on-top message
Inside quotes \\ and \" are escaped, CR, LF and Tab are \r \n \t, other control characters
\xHH. Texts read from "<TFILE:" and "<CLIPF:" come from the real files; files are never
changed. --window makes a window with that title exist (repeatable; the first is in front).
--now, --prompt-answer, --pause-answer and --window apply to --dry-run only.

Without --dry-run (Windows only) the macro plays for real: its keys and mouse events reach the
window in front, and its window, file, clipboard, sound and web tags act on the system.
--delay SECONDS waits first, so a window can be put in front by hand. --target TITLE first
brings a window to the front as "<ACTIVATE:" does (the whole title, else the first window in
z-order whose title contains it, in any case); when there is none, nothing plays and qnl exits
with status 2. A "<SWAP:" tag is ignored with a note on stderr: qnl has no current macro
file.)";

struct PlayOptions {
  bool dryRun = false;
  std::string now;
  int promptAnswer = 1;
  std::string pauseAnswer = "resume";
  std::vector<std::string> windows;
  double delay = 0;
  std::optional<std::string> target;
  MacroTextInput input;
};

// File reads come from the disk, so "<TFILE:" and "<CLIPF:" show what they really would type;
// everything that would change a file is only recorded.
class DryRunFiles final : public platform::IFileOps {
 public:
  explicit DryRunFiles(RecordingPlatform& fake) : fake_(fake) {}
  bool ChangeDirectory(std::string_view path) override { return fake_.ChangeDirectory(path); }
  bool DeleteFile(std::string_view path) override { return fake_.DeleteFile(path); }
  bool CopyFile(std::string_view source, std::string_view target) override {
    return fake_.CopyFile(source, target);
  }
  bool MoveFile(std::string_view from, std::string_view to) override {
    return fake_.MoveFile(from, to);
  }
  std::optional<std::string> ReadFile(std::string_view path, std::size_t limit) override {
    return platform::ReadWholeFile(disk_, path, limit);
  }

 private:
  RecordingPlatform& fake_;
  platform::StdBinaryFiles disk_;
};

// "YYYY-MM-DDTHH:MM:SS" to a date-time; nothing when malformed or out of range.
std::optional<double> ParseNow(const std::string& text) {
  platform::CivilDateTime c;
  char t = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%c", &c.year, &c.month, &c.day, &t,
                  &c.hour, &c.minute, &c.second, &tail) != 7 ||
      (t != 'T' && t != ' '))
    return std::nullopt;
  if (c.year < 1900 || c.year > 9999 || c.month < 1 || c.month > 12 || c.day < 1 || c.hour > 23 ||
      c.minute > 59 || c.second > 59 || c.hour < 0 || c.minute < 0 || c.second < 0)
    return std::nullopt;
  const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (c.year % 4 == 0 && c.year % 100 != 0) || c.year % 400 == 0;
  if (c.day > monthDays[c.month - 1] + (c.month == 2 && leap ? 1 : 0)) return std::nullopt;
  return platform::ToDateTime(c);
}

double LocalNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  platform::CivilDateTime c;
  if (local) {
    c.year = local->tm_year + 1900;
    c.month = local->tm_mon + 1;
    c.day = local->tm_mday;
    c.hour = local->tm_hour;
    c.minute = local->tm_min;
    c.second = local->tm_sec;
  }
  return platform::ToDateTime(c);
}

// On Windows the command line and the console already use the ANSI code page.
std::string ToOutput(std::string_view line) {
#ifdef _WIN32
  return std::string(line);
#else
  return Cp1252ToUtf8(line);
#endif
}

int RunPlay(const PlayOptions& options, std::ostream& out, std::ostream& err) {
#ifndef _WIN32
  if (!options.dryRun) {
    err << "qnl: this build plays macros with --dry-run only\n";
    return 2;
  }
#endif
  // Written so a NaN, which passes every range check, is refused too.
  if (!(options.delay >= 0 && options.delay <= 86400)) {
    err << "qnl: --delay wants seconds from 0 to 86400\n";
    return 2;
  }
  if (options.dryRun && (options.delay != 0 || options.target)) {
    err << "qnl: --delay and --target are for playing for real, not with --dry-run\n";
    return 2;
  }
  std::optional<double> start = options.now.empty() ? LocalNow() : ParseNow(options.now);
  if (!start) {
    err << "qnl: --now wants YYYY-MM-DDTHH:MM:SS, a real date and time: " << options.now << '\n';
    return 2;
  }
  if (options.promptAnswer < 0 || options.promptAnswer > 65535) {
    err << "qnl: --prompt-answer wants a count from 0 to 65535\n";
    return 2;
  }

  const std::optional<ChosenMacro> chosen = ChooseMacroText(options.input, "play", err);
  if (!chosen) return 2;
  const std::string& text = chosen->text;
  const std::string& nickname = chosen->nickname;
  const std::uint16_t hotkey = chosen->hotkey;

#ifdef _WIN32
  if (!options.dryRun) {
    return RunRealPlay({text, nickname, hotkey, options.delay, options.target}, err);
  }
#endif

  RecordingPlatform fake;
  fake.SetStartDateTime(*start);
  fake.QueueRepeatCount(static_cast<std::uint16_t>(options.promptAnswer));
  fake.QueuePauseAnswer(options.pauseAnswer == "resume");
  for (const std::string& title : options.windows) fake.AddWindow(title);
  if (!options.windows.empty()) fake.SetForeground(fake.TopLevelWindows().front());
  DryRunFiles files(fake);
  engine::PlayerServices services = platform::fake::MakePlayerServices(fake);
  engine::PlayerServices dryRun{
      services.input,     services.layout,    services.screen, services.windows,
      services.processes, services.shell,     files,           services.clipboard,
      services.sound,     services.clock,     services.pump,   services.prompts,
      services.app,       services.fileSwitch};
  engine::Player player(dryRun);
  player.State().TargetWindow = fake.Foreground();
  player.IntoProgram(text, nickname, hotkey);

  for (const std::string& line : fake.Log()) out << ToOutput(line) << '\n';
  return 0;
}

}  // namespace

Subcommand AddPlayCommand(CLI::App& parent) {
  auto options = std::make_shared<PlayOptions>();
  CLI::App* play = parent.add_subcommand("play", kPlayHelp);
  play->add_flag("--dry-run", options->dryRun, "Play through the recording stand-in and print");
  play->add_option("--now", options->now,
                   "Date and time the virtual clock starts at, YYYY-MM-DDTHH:MM:SS "
                   "(default: now)");
  play->add_option("--prompt-answer", options->promptAnswer,
                   "Count the repeat prompt answers (default 1)");
  play->add_option("--pause-answer", options->pauseAnswer, "resume or abort (default resume)")
      ->check(CLI::IsMember({"resume", "abort"}));
  play->add_option("--window", options->windows, "A window with this title exists");
  play->add_option("--delay", options->delay,
                   "Seconds to wait before playing for real (0 to 86400)")
      ->check(CLI::Range(0.0, 86400.0));
  play->add_option("--target", options->target,
                   "Bring this window to the front before playing for real");
  auto* text = play->add_option("--text", options->input.text, "The macro text to play");
  auto* file = play->add_option("FILE", options->input.file, "Macro file");
  auto* number = play->add_option("N", options->input.number, "Macro number, 1 = first");
  text->excludes(file)->excludes(number);
  file->needs(number);
  number->needs(file);
  return {play,
          [options](std::ostream& out, std::ostream& err) { return RunPlay(*options, out, err); }};
}

}  // namespace quindle::tool

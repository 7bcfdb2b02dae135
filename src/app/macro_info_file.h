// The macro information file of "O&utput Macro Information" (TDoOutput, "Output Macros To File"),
// apart from any window: the six choices and their check at "&Ok", the exact bytes of the file,
// and the writing of it (DoIt).
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editors/command_dialog.h"
#include "platform/file_io.h"
#include "platform/system.h"
#include "storage/macro_record.h"

namespace quindle::app {

inline constexpr std::string_view kOutputCaption = "Output Macros To File";
inline constexpr std::string_view kNothingChecked =
    "Nothing has been checked for printing.  Please Correct.";
inline constexpr std::string_view kInfoSaveTitle = "Write Hot Key Definitions to File";
inline constexpr std::string_view kInfoSaveFilter = "Text File (*.TXT)|*.TXT";
inline constexpr std::string_view kInfoSaveExtension = "TXT";
inline constexpr std::string_view kInfoNotCreated = "Unable to create text file.";
inline constexpr std::string_view kInfoNotWritten =
    "The text file could not be written completely.";

// The check boxes, in the order of the dialog.
enum class OutputField { HotKey, Name, Window, Text, Schedule, Icon };

// All checked when the dialog opens.
struct InfoChoices {
  bool hotKey = true;
  bool name = true;
  bool window = true;
  bool text = true;
  bool schedule = true;
  bool icon = true;
  bool operator==(const InfoChoices&) const = default;
};

// "&Ok": one of "&Hot Key", "&Name", "&Window" and "&Text" must be checked ("&Schedule" and
// "&Icon" alone are not enough); else kNothingChecked with the focus on "&Hot Key".
editors::DialogOutcome<OutputField, InfoChoices> AcceptOutputChoices(const InfoChoices& choices);

// The lines of one macro, each ended by CR LF, then an empty line.
std::string MacroInfoText(const storage::MacroRecord& record, const InfoChoices& choices);
// The whole file: every macro in the order given.
std::string MacroInfoText(std::span<const storage::MacroRecord> records,
                          const InfoChoices& choices);

enum class InfoWriteResult { Written, Cancelled, NotRead, NotCreated, NotWritten };

struct InfoFileServices {
  // The save dialog: the full path chosen, or nothing when the user cancelled.
  std::function<std::optional<std::string>()> askPath;
  // Reads macro n of the macro file; false when it cannot be read.
  std::function<bool(int n, storage::MacroRecord& record)> readMacro;
  platform::IBinaryFiles& files;
  platform::IPrompts& prompts;
};

// DoIt: asks for the file, reads the macros `order` names (MacroNumbers in list order), creates
// the file and writes it. A macro that cannot be read stops it before the file is created
// ("The macro file could not be read."); a file that cannot be created gives kInfoNotCreated, a
// write that fails kInfoNotWritten; every message is titled "Error".
InfoWriteResult DoIt(std::span<const int> order, const InfoChoices& choices,
                     const InfoFileServices& services);

}  // namespace quindle::app

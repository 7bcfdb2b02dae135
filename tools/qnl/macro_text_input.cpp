#include "qnl/macro_text_input.h"

#include <ostream>

#include "storage/cp1252.h"
#include "storage/macro_record.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

using storage::Cp1252Conversion;
using storage::Utf8ToCp1252;

std::optional<ChosenMacro> FromText(const std::string& given, std::ostream& err) {
  ChosenMacro chosen;
  chosen.hotkey = storage::kActivationTimed;
#ifdef _WIN32
  chosen.text = given;
#else
  Cp1252Conversion converted = Utf8ToCp1252(given);
  if (!converted.ok) {
    err << "qnl: --text: " << converted.error << '\n';
    return std::nullopt;
  }
  chosen.text = std::move(converted.text);
#endif
  if (chosen.text.find('\0') != std::string::npos) {
    err << "qnl: --text: a macro text holds no NUL character\n";
    return std::nullopt;
  }
  if (chosen.text.size() > storage::kMacroTextMax) {
    err << "qnl: --text: a macro text holds at most " << storage::kMacroTextMax
        << " characters, this one " << chosen.text.size() << '\n';
    return std::nullopt;
  }
  return chosen;
}

std::optional<ChosenMacro> FromFile(const MacroTextInput& input, std::ostream& err) {
  const storage::MacroFileContents contents = storage::ReadMacroFile(input.file);
  if (!contents.Ok()) {
    err << "qnl: " << contents.error << '\n';
    return std::nullopt;
  }
  if (input.number < 1 || static_cast<std::size_t>(input.number) > contents.records.size()) {
    err << "qnl: " << input.file << " has no macro " << input.number << " (it holds "
        << contents.records.size() << ")\n";
    return std::nullopt;
  }
  const storage::MacroRecord& record = contents.records[input.number - 1];
  if (record.ScopeKind == storage::ScopePopupMenu) {
    err << "qnl: macro " << input.number
        << " is a popup menu; its members play when chosen from the menu\n";
    return std::nullopt;
  }
  return ChosenMacro{std::string(record.MacroText()), std::string(record.Name.View()),
                     record.HotkeyNumber};
}

}  // namespace

std::optional<ChosenMacro> ChooseMacroText(const MacroTextInput& input, std::string_view command,
                                           std::ostream& err) {
  if (input.text) return FromText(*input.text, err);
  if (input.file.empty()) {
    err << "qnl: " << command << " wants --text MACROTEXT or FILE N\n";
    return std::nullopt;
  }
  return FromFile(input, err);
}

}  // namespace quindle::tool

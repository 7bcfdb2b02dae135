#include "app/macro_info_file.h"

#include <memory>

#include "hooklib/hotkey_names.h"
#include "scheduler/schedule_text.h"
#include "storage/macro_store.h"

namespace quindle::app {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void Line(std::string& out, std::string_view a, std::string_view b = {}) {
  out += a;
  out += b;
  out += kLineEnd;
}

std::string IconLine(const storage::MacroRecord& r) {
  if (r.ScopeKind.Get() == storage::ScopeSystem) return "Icon: (None)";
  const std::string_view icon = r.IconName.View();
  if (icon == "MAIN") return "Icon: (Default Icon)";
  if (icon == "MENU") return "Icon: (Default Menu Icon)";
  return "Icon: " + std::string(icon);
}

std::string ActivationLine(const storage::MacroRecord& r) {
  const std::uint16_t code = r.HotkeyNumber.Get();
  if (code == storage::kActivationTimed) return "Timed Macro";
  if (code == storage::kActivationTyplet) return "Typlet: " + std::string(r.TypletName.View());
  return "Hot Key: " + std::string(hooklib::HotkeyName(code));
}

std::string ScopeLine(const storage::MacroRecord& r) {
  const std::string_view ending = r.TopMostOnly ? ", Top Most Only" : ", If Active";
  switch (r.ScopeKind.Get()) {
    case storage::ScopeGlobal:
      return "Scope: GLOBAL";
    case storage::ScopeWindow:
      return "Window: " + std::string(r.ScopeText.View()) + std::string(ending);
    case storage::ScopeProgram:
      return "Program: " + std::string(r.ScopeText.View()) + std::string(ending);
    case storage::ScopePopupMenu:
      return "Scope: Popup Menu";
    case storage::ScopeSystem:
      return "Scope: SYSTEM";
    default:
      return "Scope: ";
  }
}

}  // namespace

editors::DialogOutcome<OutputField, InfoChoices> AcceptOutputChoices(const InfoChoices& choices) {
  if (!choices.hotKey && !choices.name && !choices.window && !choices.text)
    return editors::Refusal<OutputField, InfoChoices>(kNothingChecked, OutputField::HotKey);
  editors::DialogOutcome<OutputField, InfoChoices> outcome;
  outcome.result = choices;
  return outcome;
}

std::string MacroInfoText(const storage::MacroRecord& r, const InfoChoices& choices) {
  std::string out;
  const std::int16_t scope = r.ScopeKind.Get();
  if (choices.icon) Line(out, IconLine(r));
  if (choices.hotKey) Line(out, ActivationLine(r));
  if (choices.name) Line(out, "Name: ", r.Name.View());
  if (choices.window) Line(out, ScopeLine(r));
  if (choices.schedule && r.HotkeyNumber.Get() == storage::kActivationTimed)
    Line(out, "Schedule: ", scheduler::GetSched(r));
  if (choices.text && scope != storage::ScopePopupMenu && scope != storage::ScopeSystem)
    Line(out, "Text: ", r.MacroText());
  out += kLineEnd;
  return out;
}

std::string MacroInfoText(std::span<const storage::MacroRecord> records,
                          const InfoChoices& choices) {
  std::string out;
  for (const storage::MacroRecord& r : records) out += MacroInfoText(r, choices);
  return out;
}

InfoWriteResult DoIt(std::span<const int> order, const InfoChoices& choices,
                     const InfoFileServices& services) {
  const std::optional<std::string> path = services.askPath();
  if (!path) return InfoWriteResult::Cancelled;
  std::string text;
  // The macros are read one by one into one working record.
  auto record = std::make_unique<storage::MacroRecord>();
  for (const int n : order) {
    if (!services.readMacro(n, *record)) {
      services.prompts.ShowMessage("Error", storage::kFileNotRead);
      return InfoWriteResult::NotRead;
    }
    text += MacroInfoText(*record, choices);
  }
  std::unique_ptr<platform::IBinaryFile> file =
      services.files.Open(*path, platform::FileOpenMode::Create);
  if (!file) {
    services.prompts.ShowMessage("Error", kInfoNotCreated);
    return InfoWriteResult::NotCreated;
  }
  const bool written = file->Write(text.data(), text.size());
  if (!file->Close() || !written) {
    services.prompts.ShowMessage("Error", kInfoNotWritten);
    return InfoWriteResult::NotWritten;
  }
  return InfoWriteResult::Written;
}

}  // namespace quindle::app

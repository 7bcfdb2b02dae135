#include "editors/chooser_dialog_models.h"

#include "platform/text.h"

namespace quindle::editors {
namespace {

constexpr int kFirstSymbol = 128;

}  // namespace

// ---- "Insert Symbol"

std::optional<unsigned char> SymbolAt(int column, int row) noexcept {
  if (column < 0 || column >= kSymbolColumns || row < 0 || row >= kSymbolRows) {
    return std::nullopt;
  }
  return static_cast<unsigned char>(kFirstSymbol + column * kSymbolRows + row);
}

std::optional<SymbolCell> CellOfSymbol(unsigned char symbol) noexcept {
  if (symbol < kFirstSymbol) return std::nullopt;
  const int offset = symbol - kFirstSymbol;
  return SymbolCell{offset / kSymbolRows, offset % kSymbolRows};
}

DialogOutcome<SymbolField> AcceptSymbol(int column, int row) {
  const std::optional<unsigned char> symbol = SymbolAt(column, row);
  if (!symbol) return Refusal("", SymbolField::SymbolGrid);
  CommandResult result;
  result.kind = 1;
  result.command = kCmdText;
  result.data = TextData{std::string(1, static_cast<char>(*symbol))};
  return Accepted<SymbolField>(std::move(result));
}

// ---- "Set Title" / "Set Program"

SpecWindTexts TextsOfSpecWind(SpecWindMode mode) noexcept {
  if (mode == SpecWindMode::Program) {
    return {"Set Program",
            "Program Name (may be partial name)",
            "List of Programs currently running",
            "Run Macro If Program On Top",
            "Run Macro If Program Running",
            "Set Program Name",
            "No program name has been entered.  Please correct."};
  }
  return {"Set Title",
          "Window Title (may be partial title)",
          "List of Windows currently running",
          "Run Macro If Window On Top",
          "Run Macro If Window Running",
          "Set Window Title",
          "No window title has been entered.  Please correct."};
}

bool ListsWindowTitle(std::string_view title) noexcept {
  return !platform::Trim(title, platform::kBlanks).empty();
}

bool ListsProgramName(std::string_view name) {
  return platform::UpperAToZ(name).find(".EXE") != std::string::npos;
}

std::string NameOfListEntry(std::string_view entry) {
  return std::string(entry.substr(0, kSpecWindNameLimit));
}

DialogOutcome<SpecWindField, ScopeChoice> AcceptSpecWind(const SpecWindForm& form, Answer answer) {
  using Outcome = DialogOutcome<SpecWindField, ScopeChoice>;
  std::string name = Trimmed(form.name);
  if (!name.empty()) return Acceptance<SpecWindField, ScopeChoice>({std::move(name), form.onTop});
  const SpecWindTexts texts = TextsOfSpecWind(form.mode);
  if (!form.highlighted || form.highlighted->empty()) {
    return Refusal<SpecWindField, ScopeChoice>(texts.noName, SpecWindField::TheTitle);
  }
  if (answer == Answer::Yes) {
    return Acceptance<SpecWindField, ScopeChoice>({NameOfListEntry(*form.highlighted), form.onTop});
  }
  if (answer == Answer::No) return Refusal<SpecWindField, ScopeChoice>("", SpecWindField::TheTitle);
  // The refusal without its "Please correct.", then the entry on offer.
  const std::string_view head = texts.noName.substr(0, texts.noName.find("Please correct."));
  Outcome question = Refusal<SpecWindField, ScopeChoice>(
      std::string(head) + "\"" + *form.highlighted +
          "\" is currently highlighted.  Would you like to use it?",
      SpecWindField::TheTitle);
  question.question = true;
  return question;
}

}  // namespace quindle::editors

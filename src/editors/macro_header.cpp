#include "editors/macro_header.h"

#include <algorithm>

#include "activation/typlets.h"
#include "platform/text.h"

namespace quindle::editors {
namespace {

// The field takes at most the record's 10 characters.
std::string_view TrimmedTyplet(const EditorHeader& header) {
  constexpr std::size_t kTypletMax = decltype(storage::MacroRecord::TypletName)::kCapacity;
  return platform::Trim(header.typletName, " ").substr(0, kTypletMax);
}

// A field is written only when its value changes: a byte that reads as the same value (a
// flag of 255, a length byte past the field's size) stays as the file had it.
template <std::size_t N>
void Put(storage::PString<N>& field, std::string_view value) {
  if (field.View() != value) field.Assign(value);
}

void Put(storage::Flag& flag, bool value) {
  if (bool(flag) != value) flag = value;
}

}  // namespace

EditorHeader OpenHeader(const storage::MacroRecord& macro, ActivationKind kind, bool existing,
                        bool forcedWindow) {
  EditorHeader header;
  if (kind == ActivationKind::Typlet) header.typletName = std::string(macro.TypletName.View());
  if (existing) {
    header.nickname = std::string(macro.Name.View());
    header.scopeKind = macro.ScopeKind == storage::ScopeGlobal   ? storage::ScopeGlobal
                       : macro.ScopeKind == storage::ScopeWindow ? storage::ScopeWindow
                                                                 : storage::ScopeProgram;
    header.scopeText = std::string(macro.ScopeText.View());
    header.topMostOnly = macro.TopMostOnly;
    if (!macro.IconName.View().empty()) header.iconName = std::string(macro.IconName.View());
  }
  if (forcedWindow) header.scopeKind = storage::ScopeWindow;
  return header;
}

std::string HeaderCaption(std::string_view title, const EditorHeader& header) {
  std::string caption = std::string(title) + "  (";
  if (header.scopeKind == storage::ScopeGlobal) return caption + "GLOBAL)";
  if (header.scopeKind == storage::ScopeWindow) {
    return caption + "Window Title: " + header.scopeText + ")";
  }
  return caption + "Program: " + header.scopeText + ")";
}

std::optional<EditorRefusal> CheckHeader(const EditorHeader& header, ActivationKind kind) {
  if (kind != ActivationKind::Typlet) return std::nullopt;
  const std::string_view typlet = TrimmedTyplet(header);
  if (typlet.empty()) return EditorRefusal{kNoTypletName, true};
  if (!std::all_of(typlet.begin(), typlet.end(), activation::IsTypletCharacter)) {
    return EditorRefusal{kBadTypletName, true};
  }
  return std::nullopt;
}

void WriteHeader(const EditorHeader& header, ActivationKind kind, bool existing, double now,
                 storage::MacroRecord& macro) {
  if (!existing) Put(macro.Enabled, true);
  macro.LastModified = now;
  Put(macro.Name, header.nickname);
  // An existing macro's empty icon name already means the program's own.
  if (!(existing && header.iconName == kMainIcon && macro.IconName.View().empty())) {
    Put(macro.IconName, header.iconName);
  }
  if (macro.ScopeKind != header.scopeKind) macro.ScopeKind = header.scopeKind;
  Put(macro.ScopeText, header.scopeText);
  Put(macro.TopMostOnly, header.topMostOnly);
  Put(macro.TypletName,
      kind == ActivationKind::Typlet ? TrimmedTyplet(header) : std::string_view{});
}

}  // namespace quindle::editors

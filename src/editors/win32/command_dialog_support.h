// What the thin classes of the command dialogs share: the edited line's arguments, the radio
// groups that stand for a family's kinds, the model's refusals and questions shown over the
// dialog, and "&Browse" into a path field.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <variant>

#include "editors/command_dialog.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::editors::win32 {

// The numbers of these dialogs' templates and controls: their part of the editors' range.
inline constexpr platform::win32::ResourceRange kSecondFamilyIds{4100, 4399};
static_assert(platform::win32::InRange(platform::win32::kEditorDialogIds, kSecondFamilyIds.first) &&
              platform::win32::InRange(platform::win32::kEditorDialogIds, kSecondFamilyIds.last));
constexpr bool InFamilyRange(int id) {
  return platform::win32::InRange(kSecondFamilyIds, id);
}

// The arguments of the line being edited when they are of kind T; null for a new command.
template <typename T>
const T* EditedData(const CommandDialogRequest& request) {
  return request.edit != nullptr ? std::get_if<T>(request.edit) : nullptr;
}

// The form a dialog opens on: the edited line's (`fromLine`, given the command and the line's
// arguments, or the arguments alone), the keystroke editor's preset in direct mode (`direct`),
// else the scripting editor's new command (`fresh`, given the command or nothing).
template <typename Data, typename FromLine, typename Direct, typename Fresh>
auto OpeningForm(const CommandDialogRequest& request, FromLine fromLine, Direct direct, Fresh fresh)
    -> decltype(direct()) {
  if (const Data* data = EditedData<Data>(request)) {
    if constexpr (std::is_invocable_v<FromLine, int, const Data&>) {
      return fromLine(request.command, *data);
    } else {
      return fromLine(*data);
    }
  }
  if (request.direct) return direct();
  if constexpr (std::is_invocable_v<Fresh, int>) {
    return fresh(request.command);
  } else {
    return fresh();
  }
}

// The 1-based kind of the checked button among `first`..`last`; 0 when none is checked.
int CheckedKind(HWND dialog, int first, int last);
// Checks the button of `kind` (1-based) and clears the others; none for a kind outside.
void CheckKind(HWND dialog, int first, int last, int kind);

// The most characters the user can type into field `id`.
void LimitField(HWND dialog, int id, std::size_t limit);

// A refusal of "&Ok": its message (when it has one) in a box titled `caption`, then the focus
// on the field in error with its text selected.
void ShowRefusal(HWND dialog, std::string_view caption, std::string_view message, int focusId);

// A Yes/No question of a check, asked over the dialog.
bool AskQuestion(HWND dialog, std::string_view caption, std::string_view question);

// Runs a check of "&Ok" that may ask: when the first run has a question, asks it and runs the
// check again with the answer. `check` takes an Answer and returns a DialogOutcome.
template <typename Check>
auto Decide(HWND dialog, Check check) {
  auto outcome = check(Answer::None);
  if (outcome.question) {
    outcome =
        check(AskQuestion(dialog, outcome.caption, outcome.message) ? Answer::Yes : Answer::No);
  }
  return outcome;
}

struct BrowseFilter {
  std::string_view filter;      // "Text Files (*.TXT)|*.TXT"
  std::string_view extension;   // added to a name typed without one; empty for none
  std::string_view title = {};  // the file dialog's caption; empty for the system's own
};
// "&Browse": a file dialog that starts from the field's text; the chosen file replaces it. A
// dialog that fails to open says so. The user is back in the field either way.
void BrowseInto(HWND dialog, int fieldId, const BrowseFilter& filter);

}  // namespace quindle::editors::win32

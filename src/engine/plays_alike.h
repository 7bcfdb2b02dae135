// Whether two MacroTexts make the player do the same, judged from the texts alone. Used where a
// macro is rewritten without the user asking for a change (the scripting editor's write-back of
// lines nobody touched), so a "no" must be the answer whenever the texts could differ in play.
#pragma once

#include <string_view>

namespace quindle::engine {

// True when both texts read, up to their first NUL, as the same literal characters and the same
// tags with the same values (SameEffect), and neither holds a tag whose body the player takes as
// raw text ("<REPEAT:", "<PROMPTREP>", "<BEGCLIP>"): such a body is cut at the first "<ENDREP>"
// or "<ENDCLIP>" wherever that stands, and its characters may be copied as they are. Equal texts
// are always alike.
bool PlaysAlike(std::string_view a, std::string_view b) noexcept;

}  // namespace quindle::engine

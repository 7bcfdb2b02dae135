#include "engine/plays_alike.h"

#include <cstddef>
#include <optional>

#include "engine/tag.h"

namespace quindle::engine {
namespace {

// One step of the player's scan: a literal character, or a recognised tag.
struct Step {
  std::optional<Tag> tag;
  char literal = 0;
  std::size_t length = 0;
};

// The text the player plays: everything before the first NUL.
std::string_view Played(std::string_view text) noexcept {
  const std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

Step StepAt(std::string_view text, std::size_t pos) noexcept {
  Step step;
  if (text[pos] == '<') step.tag = RecognizeTag(text, pos);
  if (step.tag) {
    step.length = step.tag->length;
  } else {
    step.literal = text[pos];
    step.length = 1;
  }
  return step;
}

bool TakesRawBody(const Tag& tag) noexcept {
  return tag.kind == TagKind::Repeat || tag.kind == TagKind::PromptRep ||
         tag.kind == TagKind::BegClip;
}

}  // namespace

bool PlaysAlike(std::string_view a, std::string_view b) noexcept {
  a = Played(a);
  b = Played(b);
  if (a == b) return true;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const Step x = StepAt(a, i);
    const Step y = StepAt(b, j);
    if (x.tag.has_value() != y.tag.has_value()) return false;
    if (x.tag) {
      if (TakesRawBody(*x.tag) || TakesRawBody(*y.tag) || !SameEffect(*x.tag, *y.tag)) {
        return false;
      }
    } else if (x.literal != y.literal) {
      return false;
    }
    i += x.length;
    j += y.length;
  }
  return i >= a.size() && j >= b.size();
}

}  // namespace quindle::engine

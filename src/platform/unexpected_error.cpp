#include "platform/unexpected_error.h"

#include <new>

#include "platform/text.h"

namespace quindle::platform {
namespace {

constexpr const char* kPlainMessage =
    "An unexpected error stopped what Quindle 98 was doing.  The program carries on.";

// The description an exception gives of itself, or empty when it gives none.
std::string DetailOf(const std::exception_ptr& error) {
  if (!error) return {};
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    const char* what = e.what();
    return what != nullptr ? std::string(what) : std::string();
  } catch (...) {
    return {};
  }
}

}  // namespace

std::string UnexpectedErrorMessage(const std::exception_ptr& error) noexcept {
  try {
    std::string detail(TrimSpacesAndControls(DetailOf(error)));
    if (detail.empty()) return kPlainMessage;
    if (detail.size() > kUnexpectedErrorDetailMax) {
      detail.resize(kUnexpectedErrorDetailMax);
      detail += "...";
    }
    return "An unexpected error stopped what Quindle 98 was doing (" + detail +
           ").  The program carries on.";
  } catch (...) {
    // No memory for the message: the fixed text, and no text at all if even that fails.
    try {
      return kPlainMessage;
    } catch (...) {
      return {};
    }
  }
}

}  // namespace quindle::platform

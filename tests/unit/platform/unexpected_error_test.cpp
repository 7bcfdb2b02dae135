#include "platform/unexpected_error.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

namespace quindle::platform {
namespace {

struct Silent : std::exception {
  const char* what() const noexcept override { return " \r\n"; }
};

template <typename Thrown>
std::exception_ptr Caught(Thrown thrown) {
  try {
    throw thrown;
  } catch (...) {
    return std::current_exception();
  }
}

TEST(UnexpectedErrorTest, SaysWhatTheErrorWasAndThatTheProgramCarriesOn) {
  const std::string plain =
      "An unexpected error stopped what Quindle 98 was doing.  The program carries on.";
  const std::string longDetail(kUnexpectedErrorDetailMax + 50, 'x');
  const struct {
    std::exception_ptr error;
    std::string message;
  } cases[] = {
      {Caught(std::runtime_error("The list could not be drawn")),
       "An unexpected error stopped what Quindle 98 was doing (The list could not be drawn).  "
       "The program carries on."},
      {Caught(std::bad_alloc()),
       "An unexpected error stopped what Quindle 98 was doing (std::bad_alloc).  The program "
       "carries on."},
      {Caught(std::runtime_error("  padded\r\n")),
       "An unexpected error stopped what Quindle 98 was doing (padded).  The program carries on."},
      {Caught(std::runtime_error(longDetail)),
       "An unexpected error stopped what Quindle 98 was doing (" +
           longDetail.substr(0, kUnexpectedErrorDetailMax) + "...).  The program carries on."},
      {Caught(Silent()), plain},  // a description of blanks only says nothing
      {Caught(42), plain},        // not a standard exception
      {std::exception_ptr(), plain},
  };
  for (const auto& c : cases) EXPECT_EQ(UnexpectedErrorMessage(c.error), c.message);
  EXPECT_EQ(kUnexpectedErrorTitle, "System Error");
}

}  // namespace
}  // namespace quindle::platform

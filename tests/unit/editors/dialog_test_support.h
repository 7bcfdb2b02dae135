// What the command dialog tests share: a file system of a few known paths, and the two ways a
// dialog's command must agree with the script lines.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "editors/command_dialog.h"
#include "editors/script_line.h"

namespace quindle::editors::testing_support {

// Files and directories that exist, and the short forms the system gives some of them; any
// other existing path is its own short form.
class FakePathChecks final : public IPathChecks {
 public:
  std::map<std::string, std::string, std::less<>> shortForms;
  std::set<std::string, std::less<>> files;
  std::set<std::string, std::less<>> directories;

  std::optional<std::string> ShortPath(std::string_view path) override {
    if (const auto found = shortForms.find(path); found != shortForms.end()) return found->second;
    if (files.contains(path) || directories.contains(path)) return std::string(path);
    return std::nullopt;
  }
  bool FileExists(std::string_view path) override { return files.contains(path); }
  bool DirectoryExists(std::string_view path) override { return directories.contains(path); }
};

// The MacroText that the scripting editor's line of `result` writes back.
inline std::string WrittenBack(const CommandResult& result) {
  return WriteBack({ScriptLine{LineText(result.command, result.data, true), result.data}});
}

// The command of the single line that the result's MacroText reads back as; 0 when it reads as
// anything else (a tag too wide for its fields reads as text).
inline int ReadBackCommand(const CommandResult& result) {
  const auto lines = BuildTheScript(result.text);
  return lines.size() == 1 ? CommandNumberOf(lines.front().text) : 0;
}

// A result must be the tag, write back from its line to the same tag, and read back as one line
// of its command (a tag too wide for its fields would read back as text).
template <typename Outcome>
void ExpectCommand(const Outcome& outcome, const char* text) {
  ASSERT_TRUE(outcome.Accepted()) << outcome.message;
  EXPECT_EQ(outcome.result->text, text);
  EXPECT_EQ(WrittenBack(*outcome.result), text);
  EXPECT_EQ(ReadBackCommand(*outcome.result), outcome.result->command) << text;
}

template <typename Outcome, typename Field>
void ExpectRefusal(const Outcome& outcome, std::string_view message, Field focus,
                   std::string_view caption = kErrorCaption) {
  ASSERT_FALSE(outcome.Accepted());
  EXPECT_EQ(outcome.message, message);
  EXPECT_EQ(outcome.caption, caption);
  EXPECT_FALSE(outcome.question);
  EXPECT_EQ(outcome.focus, focus);
}

// The name of a table's case, for the cases that carry a `name`.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& param) const {
    return param.param.name;
  }
};

}  // namespace quindle::editors::testing_support

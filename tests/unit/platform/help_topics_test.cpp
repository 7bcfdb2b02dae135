// The help topics against the help pages: every topic that the sources name, through a string or a
// constant passed to ShowHelpTopic, and every topic of the table, has its page in help/, and that
// page is part of the help project (quindl.hhp) and its contents (quindl.hhc). The sources are
// read at test time, so a new help button with a topic that has no page fails here.
#include "platform/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quindle::platform {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = QNL_SOURCE_DIR;
const fs::path kHelpDir = kSourceDir / "help";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text with its comments blanked, so that a call in a comment does not count. Strings and
// character literals are kept whole, as "//" may stand in one.
std::string WithoutComments(const std::string& text) {
  std::string out = text;
  std::size_t i = 0;
  while (i < out.size()) {
    const char c = out[i];
    if (c == '"' || c == '\'') {
      for (++i; i < out.size() && out[i] != c; ++i) {
        if (out[i] == '\\') ++i;
      }
      ++i;
    } else if (c == '/' && i + 1 < out.size() && out[i + 1] == '/') {
      while (i < out.size() && out[i] != '\n') out[i++] = ' ';
    } else if (c == '/' && i + 1 < out.size() && out[i + 1] == '*') {
      const std::size_t end = out.find("*/", i + 2);
      const std::size_t stop = end == std::string::npos ? out.size() : end + 2;
      for (; i < stop; ++i) {
        if (out[i] != '\n') out[i] = ' ';
      }
    } else {
      ++i;
    }
  }
  return out;
}

// The topic argument (the second) of each ShowHelpTopic call: a string literal with its quotes,
// or a name. Declarations and calls that pass the topic on from a variable give a text with a
// blank or a lower-case name; the caller sorts them out.
std::vector<std::string> TopicArguments(const std::string& source) {
  const std::string text = WithoutComments(source);
  std::vector<std::string> found;
  const std::string call = "ShowHelpTopic(";
  for (std::size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + 1)) {
    std::size_t i = at + call.size();
    int depth = 0;
    std::size_t comma = std::string::npos;
    std::size_t end = std::string::npos;
    for (; i < text.size() && end == std::string::npos; ++i) {
      const char c = text[i];
      if (c == '"') {
        for (++i; i < text.size() && text[i] != '"'; ++i) {
          if (text[i] == '\\') ++i;
        }
      } else if (c == '(' || c == '{' || c == '[') {
        ++depth;
      } else if ((c == ')' || c == '}' || c == ']') && depth > 0) {
        --depth;
      } else if (c == ')' || (c == ',' && depth == 0 && comma != std::string::npos)) {
        end = i;
      } else if (c == ',' && depth == 0) {
        comma = i;
      }
    }
    if (comma == std::string::npos || end == std::string::npos) continue;
    std::string argument = text.substr(comma + 1, end - comma - 1);
    const auto blank = [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; };
    argument.erase(argument.begin(), std::find_if_not(argument.begin(), argument.end(), blank));
    while (!argument.empty() && blank(argument.back())) argument.pop_back();
    found.push_back(argument);
  }
  return found;
}

// The topic constants of help_topics.h, by name.
std::map<std::string, std::string> TopicConstants() {
  const std::string header = ReadText(kSourceDir / "src/platform/help_topics.h");
  const std::regex definition(R"re(constexpr std::string_view (kTopic\w+) = "([^"]*)";)re");
  std::map<std::string, std::string> constants;
  for (std::sregex_iterator it(header.begin(), header.end(), definition), end; it != end; ++it)
    constants[(*it)[1]] = (*it)[2];
  return constants;
}

struct NamedTopic {
  std::string name;   // the topic
  std::string where;  // the file that names it
};

// Every topic that a source file under src/ names in a ShowHelpTopic call; `unresolved` collects
// the constants that are no topic constant.
std::vector<NamedTopic> TopicsNamedInSources(std::vector<std::string>& unresolved) {
  const std::map<std::string, std::string> constants = TopicConstants();
  const std::regex literal(R"re(^"([^"\\]*)"$)re");
  const std::regex constant(R"re(^(?:\w+::)*(k\w+)$)re");
  std::vector<NamedTopic> named;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
    const std::string where = fs::relative(entry.path(), kSourceDir).generic_string();
    for (const std::string& argument : TopicArguments(ReadText(entry.path()))) {
      std::smatch match;
      if (std::regex_match(argument, match, literal)) {
        named.push_back({match[1], where});
      } else if (std::regex_match(argument, match, constant)) {
        const auto known = constants.find(match[1]);
        if (known == constants.end())
          unresolved.push_back(where + ": " + argument);
        else
          named.push_back({known->second, where});
      }
    }
  }
  return named;
}

// The files listed in the [FILES] section of the help project.
std::set<std::string> ProjectFiles() {
  std::istringstream project(ReadText(kHelpDir / "quindl.hhp"));
  std::set<std::string> files;
  bool inFiles = false;
  for (std::string line; std::getline(project, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      inFiles = line == "[FILES]";
    } else if (inFiles && !line.empty()) {
      files.insert(line);
    }
  }
  return files;
}

// The pages that the contents (quindl.hhc) lead to.
std::set<std::string> ContentsPages() {
  const std::string contents = ReadText(kHelpDir / "quindl.hhc");
  const std::regex local(R"re(<param name="Local" value="([^"]+)">)re", std::regex::icase);
  std::set<std::string> pages;
  for (std::sregex_iterator it(contents.begin(), contents.end(), local), end; it != end; ++it)
    pages.insert((*it)[1]);
  return pages;
}

std::vector<std::string> HelpFolderPages() {
  std::vector<std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpDir)) {
    if (entry.path().extension() == ".htm") pages.push_back(entry.path().filename().string());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

// What is wrong with the page of `topic`, named in `where`; empty when nothing is.
std::vector<std::string> PageFaults(const std::string& topic, const std::string& where) {
  const std::optional<std::string_view> page = HelpPage(topic);
  if (!page) return {where + ": topic \"" + topic + "\" is not in the help topic table"};
  const std::string file(*page);
  std::vector<std::string> faults;
  const std::string prefix = where + ": topic \"" + topic + "\": page " + file;
  if (!fs::is_regular_file(kHelpDir / file)) faults.push_back(prefix + " is not in help/");
  if (ProjectFiles().count(file) == 0) faults.push_back(prefix + " is not in quindl.hhp");
  if (ContentsPages().count(file) == 0) faults.push_back(prefix + " is not in quindl.hhc");
  return faults;
}

TEST(HelpTopicScanTest, FindsTheTopicOfEachCallAndNoneInComments) {
  const std::string source = R"src(
bool ShowHelpTopic(HWND owner, std::string_view topic);
void A() { ShowHelpTopic(window_, "Pause"); }
void B() {
  ShowHelpTopic(Handle(),
                platform::kTopicMacroRepeat);
}
// ShowHelpTopic(window_, "In A Comment");
/* ShowHelpTopic(window_, "In Another"); */
void C() { ShowHelpTopic(FromHwnd(Get(1, 2)), kTopicAbout, dir, viewer); }
const char* kText = "// not a comment"; void D() { ShowHelpTopic(w, "Hot Keys"); }
)src";
  EXPECT_EQ(TopicArguments(source), (std::vector<std::string>{"std::string_view topic", "\"Pause\"",
                                                              "platform::kTopicMacroRepeat",
                                                              "kTopicAbout", "\"Hot Keys\""}));
}

TEST(HelpTopicsTest, EveryTopicNamedInTheSourcesHasItsPage) {
  std::vector<std::string> unresolved;
  const std::vector<NamedTopic> named = TopicsNamedInSources(unresolved);
  EXPECT_EQ(unresolved, std::vector<std::string>{}) << "constants that name no help topic";
  for (const NamedTopic& topic : named)
    EXPECT_EQ(PageFaults(topic.name, topic.where), std::vector<std::string>{});
}

TEST(HelpTopicsTest, EveryTopicOfTheTableHasItsPage) {
  ASSERT_FALSE(HelpTopics().empty());
  for (const HelpTopic& topic : HelpTopics())
    EXPECT_EQ(PageFaults(std::string(topic.name), "table"), std::vector<std::string>{});
}

TEST(HelpTopicsTest, EveryConstantIsATopicOfTheTableAndEachNameIsThereOnce) {
  const std::map<std::string, std::string> constants = TopicConstants();
  ASSERT_EQ(constants.size(), HelpTopics().size());
  std::set<std::string_view> names;
  for (const HelpTopic& topic : HelpTopics()) {
    EXPECT_TRUE(names.insert(topic.name).second) << topic.name << " is in the table twice";
  }
  for (const auto& [constant, name] : constants)
    EXPECT_EQ(names.count(name), 1U) << constant << " (\"" << name << "\") is not in the table";
}

TEST(HelpTopicsTest, EveryPageOfTheFolderIsInTheProjectAndTheContents) {
  const std::set<std::string> project = ProjectFiles();
  const std::set<std::string> contents = ContentsPages();
  const std::vector<std::string> pages = HelpFolderPages();
  ASSERT_FALSE(pages.empty());
  EXPECT_EQ(project.count("style.css"), 1U);
  for (const std::string& page : pages) {
    EXPECT_EQ(project.count(page), 1U) << page << " is not in quindl.hhp";
    EXPECT_EQ(contents.count(page), 1U) << page << " is not in quindl.hhc";
  }
  // And nothing is listed that is not there.
  for (const std::string& file : project)
    EXPECT_TRUE(fs::is_regular_file(kHelpDir / file)) << file << " of quindl.hhp is missing";
  for (const std::string& file : contents)
    EXPECT_TRUE(fs::is_regular_file(kHelpDir / file)) << file << " of quindl.hhc is missing";
}

TEST(HelpTopicsTest, EveryLinkOfEveryPageLeadsToAPageOfTheFolder) {
  const std::regex link(R"re(href="([^"#]+)(?:#[^"]*)?")re", std::regex::icase);
  int links = 0;
  for (const std::string& page : HelpFolderPages()) {
    const std::string text = ReadText(kHelpDir / page);
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      ++links;
      EXPECT_TRUE(fs::is_regular_file(kHelpDir / (*it)[1].str()))
          << page << " links to " << (*it)[1] << ", which is not in help/";
    }
  }
  EXPECT_GT(links, 0);
}

TEST(HelpTopicsTest, LookupIsExactAndUnknownNamesHaveNoPage) {
  struct Case {
    std::string_view name;
    std::optional<std::string_view> page;
  };
  const Case cases[] = {
      {kTopicContents, "contents.htm"},
      {kTopicAbout, "about.htm"},
      {kTopicKeyboardHooks, "restore_hooks.htm"},
      {kTopicMouseHooks, "restore_hooks.htm"},
      {kTopicMacroRepeat, "repeat_prompt.htm"},
      {"contents", std::nullopt},  // names are texts of the program, matched exactly
      {"Contents ", std::nullopt},
      {"", std::nullopt},
      {"No Such Topic", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpPage(c.name), c.page) << '"' << c.name << '"';
  EXPECT_EQ(HelpPage(kTopicContents), kHelpContentsPage);
}

}  // namespace
}  // namespace quindle::platform

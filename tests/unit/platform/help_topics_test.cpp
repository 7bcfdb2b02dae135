// Every help topic that the sources name (read at test time) or the table holds has its page in
// help/, listed in the help project (quindl.hhp) and its contents (quindl.hhc); every dialog of
// the resource scripts is described on a page.
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

// Group `group` of every match of `pattern` in `text`.
std::vector<std::string> Captures(const std::string& text, const std::regex& pattern, int group) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
    found.push_back((*it)[group]);
  return found;
}

// The text with its comments blanked; literals are kept whole, as "//" may stand in one.
std::string WithoutComments(std::string out) {
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '"' || out[i] == '\'') {
      for (const char quote = out[i++]; i < out.size() && out[i] != quote; ++i) {
        if (out[i] == '\\') ++i;
      }
    } else if (out.compare(i, 2, "//") == 0) {
      for (; i < out.size() && out[i] != '\n'; ++i) out[i] = ' ';
    } else if (out.compare(i, 2, "/*") == 0) {
      const std::size_t stop = std::min(out.find("*/", i + 2), out.size() - 2) + 2;
      for (; i < stop; ++i) out[i] = out[i] == '\n' ? '\n' : ' ';
      --i;
    }
  }
  return out;
}

// The second argument of each ShowHelpTopic call: a literal with its quotes, or a name. The first
// may hold calls two deep.
std::vector<std::string> TopicArguments(const std::string& source) {
  static const std::regex call(
      R"re(ShowHelpTopic\((?:[^(),]|\((?:[^()]|\([^()]*\))*\))*,\s*("[^"\\]*"|[\w:]+)\s*[,)])re");
  return Captures(WithoutComments(source), call, 1);
}

// The topic constants of help_topics.h: name to topic.
std::map<std::string, std::string> TopicConstants() {
  const std::string header = ReadText(kSourceDir / "src/platform/help_topics.h");
  const std::regex definition(R"re(constexpr std::string_view (kTopic\w+) = "([^"]*)";)re");
  std::map<std::string, std::string> constants;
  for (std::sregex_iterator it(header.begin(), header.end(), definition), end; it != end; ++it)
    constants[(*it)[1]] = (*it)[2];
  return constants;
}

struct NamedTopic {
  std::string name, where;
};

// The topics that ShowHelpTopic calls under src/ name; `unresolved` gets unknown constants.
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

// The lines of the [FILES] section of the help project.
std::set<std::string> ProjectFiles() {
  const std::string project = ReadText(kHelpDir / "quindl.hhp");
  const std::size_t start = project.find("[FILES]");
  if (start == std::string::npos) return {};
  const std::string section = project.substr(start, project.find("\n[", start) - start);
  std::vector<std::string> lines = Captures(section, std::regex(R"re(\n([^\r\n]+))re"), 1);
  return {lines.begin(), lines.end()};
}

std::set<std::string> ContentsPages() {
  const std::vector<std::string> pages =
      Captures(ReadText(kHelpDir / "quindl.hhc"),
               std::regex(R"re(<param name="Local" value="([^"]+)">)re", std::regex::icase), 1);
  return {pages.begin(), pages.end()};
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
  const std::string prefix = where + ": topic \"" + topic + "\": page " + file;
  std::vector<std::string> faults;
  if (!fs::is_regular_file(kHelpDir / file)) faults.push_back(prefix + " is not in help/");
  if (ProjectFiles().count(file) == 0) faults.push_back(prefix + " is not in quindl.hhp");
  if (ContentsPages().count(file) == 0) faults.push_back(prefix + " is not in quindl.hhc");
  return faults;
}

// The caption of every dialog template of the program's resource scripts.
std::vector<NamedTopic> DialogCaptions() {
  const std::regex caption(R"re(^\s*CAPTION\s+"([^"]+)")re", std::regex::multiline);
  std::vector<NamedTopic> found;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
    if (!entry.is_regular_file() || entry.path().extension() != ".rc") continue;
    const std::string where = fs::relative(entry.path(), kSourceDir).generic_string();
    for (const std::string& name : Captures(ReadText(entry.path()), caption, 1))
      found.push_back({name, where});
  }
  return found;
}

// What a reader sees of a page: its text without tags, with the entities the pages use and
// with every run of blanks and line breaks as one blank.
std::string VisibleText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities)
    text = std::regex_replace(text, std::regex(entity), character);
  return std::regex_replace(text, std::regex(R"re(\s+)re"), " ");
}

TEST(HelpTopicScanTest, PagesAreReadAsTheirReaderSeesThem) {
  EXPECT_EQ(VisibleText("<p>Open <span class=\"ui\">Set Title</span>\r\n  and &amp;Ok</p>"),
            " Open Set Title and &Ok ");
  EXPECT_EQ(VisibleText("<code>&lt;TAB&gt;</code>"), " <TAB> ");
}

TEST(HelpTopicsTest, EveryDialogOfTheProgramIsDescribedInTheHelp) {
  std::string help;
  for (const std::string& page : HelpFolderPages()) help += VisibleText(ReadText(kHelpDir / page));
  const std::vector<NamedTopic> captions = DialogCaptions();
  ASSERT_FALSE(captions.empty());
  for (const NamedTopic& caption : captions) {
    EXPECT_NE(help.find(caption.name), std::string::npos)
        << caption.where << ": the dialog \"" << caption.name << "\" is on no help page";
  }
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
  EXPECT_EQ(TopicArguments(source),
            (std::vector<std::string>{"\"Pause\"", "platform::kTopicMacroRepeat", "kTopicAbout",
                                      "\"Hot Keys\""}));
}

TEST(HelpTopicsTest, EveryTopicOfTheSourcesAndOfTheTableHasItsPage) {
  std::vector<std::string> unresolved;
  for (const NamedTopic& topic : TopicsNamedInSources(unresolved))
    EXPECT_EQ(PageFaults(topic.name, topic.where), std::vector<std::string>{});
  EXPECT_EQ(unresolved, std::vector<std::string>{}) << "constants that name no help topic";
  ASSERT_FALSE(HelpTopics().empty());
  for (const HelpTopic& topic : HelpTopics())
    EXPECT_EQ(PageFaults(std::string(topic.name), "table"), std::vector<std::string>{});
}

TEST(HelpTopicsTest, EveryConstantIsATopicOfTheTableAndEachNameIsThereOnce) {
  const std::map<std::string, std::string> constants = TopicConstants();
  ASSERT_EQ(constants.size(), HelpTopics().size());
  std::set<std::string_view> names;
  for (const HelpTopic& topic : HelpTopics())
    EXPECT_TRUE(names.insert(topic.name).second) << topic.name << " is in the table twice";
  for (const auto& [constant, name] : constants)
    EXPECT_EQ(names.count(name), 1U) << constant << " (\"" << name << "\") is not in the table";
}

TEST(HelpTopicsTest, ThePagesTheProjectAndTheContentsListTheSameFiles) {
  const std::set<std::string> project = ProjectFiles();
  const std::set<std::string> contents = ContentsPages();
  const std::vector<std::string> pages = HelpFolderPages();
  ASSERT_FALSE(pages.empty());
  EXPECT_EQ(project.count("style.css"), 1U);
  for (const std::string& page : pages) {
    EXPECT_EQ(project.count(page), 1U) << page << " is not in quindl.hhp";
    EXPECT_EQ(contents.count(page), 1U) << page << " is not in quindl.hhc";
  }
  for (const std::set<std::string>& listed : {project, contents}) {
    for (const std::string& file : listed)
      EXPECT_TRUE(fs::is_regular_file(kHelpDir / file)) << file << " is listed but missing";
  }
}

TEST(HelpTopicsTest, EveryLinkOfEveryPageLeadsToAPageOfTheFolder) {
  const std::regex link(R"re(href="([^"#]+)(?:#[^"]*)?")re", std::regex::icase);
  int links = 0;
  for (const std::string& page : HelpFolderPages()) {
    for (const std::string& target : Captures(ReadText(kHelpDir / page), link, 1)) {
      ++links;
      EXPECT_TRUE(fs::is_regular_file(kHelpDir / target)) << page << " links to missing " << target;
    }
  }
  EXPECT_GT(links, 0);
}

TEST(HelpTopicsTest, LookupIsExactAndUnknownNamesHaveNoPage) {
  const std::pair<std::string_view, std::optional<std::string_view>> cases[] = {
      {kTopicContents, kHelpContentsPage},
      {kTopicAbout, "about.htm"},
      {kTopicKeyboardHooks, "restore_hooks.htm"},
      {kTopicMouseHooks, "restore_hooks.htm"},
      {kTopicMacroRepeat, "repeat_prompt.htm"},
      {"contents", std::nullopt},  // names are texts of the program, matched exactly
      {"Contents ", std::nullopt},
      {"", std::nullopt},
      {"No Such Topic", std::nullopt},
  };
  for (const auto& [name, page] : cases) EXPECT_EQ(HelpPage(name), page) << '"' << name << '"';
}

}  // namespace
}  // namespace quindle::platform

#include "platform/help_topic_page.h"

namespace quindle::platform {

std::string HelpTopicPage(std::string_view topic) {
  std::string page;
  bool gap = false;
  for (const char c : topic) {
    const bool digit = c >= '0' && c <= '9';
    const bool lower = c >= 'a' && c <= 'z';
    const bool upper = c >= 'A' && c <= 'Z';
    if (!digit && !lower && !upper) {
      gap = !page.empty();
      continue;
    }
    if (gap) page.push_back('_');
    gap = false;
    page.push_back(upper ? static_cast<char>(c - 'A' + 'a') : c);
  }
  if (page.empty()) page = "index";
  return page + ".htm";
}

std::string HelpTopicUrl(std::string_view helpFile, std::string_view topic) {
  return std::string(helpFile) + "::/" + HelpTopicPage(topic);
}

}  // namespace quindle::platform

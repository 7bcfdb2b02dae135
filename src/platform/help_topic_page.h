// Where the compiled help file keeps a topic: each topic is one page whose file name is made from
// the topic name, so that code names topics as the user reads them ("About Quindle 98").
#pragma once

#include <string>
#include <string_view>

namespace quindle::platform {

inline constexpr std::string_view kHelpFileName = "QUINDL.CHM";

// The page of a topic: lower-case letters and digits, every other run of characters one '_',
// none at the ends, then ".htm". "About Quindle 98" is "about_quindle_98.htm"; a name with no
// letter or digit gives "index.htm", the help file's first page.
std::string HelpTopicPage(std::string_view topic);

// What HtmlHelp's HH_DISPLAY_TOPIC takes: "<help file>::/<page>".
std::string HelpTopicUrl(std::string_view helpFile, std::string_view topic);

}  // namespace quindle::platform

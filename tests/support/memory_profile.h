// A profile held in memory, with the behaviour of the system's profile functions that the settings
// rely on: sections and keys found whatever their case, a changed key keeping its place, a new key
// added at the end of its section and a new section at the end of the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace quindle::app {

class MemoryProfile final : public IProfile {
 public:
  MemoryProfile() = default;

  // Takes the text of a profile file: "[Section]" lines, "key=value" lines; blanks around names
  // and values dropped, lines before the first section, without "=" or starting with ";" skipped.
  static MemoryProfile FromText(std::string_view text);

  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void Write(std::string_view section, std::string_view key, std::string_view value) override;

  // Removes one key, as a user editing the file by hand would; false if it was not there.
  bool RemoveKey(std::string_view section, std::string_view key);

  std::vector<std::string> SectionNames() const;
  // The keys of a section in their order; empty for a missing section.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // The file's text, CR LF line ends, an empty line between sections.
  std::string Text() const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  Entry* FindEntry(std::string_view section, std::string_view key);

  std::vector<Section> sections_;
};

}  // namespace quindle::app

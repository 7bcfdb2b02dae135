#include "support/memory_profile.h"

#include <algorithm>

#include "platform/text.h"

namespace quindle::app {
namespace {

char LowerCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerCase(x) == LowerCase(y);
         });
}

// A profile line loses its blanks and the carriage return of a CR LF line end.
std::string_view Trim(std::string_view text) {
  return platform::Trim(text, " \t\r");
}

}  // namespace

MemoryProfile MemoryProfile::FromText(std::string_view text) {
  MemoryProfile profile;
  std::string current;
  bool inSection = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      current = std::string(
          Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
      inSection = true;
      if (!profile.FindSection(current)) profile.sections_.push_back({current, {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    // The system reads the first of two equal keys; the later one stays unseen.
    const std::string_view key = Trim(line.substr(0, equals));
    if (profile.FindEntry(current, key)) continue;
    profile.Write(current, key, Trim(line.substr(equals + 1)));
  }
  return profile;
}

MemoryProfile::Section* MemoryProfile::FindSection(std::string_view name) {
  for (Section& section : sections_) {
    if (SameName(section.name, name)) return &section;
  }
  return nullptr;
}

const MemoryProfile::Section* MemoryProfile::FindSection(std::string_view name) const {
  for (const Section& section : sections_) {
    if (SameName(section.name, name)) return &section;
  }
  return nullptr;
}

MemoryProfile::Entry* MemoryProfile::FindEntry(std::string_view section, std::string_view key) {
  Section* found = FindSection(section);
  if (!found) return nullptr;
  for (Entry& entry : found->entries) {
    if (SameName(entry.key, key)) return &entry;
  }
  return nullptr;
}

std::string MemoryProfile::Read(std::string_view section, std::string_view key,
                                std::string_view fallback) {
  const Entry* entry = FindEntry(section, key);
  return entry ? entry->value : std::string(fallback);
}

void MemoryProfile::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (Entry* entry = FindEntry(section, key)) {
    entry->value = std::string(value);
    return;
  }
  Section* found = FindSection(section);
  if (!found) {
    sections_.push_back({std::string(section), {}});
    found = &sections_.back();
  }
  found->entries.push_back({std::string(key), std::string(value)});
}

bool MemoryProfile::RemoveKey(std::string_view section, std::string_view key) {
  Section* found = FindSection(section);
  if (!found) return false;
  const auto removed =
      std::erase_if(found->entries, [key](const Entry& entry) { return SameName(entry.key, key); });
  return removed > 0;
}

std::vector<std::string> MemoryProfile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::vector<std::string> MemoryProfile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section)) {
    for (const Entry& entry : found->entries) names.push_back(entry.key);
  }
  return names;
}

std::string MemoryProfile::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) text += entry.key + "=" + entry.value + "\r\n";
  }
  return text;
}

}  // namespace quindle::app

#include "qnl/lint_checks.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "hooklib/hotkey_names.h"
#include "platform/date_time.h"
#include "platform/text.h"
#include "qnl/schedule_time.h"
#include "scheduler/schedule_text.h"
#include "storage/cp1252.h"

namespace quindle::tool {
namespace {

using storage::Cp1252ToUtf8;
using storage::MacroRecord;

// The part of a scope that matching looks at: the table's first 20 characters, upper-cased.
constexpr std::size_t kMatchedScopeLength = 20;

std::string Quoted(std::string_view text) {
  return "\"" + Cp1252ToUtf8(text) + "\"";
}

std::string MatchedScope(const MacroRecord& r) {
  return platform::UpperAToZ(r.ScopeText.View().substr(0, kMatchedScopeLength));
}

bool SameScope(const MacroRecord& a, const MacroRecord& b) {
  if (a.ScopeKind != b.ScopeKind) return false;
  if (a.ScopeKind == storage::ScopeGlobal || a.ScopeKind == storage::ScopePopupMenu) return true;
  return MatchedScope(a) == MatchedScope(b) && a.TopMostOnly == b.TopMostOnly;
}

std::string ScopeDescription(const MacroRecord& r) {
  switch (r.ScopeKind.Get()) {
    case storage::ScopeGlobal:
      return "GLOBAL";
    case storage::ScopeWindow:
      return "Window: " + Quoted(r.ScopeText.View());
    case storage::ScopeProgram:
      return "Program: " + Quoted(r.ScopeText.View());
    case storage::ScopePopupMenu:
      return "Popup Menu";
    default:
      return "SYSTEM";
  }
}

std::string Numbers(std::size_t a, std::size_t b) {
  return "macros " + std::to_string(a + 1) + " and " + std::to_string(b + 1);
}

bool IsHotkey(const MacroRecord& r) {
  return r.Enabled && r.HotkeyNumber.Get() < storage::kHotkeyCount;
}

bool IsTyplet(const MacroRecord& r) {
  return r.Enabled && r.HotkeyNumber.Get() == storage::kActivationTyplet &&
         r.ScopeKind != storage::ScopePopupMenu;
}

void DuplicateHotkeys(const std::vector<MacroRecord>& records, std::vector<std::string>& lines) {
  for (std::size_t j = 0; j < records.size(); ++j) {
    if (!IsHotkey(records[j])) continue;
    for (std::size_t i = 0; i < j; ++i) {
      if (!IsHotkey(records[i]) || records[i].HotkeyNumber != records[j].HotkeyNumber ||
          !SameScope(records[i], records[j]))
        continue;
      lines.push_back(Numbers(i, j) + ": both " +
                      std::string(hooklib::HotkeyName(records[j].HotkeyNumber)) + " in " +
                      ScopeDescription(records[j]) + "; macro " + std::to_string(j + 1) +
                      " can never be chosen");
      break;  // one line per shadowed macro
    }
  }
}

// Two Typlets can meet when one of them is global or both have the same scope.
bool ScopesMeet(const MacroRecord& a, const MacroRecord& b) {
  return a.ScopeKind == storage::ScopeGlobal || b.ScopeKind == storage::ScopeGlobal ||
         SameScope(a, b);
}

void ShadowedTyplets(const std::vector<MacroRecord>& records, const TypletOptions& options,
                     std::vector<std::string>& lines) {
  // Only in prefix mode without "Solitary Usage" does a Typlet fire wherever it occurs in what
  // was typed; otherwise the whole typed text must equal it.
  // In prefix mode the prefix is typed before every Typlet, so a shorter one fires inside a
  // longer one only when prefix and shorter name occur together in what is typed.
  const bool anywhere = !options.useSuffix && !options.solitaryUsage;
  const std::string prefix = options.useSuffix ? std::string() : options.prefixKeys;
  const auto key = [&options, &prefix](const MacroRecord& r) {
    const std::string typed = prefix + std::string(r.TypletName.View());
    return options.caseSensitive ? typed : platform::UpperAToZ(typed);
  };
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!IsTyplet(records[i]) || records[i].TypletName.View().empty()) continue;
    for (std::size_t j = 0; j < records.size(); ++j) {
      if (i == j || !IsTyplet(records[j]) || !ScopesMeet(records[i], records[j])) continue;
      const std::string shorter = key(records[i]);
      const std::string longer = key(records[j]);
      if (shorter == longer) {
        if (i < j && SameScope(records[i], records[j]))
          lines.push_back(Numbers(i, j) + ": both Typlet " + Quoted(records[i].TypletName.View()) +
                          " in " + ScopeDescription(records[j]) + "; macro " +
                          std::to_string(j + 1) + " can never be chosen");
      } else if (anywhere && longer.find(shorter) != std::string::npos) {
        lines.push_back(Numbers(i, j) + ": typing Typlet " + Quoted(records[j].TypletName.View()) +
                        " of macro " + std::to_string(j + 1) + " fires Typlet " +
                        Quoted(records[i].TypletName.View()) + " of macro " +
                        std::to_string(i + 1));
      }
    }
  }
}

// The buffer the program matches holds only Typlet characters: a prefix with any other one is
// never typed in full, and no Typlet can fire.
void BadPrefix(const TypletOptions& options, std::vector<std::string>& lines) {
  if (options.useSuffix) return;
  for (const char c : options.prefixKeys) {
    if (activation::IsTypletCharacter(c)) continue;
    lines.push_back("settings: Prefix Keys " + Quoted(options.prefixKeys) +
                    " has a character that cannot be typed as a Typlet: " +
                    Quoted(std::string_view(&c, 1)) + "; no Typlet can fire");
    return;
  }
}

void BadTypletNames(const std::vector<MacroRecord>& records, std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& r = records[i];
    if (r.HotkeyNumber.Get() != storage::kActivationTyplet ||
        r.ScopeKind == storage::ScopePopupMenu)
      continue;
    const std::string_view name = r.TypletName.View();
    const std::string prefix = "macro " + std::to_string(i + 1) + ": ";
    if (name.empty()) {
      lines.push_back(prefix + "Typlet macro without a Typlet name");
      continue;
    }
    for (const char c : name) {
      if (activation::IsTypletCharacter(c)) continue;
      lines.push_back(prefix + "Typlet " + Quoted(name) +
                      " has a character that cannot be typed "
                      "as a Typlet: " +
                      Quoted(std::string_view(&c, 1)));
      break;
    }
  }
}

// The date of a once-schedule, when the record names one that exists.
std::optional<double> OnceDate(const MacroRecord& r) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02uT00:00:00", r.ScheduleYear.Get() % 10000u,
                static_cast<unsigned>(r.ScheduleMonth), static_cast<unsigned>(r.ScheduleDay));
  return ParseIsoDateTime(text);
}

void PastOnceSchedules(const std::vector<MacroRecord>& records, double now,
                       std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& r = records[i];
    if (r.HotkeyNumber.Get() != storage::kActivationTimed ||
        r.ScheduleKind != scheduler::ScheduleOnce)
      continue;
    const std::optional<double> day = OnceDate(r);
    const std::string prefix = "macro " + std::to_string(i + 1) + ": ";
    if (!day) {
      lines.push_back(prefix +
                      "once-schedule on a date that does not exist: " + scheduler::GetSched(r));
      continue;
    }
    const int hour = scheduler::Hour24(r.ScheduleHour, r.SchedulePM);
    const double when = *day + (hour * 60 + r.ScheduleMinute) / 1440.0;
    if (when < now)
      lines.push_back(prefix + "once-schedule in the past: " + scheduler::GetSched(r));
  }
}

void EmptyScopes(const std::vector<MacroRecord>& records, std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& r = records[i];
    if (r.ScopeKind != storage::ScopeWindow && r.ScopeKind != storage::ScopeProgram) continue;
    if (!platform::TrimSpacesAndControls(r.ScopeText.View()).empty()) continue;
    lines.push_back("macro " + std::to_string(i + 1) + ": " +
                    (r.ScopeKind == storage::ScopeWindow ? "window" : "program") +
                    " scope with an empty text");
  }
}

void PopupMembers(const std::vector<MacroRecord>& records, std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& r = records[i];
    if (r.ScopeKind != storage::ScopePopupMenu) continue;
    for (std::size_t k = 0; k < r.MemberCount(); ++k) {
      const std::uint16_t member = r.Member(k);
      if (member >= 1 && member <= records.size()) continue;
      lines.push_back("macro " + std::to_string(i + 1) + ": popup menu lists macro " +
                      std::to_string(member) + ", but the file holds " +
                      std::to_string(records.size()));
    }
  }
}

}  // namespace

std::vector<std::string> LintMacros(const std::vector<MacroRecord>& records,
                                    const TypletOptions& typlets, double now) {
  std::vector<std::string> lines;
  DuplicateHotkeys(records, lines);
  ShadowedTyplets(records, typlets, lines);
  BadPrefix(typlets, lines);
  BadTypletNames(records, lines);
  PastOnceSchedules(records, now, lines);
  EmptyScopes(records, lines);
  PopupMembers(records, lines);
  return lines;
}

}  // namespace quindle::tool

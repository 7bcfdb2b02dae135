// A player wired to the recording platform, and short ways to write the log lines a test
// expects.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/player.h"
#include "platform/fake/recording_platform.h"

namespace quindle::engine::playtest {

using Lines = std::vector<std::string>;

inline Lines Down(int vk) {
  return {"key " + std::to_string(vk) + " down"};
}
inline Lines Up(int vk) {
  return {"key " + std::to_string(vk) + " up"};
}
inline Lines Press(int vk) {
  return {Down(vk)[0], Up(vk)[0]};
}
inline Lines Wait(int ms) {
  return {"wait " + std::to_string(ms)};
}

// Joins groups of lines into one expected log.
inline Lines Seq(std::initializer_list<Lines> groups) {
  Lines all;
  for (const Lines& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

// The lines a plain lower-case letter or digit types on the US layout.
inline Lines Plain(std::string_view text) {
  Lines all;
  for (const char c : text) {
    const int vk = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    const Lines press = Press(vk);
    all.insert(all.end(), press.begin(), press.end());
  }
  return all;
}

class PlayerFixture : public ::testing::Test {
 public:
  PlayerFixture() : services(platform::fake::MakePlayerServices(fake)), player(services) {}

  // Starts a macro as a hotkey would and returns what it did.
  const Lines& Play(std::string_view text, std::string_view name = "Test",
                    std::uint16_t hotkey = 10000) {
    player.IntoProgram(text, name, hotkey);
    return fake.Log();
  }

  platform::fake::RecordingPlatform fake;
  PlayerServices services;
  Player player;
};

}  // namespace quindle::engine::playtest

namespace quindle::engine::playtest {

// Reads the key lines of a log back as the US layout would type them: letters, digits and
// punctuation with Shift as held. Modifier and keypad keys type nothing; Enter reads as "\n".
inline std::string TypedText(const Lines& log) {
  constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
  struct Oem {
    int vk;
    char plain;
    char shifted;
  };
  constexpr Oem kOem[] = {{0xBA, ';', ':'},  {0xBB, '=', '+'}, {0xBC, ',', '<'}, {0xBD, '-', '_'},
                          {0xBE, '.', '>'},  {0xBF, '/', '?'}, {0xC0, '`', '~'}, {0xDB, '[', '{'},
                          {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '\'', '"'}};
  std::string text;
  bool shift = false;
  for (const std::string& line : log) {
    if (line.rfind("key ", 0) != 0) continue;
    const int vk = std::stoi(line.substr(4));
    const bool down = line.ends_with(" down");
    if (vk == 16) {
      shift = down;
      continue;
    }
    if (!down) continue;
    if (vk >= 'A' && vk <= 'Z') {
      text += static_cast<char>(shift ? vk : vk - 'A' + 'a');
    } else if (vk >= '0' && vk <= '9') {
      text += shift ? kShiftedDigits[static_cast<std::size_t>(vk - '0')] : static_cast<char>(vk);
    } else if (vk == 13) {
      text += '\n';
    } else if (vk == 32) {
      text += ' ';
    } else {
      for (const Oem& key : kOem) {
        if (key.vk == vk) text += shift ? key.shifted : key.plain;
      }
    }
  }
  return text;
}

}  // namespace quindle::engine::playtest

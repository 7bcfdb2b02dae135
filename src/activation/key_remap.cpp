#include "activation/key_remap.h"

#include <cstring>

#include "platform/text.h"

namespace quindle::activation {
namespace {

// The punctuation group: space .. "/", ":" .. "@", "[" .. "`", "}" and "~".
constexpr char kPunctuation[] = " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~";
static_assert(sizeof(kPunctuation) - 1 == 31);

std::uint8_t* SlotBytes(storage::RemapBlock& block) noexcept {
  return block.Upper;
}
const std::uint8_t* SlotBytes(const storage::RemapBlock& block) noexcept {
  return block.Upper;
}

// The slots lie back to back from the first group on.
static_assert(offsetof(storage::RemapBlock, Upper) + kRemapSlots ==
              offsetof(storage::RemapBlock, Unused101));

}  // namespace

char RemapSlotCharacter(std::size_t slot) noexcept {
  if (slot < 26) return static_cast<char>('A' + slot);
  if (slot < 52) return static_cast<char>('a' + (slot - 26));
  if (slot < 62) return static_cast<char>('0' + (slot - 52));
  if (slot < kRemapSlots) return kPunctuation[slot - 62];
  return '\0';
}

std::string RemapFileName(std::string_view macroFile) {
  std::string name(macroFile);
  if (name.size() >= 4) {
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = platform::UpperAToZ(c);
    if (tail == ".QNL") {
      name.replace(name.size() - 4, 4, ".QNS");
      return name;
    }
  }
  return name + ".QNS";
}

std::array<std::uint8_t, kRemapSlots> RemapSlots(const storage::RemapBlock& block) noexcept {
  std::array<std::uint8_t, kRemapSlots> slots{};
  std::memcpy(slots.data(), SlotBytes(block), kRemapSlots);
  return slots;
}

void SetRemapSlots(storage::RemapBlock& block,
                   const std::array<std::uint8_t, kRemapSlots>& slots) noexcept {
  std::memcpy(SlotBytes(block), slots.data(), kRemapSlots);
}

void SetRemapSlot(storage::RemapBlock& block, std::size_t slot, std::uint8_t character) noexcept {
  // Through the block's bytes: the slots run on from one group's array into the next.
  if (slot >= kRemapSlots) return;
  reinterpret_cast<std::uint8_t*>(&block)[offsetof(storage::RemapBlock, Upper) + slot] = character;
}

void InitSwapKeys(storage::RemapBlock& block) noexcept {
  std::array<std::uint8_t, kRemapSlots> slots{};
  for (std::size_t i = 0; i < kRemapSlots; ++i)
    slots[i] = static_cast<std::uint8_t>(RemapSlotCharacter(i));
  SetRemapSlots(block, slots);
}

bool SwapsInUse(const storage::RemapBlock& block) noexcept {
  const auto slots = RemapSlots(block);
  for (std::size_t i = 0; i < kRemapSlots; ++i) {
    if (slots[i] != 0 && slots[i] != static_cast<std::uint8_t>(RemapSlotCharacter(i))) return true;
  }
  return false;
}

bool LoadSwapKeys(platform::IBinaryFiles& files, std::string_view name,
                  storage::RemapBlock& block) {
  auto file = files.Open(name, platform::FileOpenMode::ReadOnly);
  if (!file) return false;
  std::array<std::uint8_t, kRemapSlots> slots{};
  if (!file->Read(slots.data(), slots.size())) return false;
  SetRemapSlots(block, slots);
  return true;
}

bool SaveSwapKeys(platform::IBinaryFiles& files, std::string_view name,
                  const storage::RemapBlock& block) {
  const auto slots = RemapSlots(block);
  return platform::ReplaceWholeFile(
      files, name, std::string_view(reinterpret_cast<const char*>(slots.data()), slots.size()));
}

void GetSwapFile(platform::IBinaryFiles& files, std::string_view macroFile,
                 storage::RemapBlock& block) {
  const std::string name = RemapFileName(macroFile);
  if (files.Exists(name)) {
    LoadSwapKeys(files, name, block);
    return;
  }
  InitSwapKeys(block);
  SaveSwapKeys(files, name, block);
}

std::string RemapNotSavedText(std::string_view remapFile) {
  return "The key remapping could not be saved to " + std::string(remapFile) +
         ".  The file still holds the remapping it had before; the new remapping is in use "
         "until another macro file is opened.";
}

bool FinishSwapKeys(platform::IBinaryFiles& files, std::string_view remapFile,
                    const storage::RemapBlock& block, bool changed, ISwapHook& hook,
                    platform::IPrompts& prompts) {
  if (!changed) return hook.Installed();
  if (!SaveSwapKeys(files, remapFile, block))
    prompts.ShowMessage(kRemapNotSavedTitle, RemapNotSavedText(remapFile));
  const bool inUse = SwapsInUse(block);
  if (hook.Installed() && !inUse) hook.Remove();
  if (!hook.Installed() && inUse) hook.Install();
  return hook.Installed();
}

}  // namespace quindle::activation

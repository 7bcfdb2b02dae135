// The key remapping of the current macro file: a 93-byte file beside it, mirrored into the
// remap block that the message-retrieval hook reads in every program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/system.h"
#include "storage/macro_record.h"

namespace quindle::activation {

inline constexpr std::size_t kRemapSlots = 93;

// The character each slot stands for, in file and block order.
char RemapSlotCharacter(std::size_t slot) noexcept;

// The remap file of a macro file: ".QNL" (any case) replaced by ".QNS"; any other name gets
// ".QNS" appended, so saving the mapping can never overwrite the macros.
std::string RemapFileName(std::string_view macroFile);

// The 93 slots of the block, in file order.
std::array<std::uint8_t, kRemapSlots> RemapSlots(const storage::RemapBlock& block) noexcept;
void SetRemapSlots(storage::RemapBlock& block,
                   const std::array<std::uint8_t, kRemapSlots>& slots) noexcept;
// Writes one slot alone (none past the last); a hook reading meanwhile sees either the old or
// the new character.
void SetRemapSlot(storage::RemapBlock& block, std::size_t slot, std::uint8_t character) noexcept;

// Every slot holds its own character.
void InitSwapKeys(storage::RemapBlock& block) noexcept;
// True when some slot holds another character than its own (0 counts as unchanged).
bool SwapsInUse(const storage::RemapBlock& block) noexcept;

// Reads the file into the block; false (block unchanged) when it cannot be read whole.
bool LoadSwapKeys(platform::IBinaryFiles& files, std::string_view name, storage::RemapBlock& block);
// Writes the block's slots as the file; false when it could not be written, and the file then
// holds the mapping it had before (a half-written mapping would remap keys nobody chose).
bool SaveSwapKeys(platform::IBinaryFiles& files, std::string_view name,
                  const storage::RemapBlock& block);
// Loads the remap file of a macro file, or creates it with the neutral mapping.
void GetSwapFile(platform::IBinaryFiles& files, std::string_view macroFile,
                 storage::RemapBlock& block);

// The message-retrieval hook that applies the mapping, as the main window holds it.
class ISwapHook {
 public:
  virtual ~ISwapHook() = default;
  virtual bool Installed() const = 0;
  // Installs the hook and puts its handle into the remap block.
  virtual void Install() = 0;
  virtual void Remove() = 0;
};

inline constexpr std::string_view kRemapNotSavedTitle = "Error";
// The mapping stays in force until another macro file is opened; only the file lags behind.
std::string RemapNotSavedText(std::string_view remapFile);

// After "Keyboard Remapper" has closed: when the mapping was `changed`, it is saved to
// `remapFile` (a failure is reported through `prompts`) and the hook is installed or removed
// as SwapsInUse now says. Returns whether the hook is installed afterwards (`SwapsActive`).
bool FinishSwapKeys(platform::IBinaryFiles& files, std::string_view remapFile,
                    const storage::RemapBlock& block, bool changed, ISwapHook& hook,
                    platform::IPrompts& prompts);

}  // namespace quindle::activation

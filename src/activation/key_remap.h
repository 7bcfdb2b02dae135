// The key remapping of the current macro file: a 93-byte file beside it, mirrored into the
// remap block that the message-retrieval hook reads in every program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_io.h"
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

// Every slot holds its own character.
void InitSwapKeys(storage::RemapBlock& block) noexcept;
// True when some slot holds another character than its own (0 counts as unchanged).
bool SwapsInUse(const storage::RemapBlock& block) noexcept;

// Reads the file into the block; false (block unchanged) when it cannot be read whole.
bool LoadSwapKeys(platform::IBinaryFiles& files, std::string_view name, storage::RemapBlock& block);
// Writes the block's slots as the file; false when it could not be written.
bool SaveSwapKeys(platform::IBinaryFiles& files, std::string_view name,
                  const storage::RemapBlock& block);
// Loads the remap file of a macro file, or creates it with the neutral mapping.
void GetSwapFile(platform::IBinaryFiles& files, std::string_view macroFile,
                 storage::RemapBlock& block);

}  // namespace quindle::activation

// Fixed binary layouts shared by QUINDL.EXE, QNLHOOK.DLL and the macro files: the stored macro
// record, the shared macro table and the two small hook blocks. Offsets and sizes are part of the
// file format and of the contract between the two programs, so each one is asserted below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "storage/le_types.h"

namespace quindle::storage {

inline constexpr std::size_t kMaxMacros = 500;
inline constexpr std::size_t kMacroTextMax = 5000;
inline constexpr std::size_t kHotkeyCount = 720;

inline constexpr std::uint16_t kActivationTimed = 10000;
inline constexpr std::uint16_t kActivationTyplet = 20000;

enum ScopeKindValue : std::int16_t {
  ScopeGlobal = 1,
  ScopeWindow = 2,
  ScopeProgram = 3,
  ScopePopupMenu = 4,
  ScopeSystem = 5,
};

#pragma pack(push, 1)

struct MacroRecord {
  PString<50> Name;            // 0
  PString<30> ScopeText;       // 51
  PString<10> TypletName;      // 82
  LeU16 HotkeyNumber;          // 93
  LeI16 ScopeKind;             // 95
  Flag Enabled;                // 97
  std::uint8_t Reserved98[2];  // 98
  char TextArea[5001];         // 100
  PString<12> IconName;        // 5101
  LeI16 ScheduleKind;          // 5114
  Flag ScheduleDays[7];        // 5116, Monday first
  std::uint8_t ScheduleHour;   // 5123
  std::uint8_t ScheduleMinute;
  std::uint8_t ScheduleMonth;
  std::uint8_t ScheduleDay;
  std::uint8_t HourlyMinute;
  LeU16 IntervalMinutes;  // 5128
  std::uint8_t ScheduleWeekday;
  LeU16 ScheduleYear;  // 5131
  Flag SchedulePM;     // 5133
  Flag TopMostOnly;    // 5134
  LeF64 LastModified;  // 5135
  std::uint8_t Reserved5143[22];

  // The MacroText: up to the first zero byte, never more than 5000 characters.
  std::string_view MacroText() const noexcept;
  // Stores `text` (cut to 5000 characters) followed by a zero byte.
  void SetMacroText(std::string_view text) noexcept;

  // Popup menu members: the count read from the text area is clamped to what the area holds.
  std::size_t MemberCount() const noexcept;
  std::uint16_t Member(std::size_t i) const noexcept;  // 0 when `i` is out of range
  void SetMembers(std::span<const std::uint16_t> members) noexcept;
};

inline constexpr std::size_t kMaxPopupMembers = (sizeof(MacroRecord::TextArea) - 2) / 2;

// The named block "QNBA1ZTW". Per-macro arrays are indexed by MacroNumber - 1.
struct SharedMacroTable {
  LeU32 MainWindow;                // 0
  Flag WaitRelease;                // 4
  LeI32 ReleaseKey;                // 5
  LeI32 PendingCode;               // 9
  LeU32 PendingFocus;              // 13
  Flag CodeInUse[720];             // 17
  Flag CaptureActive;              // 737
  LeU16 CaptureMacro;              // 738
  Flag AltTabHeld;                 // 740
  Flag DoubleAlt;                  // 741
  LeU16 AltTabKey;                 // 742
  LeU32 MouseHook;                 // 744
  LeU32 KeyboardHook;              // 748
  LeU32 SecWindow;                 // 752
  Flag DefineMode;                 // 756
  LeU16 StopSet1Button;            // 757
  LeU16 StopSet1Key;               // 759
  Flag StopSet1Mods[4];            // 761: Ctrl, Alt, Shift, Win
  Flag StopSet1Hit;                // 765
  Flag StopSet2Enabled;            // 766
  LeU16 StopSet2Button;            // 767
  LeU16 StopSet2Key;               // 769
  Flag StopSet2Mods[4];            // 771
  Flag StopSet2Hit;                // 775
  Flag CaptureWindowSize;          // 776
  Flag PlaybackMarker;             // 777
  Flag CaptureKeys;                // 778
  Flag CaptureMouse;               // 779
  Flag ScreenRelative;             // 780
  Flag CaptureTiming;              // 781
  LeF64 LastEventTime;             // 782
  Flag FirstEvent;                 // 790
  Flag WantWindowSize;             // 791
  LeI16 ScopeKind[500];            // 792
  PString<20> ScopeText[500];      // 1792
  Flag Enabled[500];               // 12292
  LeU16 HotkeyNumber[500];         // 12792
  Flag TopMostOnly[500];           // 13792
  LeI32 Count;                     // 14292
  Flag DeadKeyPending;             // 14296
  Flag IsNT;                       // 14297
  PString<250> ForegroundProgram;  // 14298

  // The macro count as a safe loop bound: a damaged or foreign value is clamped to 0..500.
  std::size_t SafeCount() const noexcept {
    const std::int32_t c = Count;
    return c <= 0 ? 0
                  : (c > static_cast<std::int32_t>(kMaxMacros) ? kMaxMacros
                                                               : static_cast<std::size_t>(c));
  }
};

// The named block "QNTT1ZTW": character replacements for the message-retrieval hook.
struct RemapBlock {
  LeU32 MainWindow;               // 0
  LeU32 SwapHook;                 // 4
  std::uint8_t Upper[26];         // 8:  "A".."Z"
  std::uint8_t Lower[26];         // 34: "a".."z"
  std::uint8_t Digits[10];        // 60: "0".."9"
  std::uint8_t Space2Slash[16];   // 70: codes 32..47
  std::uint8_t Colon2At[7];       // 86: codes 58..64
  std::uint8_t Bracket2Grave[6];  // 93: codes 91..96
  std::uint8_t BraceTilde[2];     // 99: codes 125, 126
  std::uint8_t Unused101[2];      // 101
  Flag Created;                   // 103
};

// The named block "QNKR1ZTW": where the CBT hook reports window activations.
struct ActivationBlock {
  LeU32 MainWindow;   // 0
  LeU32 CbtHook;      // 4
  LeU32 MainWindow2;  // 8
  LeU32 MainWindow3;  // 12
  Flag IsNT;          // 16
};

// The sync file beside a macro file shared on a network: the whole file is this one record. It
// is at once the writers' advisory lock and the change counter that tells readers to reload.
inline constexpr std::int16_t kSyncHeld = 1;
inline constexpr std::int16_t kSyncFree = 2;

struct SyncRecord {
  LeI32 Counter;    // 0: raised by one by every writer that changed the macro file
  LeI16 State;      // 4: kSyncHeld or kSyncFree
  LeF64 Heartbeat;  // 6: the holder's date-time, refreshed while it holds the lock
};

#pragma pack(pop)

// A new macro before anything else is set: its nickname, activation, scope and text, enabled and
// with the program's own icon ("MAIN"); every other field is zero.
MacroRecord NewMacro(std::string_view name, std::int16_t scopeKind, std::string_view scopeText,
                     std::uint16_t hotkeyNumber, std::string_view text) noexcept;

static_assert(sizeof(MacroRecord) == 5165);
static_assert(offsetof(MacroRecord, Name) == 0);
static_assert(offsetof(MacroRecord, ScopeText) == 51);
static_assert(offsetof(MacroRecord, TypletName) == 82);
static_assert(offsetof(MacroRecord, HotkeyNumber) == 93);
static_assert(offsetof(MacroRecord, ScopeKind) == 95);
static_assert(offsetof(MacroRecord, Enabled) == 97);
static_assert(offsetof(MacroRecord, Reserved98) == 98);
static_assert(offsetof(MacroRecord, TextArea) == 100);
static_assert(offsetof(MacroRecord, IconName) == 5101);
static_assert(offsetof(MacroRecord, ScheduleKind) == 5114);
static_assert(offsetof(MacroRecord, ScheduleDays) == 5116);
static_assert(offsetof(MacroRecord, ScheduleHour) == 5123);
static_assert(offsetof(MacroRecord, ScheduleMinute) == 5124);
static_assert(offsetof(MacroRecord, ScheduleMonth) == 5125);
static_assert(offsetof(MacroRecord, ScheduleDay) == 5126);
static_assert(offsetof(MacroRecord, HourlyMinute) == 5127);
static_assert(offsetof(MacroRecord, IntervalMinutes) == 5128);
static_assert(offsetof(MacroRecord, ScheduleWeekday) == 5130);
static_assert(offsetof(MacroRecord, ScheduleYear) == 5131);
static_assert(offsetof(MacroRecord, SchedulePM) == 5133);
static_assert(offsetof(MacroRecord, TopMostOnly) == 5134);
static_assert(offsetof(MacroRecord, LastModified) == 5135);
static_assert(offsetof(MacroRecord, Reserved5143) == 5143);

static_assert(sizeof(SharedMacroTable) == 14549);
static_assert(offsetof(SharedMacroTable, MainWindow) == 0);
static_assert(offsetof(SharedMacroTable, WaitRelease) == 4);
static_assert(offsetof(SharedMacroTable, ReleaseKey) == 5);
static_assert(offsetof(SharedMacroTable, PendingCode) == 9);
static_assert(offsetof(SharedMacroTable, PendingFocus) == 13);
static_assert(offsetof(SharedMacroTable, CodeInUse) == 17);
static_assert(offsetof(SharedMacroTable, CaptureActive) == 737);
static_assert(offsetof(SharedMacroTable, CaptureMacro) == 738);
static_assert(offsetof(SharedMacroTable, AltTabHeld) == 740);
static_assert(offsetof(SharedMacroTable, DoubleAlt) == 741);
static_assert(offsetof(SharedMacroTable, AltTabKey) == 742);
static_assert(offsetof(SharedMacroTable, MouseHook) == 744);
static_assert(offsetof(SharedMacroTable, KeyboardHook) == 748);
static_assert(offsetof(SharedMacroTable, SecWindow) == 752);
static_assert(offsetof(SharedMacroTable, DefineMode) == 756);
static_assert(offsetof(SharedMacroTable, StopSet1Button) == 757);
static_assert(offsetof(SharedMacroTable, StopSet1Key) == 759);
static_assert(offsetof(SharedMacroTable, StopSet1Mods) == 761);
static_assert(offsetof(SharedMacroTable, StopSet1Hit) == 765);
static_assert(offsetof(SharedMacroTable, StopSet2Enabled) == 766);
static_assert(offsetof(SharedMacroTable, StopSet2Button) == 767);
static_assert(offsetof(SharedMacroTable, StopSet2Key) == 769);
static_assert(offsetof(SharedMacroTable, StopSet2Mods) == 771);
static_assert(offsetof(SharedMacroTable, StopSet2Hit) == 775);
static_assert(offsetof(SharedMacroTable, CaptureWindowSize) == 776);
static_assert(offsetof(SharedMacroTable, PlaybackMarker) == 777);
static_assert(offsetof(SharedMacroTable, CaptureKeys) == 778);
static_assert(offsetof(SharedMacroTable, CaptureMouse) == 779);
static_assert(offsetof(SharedMacroTable, ScreenRelative) == 780);
static_assert(offsetof(SharedMacroTable, CaptureTiming) == 781);
static_assert(offsetof(SharedMacroTable, LastEventTime) == 782);
static_assert(offsetof(SharedMacroTable, FirstEvent) == 790);
static_assert(offsetof(SharedMacroTable, WantWindowSize) == 791);
static_assert(offsetof(SharedMacroTable, ScopeKind) == 792);
static_assert(offsetof(SharedMacroTable, ScopeText) == 1792);
static_assert(offsetof(SharedMacroTable, Enabled) == 12292);
static_assert(offsetof(SharedMacroTable, HotkeyNumber) == 12792);
static_assert(offsetof(SharedMacroTable, TopMostOnly) == 13792);
static_assert(offsetof(SharedMacroTable, Count) == 14292);
static_assert(offsetof(SharedMacroTable, DeadKeyPending) == 14296);
static_assert(offsetof(SharedMacroTable, IsNT) == 14297);
static_assert(offsetof(SharedMacroTable, ForegroundProgram) == 14298);

static_assert(sizeof(RemapBlock) == 104);
static_assert(offsetof(RemapBlock, SwapHook) == 4);
static_assert(offsetof(RemapBlock, Upper) == 8);
static_assert(offsetof(RemapBlock, Lower) == 34);
static_assert(offsetof(RemapBlock, Digits) == 60);
static_assert(offsetof(RemapBlock, Space2Slash) == 70);
static_assert(offsetof(RemapBlock, Colon2At) == 86);
static_assert(offsetof(RemapBlock, Bracket2Grave) == 93);
static_assert(offsetof(RemapBlock, BraceTilde) == 99);
static_assert(offsetof(RemapBlock, Unused101) == 101);
static_assert(offsetof(RemapBlock, Created) == 103);

static_assert(sizeof(ActivationBlock) == 17);
static_assert(offsetof(ActivationBlock, CbtHook) == 4);
static_assert(offsetof(ActivationBlock, MainWindow2) == 8);
static_assert(offsetof(ActivationBlock, MainWindow3) == 12);
static_assert(offsetof(ActivationBlock, IsNT) == 16);

static_assert(sizeof(SyncRecord) == 14);
static_assert(offsetof(SyncRecord, Counter) == 0);
static_assert(offsetof(SyncRecord, State) == 4);
static_assert(offsetof(SyncRecord, Heartbeat) == 6);

// Names of the shared objects.
inline constexpr const char* kTableBlockName = "QNBA1ZTW";
inline constexpr const char* kRemapBlockName = "QNTT1ZTW";
inline constexpr const char* kActivationBlockName = "QNKR1ZTW";
inline constexpr const char* kInstanceMarkerName = "QNLQX321Z";
inline constexpr const char* kTableMutexName = "QN88aveR";
inline constexpr const char* kRemapMutexName = "QNQJaveR";
inline constexpr const char* kActivationMutexName = "QNKZaveR";

}  // namespace quindle::storage

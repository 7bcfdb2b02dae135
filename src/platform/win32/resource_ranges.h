// Every family of windows and dialogs numbers its templates, menus, commands and controls inside
// a range of its own. All resource scripts of the program end up in one executable, so two
// families that picked the same number would load each other's dialogs or menus; with the ranges
// that cannot happen. A family's resource header stays plain macros for the resource compiler;
// its C++ code checks each number against its range with static_assert.
//
// A new family takes the next free range here and says so in one line.
#pragma once

namespace quindle::platform::win32 {

struct ResourceRange {
  int first;
  int last;
};

constexpr bool InRange(ResourceRange range, int id) {
  return id >= range.first && id <= range.last;
}

// The pause dialog, the repeat prompt and the on-top message of playback.
inline constexpr ResourceRange kPlaybackPromptIds{2600, 2699};
// The main window: its menu, accelerators, commands and child controls.
inline constexpr ResourceRange kMainWindowIds{3000, 3099};
// The About box.
inline constexpr ResourceRange kAboutDialogIds{3100, 3149};
// "Typlet Options" and "System Hot Keys".
inline constexpr ResourceRange kActivationDialogIds{3200, 3299};
// "Set Schedule".
inline constexpr ResourceRange kScheduleDialogIds{3300, 3399};
// "Capture Macro", "Capture Defaults" and "Capture Complete".
inline constexpr ResourceRange kCaptureDialogIds{3400, 3599};
// The scripting editor, the keystroke editors and the command dialogs.
inline constexpr ResourceRange kEditorDialogIds{3600, 4399};
// "Sort Order", "Appearance" and "Output Macros To File".
inline constexpr ResourceRange kListViewDialogIds{4400, 4499};
// "Add Macro", "Copy Hot Key" / "Move Hot Key" and "Quick Info".
inline constexpr ResourceRange kListOperationDialogIds{4500, 4599};
// "Import Macros" and "Export Macros".
inline constexpr ResourceRange kImportExportDialogIds{4600, 4699};
// "Modify Hot Key", the direct editor.
inline constexpr ResourceRange kDirectEditorIds{4700, 4799};
// The macro list's grid control.
inline constexpr ResourceRange kGridControlIds{4800, 4849};
// "Keyboard Remapper" and "Select Character".
inline constexpr ResourceRange kRemapDialogIds{4850, 4899};
// The popup menus: "Choose A Macro" (with one icon button per member), "Build Macro Menu", the
// menu icon and the menus' tray icons.
inline constexpr ResourceRange kPopupMenuIds{5200, 5799};
// "Network Considerations".
inline constexpr ResourceRange kNetworkDialogIds{5800, 5849};

constexpr bool Overlap(ResourceRange a, ResourceRange b) {
  return a.first <= b.last && b.first <= a.last;
}
static_assert(!Overlap(kPlaybackPromptIds, kMainWindowIds));
static_assert(!Overlap(kPlaybackPromptIds, kAboutDialogIds));
static_assert(!Overlap(kMainWindowIds, kAboutDialogIds));
static_assert(!Overlap(kAboutDialogIds, kActivationDialogIds));
static_assert(!Overlap(kActivationDialogIds, kScheduleDialogIds));
static_assert(!Overlap(kScheduleDialogIds, kCaptureDialogIds));
static_assert(!Overlap(kCaptureDialogIds, kEditorDialogIds));
static_assert(!Overlap(kEditorDialogIds, kListViewDialogIds));
static_assert(!Overlap(kListViewDialogIds, kListOperationDialogIds));
static_assert(!Overlap(kListOperationDialogIds, kImportExportDialogIds));
static_assert(!Overlap(kImportExportDialogIds, kDirectEditorIds));
static_assert(!Overlap(kDirectEditorIds, kGridControlIds));
static_assert(!Overlap(kGridControlIds, kRemapDialogIds));
static_assert(!Overlap(kRemapDialogIds, kPopupMenuIds));
static_assert(!Overlap(kPopupMenuIds, kNetworkDialogIds));
// Below 100 are IDOK, IDCANCEL and the other numbers the system gives meaning to.
static_assert(kPlaybackPromptIds.first >= 100);

}  // namespace quindle::platform::win32

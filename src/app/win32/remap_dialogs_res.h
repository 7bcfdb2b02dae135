// Template and control numbers of "Keyboard Remapper" (4850-4879) and "Select Character"
// (4880-4899), shared by the dialog templates (read by the resource compiler, hence plain
// macros) and the dialog classes (platform/win32/resource_ranges.h).
#pragma once

/* TDoSwapKeys; "&Ok" is IDOK. Each grid takes the place of its placeholder, right after its
   label in the tab order, so the label's letter reaches it. */
#define IDD_SWAP_KEYS 4850
#define IDC_REMAP_UPPER_LABEL 4851
#define IDC_REMAP_UPPER 4852
#define IDC_REMAP_LOWER_LABEL 4853
#define IDC_REMAP_LOWER 4854
#define IDC_REMAP_PUNCTUATION_LABEL 4855
#define IDC_REMAP_PUNCTUATION 4856
#define IDC_REMAP_NUMERIC_LABEL 4857
#define IDC_REMAP_NUMERIC 4858
#define IDC_REMAP_HINT 4859
#define IDC_REMAP_UPPER_GRID 4860
#define IDC_REMAP_LOWER_GRID 4861
#define IDC_REMAP_PUNCTUATION_GRID 4862
#define IDC_REMAP_NUMERIC_GRID 4863

/* TDoSwapSpecial; "&Ok" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_SWAP_SPECIAL 4880
#define IDC_SPECIAL_LABEL 4881
#define IDC_SPECIAL_GRID 4882
#define IDC_SPECIAL_CHOSEN 4883
#define IDC_SPECIAL_CHART 4884

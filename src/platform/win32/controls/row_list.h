// What list boxes and combo boxes share: rows of text, numbered from 0, with one selected row
// (-1 means "none"). The two kinds answer the same questions under different message numbers,
// which each kind names once in its RowMessages.
#pragma once

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

struct RowMessages {
  UINT add;           // LB_ADDSTRING, CB_ADDSTRING
  UINT reset;         // ..._RESETCONTENT
  UINT count;         // ..._GETCOUNT
  UINT textLength;    // LB_GETTEXTLEN, CB_GETLBTEXTLEN
  UINT text;          // LB_GETTEXT, CB_GETLBTEXT
  UINT getSelection;  // ..._GETCURSEL
  UINT setSelection;  // ..._SETCURSEL
};

class RowList : public Control {
 public:
  // The row the text went to (sorted lists sort it in), -1 when it was refused.
  int Add(std::string_view text);
  bool Clear();
  int Count() const;
  std::string RowText(int row) const;
  int Selected() const;
  // Selects `row`; -1 clears the selection.
  bool Select(int row);

 protected:
  RowList(HWND parent, int id, const RowMessages& messages)
      : Control(parent, id), messages_(messages) {}

 private:
  const RowMessages& messages_;
};

}  // namespace quindle::platform::win32

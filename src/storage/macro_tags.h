// The spelling of the macro language: every tag's fixed text, the widths of its fixed-width
// fields and the window argument "CURRENT". The player's recogniser, the editors' writer and
// dialogs, capture and the hook library's recorder all spell tags from here, so a tag is written
// the way it is read. Header-only and allocation-free: the hook library uses it too.
#pragma once

#include <cstddef>
#include <string_view>

namespace quindle::storage::tags {

using Name = std::string_view;

// Keys typed as part of text.
inline constexpr Name kTab = "<TAB>";
inline constexpr Name kEnter = "<ENTER>";
inline constexpr Name kRightWin = "<RIGHTWIN>";
inline constexpr Name kLeftWin = "<LEFTWIN>";
inline constexpr Name kApp = "<APP>";
inline constexpr Name kBackspace = "<BACKSPACE>";
inline constexpr Name kEsc = "<ESC>";
inline constexpr Name kSpace = "<SPACE>";
inline constexpr Name kLeftArrow = "<LEFT ARROW>";
inline constexpr Name kRightArrow = "<RIGHT ARROW>";
inline constexpr Name kUpArrow = "<UP ARROW>";
inline constexpr Name kDownArrow = "<DOWN ARROW>";
inline constexpr Name kHome = "<HOME>";
inline constexpr Name kEnd = "<END>";
inline constexpr Name kInsert = "<INSERT>";
inline constexpr Name kDelete = "<DELETE>";
inline constexpr Name kPageDown = "<PAGE DOWN>";
inline constexpr Name kPageUp = "<PAGE UP>";
inline constexpr Name kAttn = "<ATTN>";
inline constexpr Name kCrSel = "<CRSEL>";
inline constexpr Name kExSel = "<EXSEL>";
inline constexpr Name kErEof = "<EREOF>";
inline constexpr Name kPlay = "<PLAY>";
inline constexpr Name kZoom = "<ZOOM>";
inline constexpr Name kPa1 = "<PA1>";
inline constexpr Name kPrtScr = "<PRTSCR>";
inline constexpr Name kRightMouse = "<RIGHT MOUSE>";
inline constexpr Name kMiddleMouse = "<MIDDLE MOUSE>";
// "<F1>" .. "<F24>", by number minus one.
inline constexpr Name kFunctionKeys[24] = {"<F1>",  "<F2>",  "<F3>",  "<F4>",  "<F5>",  "<F6>",
                                           "<F7>",  "<F8>",  "<F9>",  "<F10>", "<F11>", "<F12>",
                                           "<F13>", "<F14>", "<F15>", "<F16>", "<F17>", "<F18>",
                                           "<F19>", "<F20>", "<F21>", "<F22>", "<F23>", "<F24>"};
// "<KEYP0>" .. "<KEYP9>", then ".", "/", "*", "-", "+".
inline constexpr Name kKeypadKeys[15] = {"<KEYP0>", "<KEYP1>", "<KEYP2>", "<KEYP3>", "<KEYP4>",
                                         "<KEYP5>", "<KEYP6>", "<KEYP7>", "<KEYP8>", "<KEYP9>",
                                         "<KEYP.>", "<KEYP/>", "<KEYP*>", "<KEYP->", "<KEYP+>"};
// One-shot modifiers for the next key.
inline constexpr Name kShift = "<SHIFT>";
inline constexpr Name kCtrl = "<CTRL>";
inline constexpr Name kAlt = "<ALT>";
// Alt + keypad digits: 3 or 4 digits, then ">".
inline constexpr Name kAltCode = "<ALT:";
inline constexpr Name kAlt4Code = "<ALT4:";
inline constexpr std::size_t kAltCodeWidth = 3;
inline constexpr std::size_t kAlt4CodeWidth = 4;

// Held modifiers.
inline constexpr Name kCtlD = "<CTLD>";
inline constexpr Name kCtlU = "<CTLU>";
inline constexpr Name kAltD = "<ALTD>";
inline constexpr Name kAltU = "<ALTU>";
inline constexpr Name kShfD = "<SHFD>";
inline constexpr Name kShfU = "<SHFU>";
inline constexpr Name kWinD = "<WIND>";
inline constexpr Name kWinU = "<WINU>";

// Timing and flow.
inline constexpr Name kTest = "<TEST>";
inline constexpr Name kPauseAt = "<PAUSE:";  // TTT,LLL then the message to ">"
inline constexpr Name kPause = "<PAUSE>";
inline constexpr std::size_t kPauseFieldWidth = 3;
inline constexpr Name kDelay = "<DELAY:";  // seconds, real
inline constexpr std::size_t kDelayWidth = 5;
inline constexpr Name kSpeed = "<SPEED:";  // factor, real
inline constexpr std::size_t kSpeedWidth = 5;
inline constexpr Name kMsd = "<MSD:";  // milliseconds
inline constexpr std::size_t kMsdWidth = 4;
inline constexpr Name kSpKey = "<SPKEY:";
inline constexpr Name kSpMse = "<SPMSE:";
inline constexpr std::size_t kStepSpeedWidth = 4;
inline constexpr Name kRepeat = "<REPEAT:";
inline constexpr std::size_t kRepeatWidth = 4;
inline constexpr Name kPromptRep = "<PROMPTREP>";
inline constexpr Name kEndRep = "<ENDREP>";
inline constexpr Name kPass1 = "<I>";
inline constexpr Name kPass2 = "<II>";
inline constexpr Name kPass3 = "<III>";
inline constexpr Name kPass4 = "<IIII>";
inline constexpr Name kRem = "<REM:";

// Windows and programs.
inline constexpr Name kWShut = "<WSHUT:";
inline constexpr Name kWHide = "<WHIDE:";
inline constexpr Name kWShow = "<WSHOW:";
inline constexpr Name kWMax = "<WMAX:";
inline constexpr Name kWMin = "<WMIN:";
inline constexpr Name kWCls = "<WCLS:";
inline constexpr Name kWRes = "<WRES:";
inline constexpr Name kWSize = "<WSIZE:";  // WWWW,HHHH then the WindowSpec to ">"
inline constexpr Name kWPos = "<WPOS:";    // LLLL,TTTT then the WindowSpec to ">"
inline constexpr std::size_t kWindowFieldWidth = 4;
// The WindowSpec that means the window in front when the tag plays.
inline constexpr Name kCurrentWindow = "\"CURRENT\"";
inline constexpr Name kActivate = "<ACTIVATE:";
inline constexpr Name kLaunch = "<LAUNCH:";
inline constexpr Name kParam = "<PARAM>";          // between a launched program and its parameters
inline constexpr Name kLaunchNo = "<LAUNCHNO:";    // NN seconds, title, then "<LAUNCH:"...
inline constexpr Name kLaunchYes = "<LAUNCHYES:";  // as "<LAUNCHNO:"
inline constexpr std::size_t kLaunchDelayWidth = 2;

// Clipboard, files, sound and the web.
inline constexpr Name kClipF = "<CLIPF:";
inline constexpr Name kClipC = "<CLIPC>";
inline constexpr Name kClipP = "<CLIPP>";
inline constexpr Name kBegClip = "<BEGCLIP>";
inline constexpr Name kEndClip = "<ENDCLIP>";
inline constexpr Name kSwap = "<SWAP:";
inline constexpr Name kTFile = "<TFILE:";
inline constexpr Name kChDir = "<CHDIR:";
inline constexpr Name kDelFile = "<DELFILE:";
inline constexpr Name kCopyFile = "<COPYFILE:";  // first ";" second
inline constexpr Name kRenFile = "<RENFILE:";    // old ";" new
inline constexpr Name kWav1 = "<WAV1:";          // waits for the sound's end
inline constexpr Name kWav2 = "<WAV2:";
inline constexpr Name kBeep = "<BEEP>";
inline constexpr Name kHttp = "<HTTP:";
inline constexpr Name kFtp = "<FTP:";

// The mouse.
inline constexpr Name kLDn = "<LDN>";
inline constexpr Name kLUp = "<LUP>";
inline constexpr Name kLClk = "<LCLK>";
inline constexpr Name kLDClk = "<LDCLK>";
inline constexpr Name kRDn = "<RDN>";
inline constexpr Name kRUp = "<RUP>";
inline constexpr Name kRClk = "<RCLK>";
inline constexpr Name kRDClk = "<RDCLK>";
inline constexpr Name kMDn = "<MDN>";
inline constexpr Name kMUp = "<MUP>";
inline constexpr Name kMClk = "<MCLK>";
inline constexpr Name kMDClk = "<MDCLK>";
inline constexpr Name kWheelForward = "<WFW:";
inline constexpr Name kWheelBackward = "<WBW:";
inline constexpr std::size_t kWheelWidth = 3;
inline constexpr Name kMoveScreen = "<MMS:";  // XXXXX,YYYYY
inline constexpr Name kMoveWindow = "<MMW:";
inline constexpr std::size_t kPointWidth = 5;

// Dates and times: "<" + format + "{" + zeros flag ...; the long date form carries the offset.
inline constexpr std::size_t kDateDaysWidth = 3;

}  // namespace quindle::storage::tags

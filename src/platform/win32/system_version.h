// Which kind of Windows the program runs on: the Windows 95 family and Windows NT differ in how
// a window is forced to the front and how processes are listed.
#pragma once

namespace quindle::platform::win32 {

struct SystemVersion {
  bool known = false;  // GetVersionExA answered
  bool nt = true;      // the Windows NT family (also every Windows since 2000)
  bool windows95Family = false;
  unsigned major = 0;
  unsigned minor = 0;

  // Windows 98 and Me: the 95 family with a minor version above 0. Only there does bringing a
  // window to the front need the attached-input sequence.
  bool NeedsAttachedForeground() const { return windows95Family && minor > 0; }
  // The shared blocks' IsNT: Windows NT 4.0 or later. Only those can run this build at all, so
  // a failed query means a modern system.
  bool NtFourOrLater() const { return !known || (nt && major > 3); }
};

// Asks GetVersionExA. When it fails the system is taken for NT, the family every supported
// system today belongs to.
SystemVersion QuerySystemVersion();

}  // namespace quindle::platform::win32

// Opening the compiled help file QUINDL.CHM at a topic. Every "&Help" button and help menu entry
// calls ShowHelpTopic with its topic's name (platform/help_topics.h); the page comes from the
// topic table, the file from the program's folder, and the system's HTML Help viewer shows it.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>
#include <utility>

#include "platform/win32/handles.h"

namespace quindle::platform::win32 {

inline constexpr std::string_view kHelpErrorTitle = "Error";
inline constexpr std::string_view kHelpFileError =
    "The help file QUINDL.CHM could not be opened.  Please make sure that it was installed "
    "beside QUINDL.EXE.";

// What the viewer is asked to show for a topic.
struct HelpRequest {
  std::string file;      // <programDir>\QUINDL.CHM
  std::string page;      // the topic's page; the contents page for an unknown topic
  std::string location;  // file "::/" page, as the viewer takes it
  bool known = false;    // the topic is in the table
};

HelpRequest MakeHelpRequest(std::string_view programDir, std::string_view topic);

// The message shown when `topic` is not in the table (the contents are shown instead).
std::string UnknownTopicMessage(std::string_view topic);

// Whatever shows a page of a compiled help file.
class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  // Shows `location` ("file::/page") over `owner`; false when it could not.
  virtual bool Open(HWND owner, const std::string& location) = 0;
};

inline constexpr std::string_view kHelpViewerLibrary = "hhctrl.ocx";

// The system's HTML Help viewer: HtmlHelpA of hhctrl.ocx, loaded when it is first needed (the
// program links nothing of it, so it starts where the viewer is missing) and kept while this
// object lives, as the viewer's windows run on its code. The library comes from the system
// folder by its full path: one of the same name beside a help file or in the current folder
// would otherwise run inside the program.
class HtmlHelpViewer final : public IHelpViewer {
 public:
  // `library`: the name of the viewer's library in the system folder.
  explicit HtmlHelpViewer(std::string library = std::string(kHelpViewerLibrary))
      : library_(std::move(library)) {}
  HtmlHelpViewer(const HtmlHelpViewer&) = delete;
  HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;
  // Closes the viewer's windows before its library goes.
  ~HtmlHelpViewer() override;

  // The full path the library is loaded from, and the file the loaded library came from
  // (empty while none is loaded).
  std::string LibraryPath() const;
  std::string LoadedFrom() const;
  // Loads the library and finds HtmlHelpA in it; false when either is missing.
  bool Load();
  bool Open(HWND owner, const std::string& location) override;

 private:
  using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

  std::string library_;
  ModuleHandle module_;
  HtmlHelpFn htmlHelp_ = nullptr;
};

// The one call of every help button and help menu entry: shows `topic` of QUINDL.CHM beside the
// program. An unknown topic shows the contents after a message; a missing help file or viewer is
// reported in a message box, with `missingFile` as its text when one is given (an entry that
// opens a document of its own names that document), else kHelpFileError. True only when the
// topic itself was shown.
bool ShowHelpTopic(HWND owner, std::string_view topic, std::string_view missingFile = {});

// The same with the program folder and the viewer given, so that tests can watch what is asked.
bool ShowHelpTopic(HWND owner, std::string_view topic, std::string_view programDir,
                   IHelpViewer& viewer, std::string_view missingFile = {});

}  // namespace quindle::platform::win32

// Running processes by the file name of their executable. PSAPI serves Windows NT; the
// Windows 95 family has only Toolhelp snapshots. Both are looked up at run time, so the
// program starts on either family and falls back to Toolhelp where PSAPI.DLL is missing.
#pragma once

#include "platform/win32/win32_api.h"

#include <tlhelp32.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/win32/handles.h"

namespace quindle::platform::win32 {

enum class ProcessApi {
  Automatic,  // PSAPI on NT when it loads, else Toolhelp
  Psapi,
  Toolhelp,
  None,  // neither could be loaded: no process is ever found
};

class Win32Processes final : public IProcesses {
 public:
  // Loads the functions once. `wanted` other than Automatic insists on one interface (and
  // gets None when it cannot be loaded).
  explicit Win32Processes(ProcessApi wanted = ProcessApi::Automatic);

  ProcessApi Api() const { return api_; }

  // Processes whose name could be read, in the order the system lists them.
  std::vector<ProcessEntry> List() override;
  std::string ExeName(std::uint32_t processId) override;

  // EnumProcesses fills a buffer of this many bytes: at most 500 process ids.
  static constexpr std::size_t kProcessBufferBytes = 2000;

 private:
  using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
  using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
  using GetModuleBaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
  using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
  using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

  bool LoadPsapi();
  bool LoadToolhelp();
  std::string PsapiName(std::uint32_t processId);
  // Every snapshot entry; nothing when the snapshot cannot be taken.
  std::optional<std::vector<ProcessEntry>> SnapshotEntries();

  ModuleHandle psapi_;
  ModuleHandle kernel_;
  EnumProcessesFn enumProcesses_ = nullptr;
  EnumProcessModulesFn enumProcessModules_ = nullptr;
  GetModuleBaseNameFn getModuleBaseName_ = nullptr;
  CreateSnapshotFn createSnapshot_ = nullptr;
  ProcessWalkFn processFirst_ = nullptr;
  ProcessWalkFn processNext_ = nullptr;
  ProcessApi api_ = ProcessApi::None;
};

}  // namespace quindle::platform::win32

#include "platform/win32/processes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/win32/file_ops.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_version.h"

namespace quindle::platform::win32 {
namespace {

constexpr DWORD kModuleNameMax = 256;

// The Windows 95 family reports a whole path in a snapshot entry, NT only the file name.
std::string FileNamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

Win32Processes::Win32Processes(ProcessApi wanted) {
  switch (wanted) {
    case ProcessApi::Automatic: {
      const bool nt = QuerySystemVersion().nt;
      if (nt && LoadPsapi()) {
        api_ = ProcessApi::Psapi;
      } else if (LoadToolhelp()) {
        api_ = ProcessApi::Toolhelp;
      } else if (!nt && LoadPsapi()) {
        api_ = ProcessApi::Psapi;
      }
      break;
    }
    case ProcessApi::Psapi:
      if (LoadPsapi()) api_ = ProcessApi::Psapi;
      break;
    case ProcessApi::Toolhelp:
      if (LoadToolhelp()) api_ = ProcessApi::Toolhelp;
      break;
    case ProcessApi::None:
      break;
  }
}

bool Win32Processes::LoadPsapi() {
  ModuleHandle library = LoadSystemLibrary("PSAPI.DLL");
  if (!library) return false;
  enumProcesses_ = LookupFunction<EnumProcessesFn>(library.Get(), "EnumProcesses");
  enumProcessModules_ = LookupFunction<EnumProcessModulesFn>(library.Get(), "EnumProcessModules");
  getModuleBaseName_ = LookupFunction<GetModuleBaseNameFn>(library.Get(), "GetModuleBaseNameA");
  if (!enumProcesses_ || !enumProcessModules_ || !getModuleBaseName_) {
    enumProcesses_ = nullptr;
    enumProcessModules_ = nullptr;
    getModuleBaseName_ = nullptr;
    return false;
  }
  psapi_ = std::move(library);
  return true;
}

bool Win32Processes::LoadToolhelp() {
  ModuleHandle library = LoadSystemLibrary("KERNEL32.DLL");
  if (!library) return false;
  createSnapshot_ = LookupFunction<CreateSnapshotFn>(library.Get(), "CreateToolhelp32Snapshot");
  processFirst_ = LookupFunction<ProcessWalkFn>(library.Get(), "Process32First");
  processNext_ = LookupFunction<ProcessWalkFn>(library.Get(), "Process32Next");
  if (!createSnapshot_ || !processFirst_ || !processNext_) {
    createSnapshot_ = nullptr;
    processFirst_ = nullptr;
    processNext_ = nullptr;
    return false;
  }
  kernel_ = std::move(library);
  return true;
}

std::string Win32Processes::PsapiName(std::uint32_t processId) {
  const KernelHandle process(
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return {};
  HMODULE first = nullptr;
  DWORD needed = 0;
  if (!enumProcessModules_(process.Get(), &first, sizeof first, &needed) || needed == 0 ||
      first == nullptr)
    return {};
  std::array<char, kModuleNameMax + 1> name{};
  const DWORD length = getModuleBaseName_(process.Get(), first, name.data(), kModuleNameMax);
  if (length == 0) return {};
  return std::string(name.data(), std::min<DWORD>(length, kModuleNameMax));
}

std::optional<std::vector<ProcessEntry>> Win32Processes::SnapshotEntries() {
  const SnapshotHandle snapshot(createSnapshot_(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return std::nullopt;
  std::vector<ProcessEntry> entries;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  // Process32Next answers FALSE at the end of the list as well as on failure; either ends it.
  for (BOOL more = processFirst_(snapshot.Get(), &entry); more;
       more = processNext_(snapshot.Get(), &entry)) {
    const std::string_view path(entry.szExeFile,
                                ::strnlen(entry.szExeFile, sizeof entry.szExeFile));
    entries.push_back({entry.th32ProcessID, FileNamePart(path)});
    entry.dwSize = sizeof entry;
  }
  return entries;
}

std::vector<ProcessEntry> Win32Processes::List() {
  std::vector<ProcessEntry> processes;
  if (api_ == ProcessApi::Psapi) {
    std::array<DWORD, kProcessBufferBytes / sizeof(DWORD)> ids{};
    DWORD bytes = 0;
    if (!enumProcesses_(ids.data(), static_cast<DWORD>(sizeof ids), &bytes)) return processes;
    const std::size_t count = std::min<std::size_t>(bytes / sizeof(DWORD), ids.size());
    for (std::size_t i = 0; i < count; ++i) {
      // Processes that refuse to be opened (the system's own, other users') have no name to
      // match; they are left out.
      std::string name = PsapiName(ids[i]);
      if (!name.empty()) processes.push_back({ids[i], std::move(name)});
    }
  } else if (api_ == ProcessApi::Toolhelp) {
    if (std::optional<std::vector<ProcessEntry>> entries = SnapshotEntries()) {
      for (ProcessEntry& entry : *entries) {
        if (!entry.exeName.empty()) processes.push_back(std::move(entry));
      }
    }
  }
  return processes;
}

std::string Win32Processes::ExeName(std::uint32_t processId) {
  if (api_ == ProcessApi::Psapi) return PsapiName(processId);
  if (api_ == ProcessApi::Toolhelp) {
    if (std::optional<std::vector<ProcessEntry>> entries = SnapshotEntries()) {
      for (ProcessEntry& entry : *entries) {
        if (entry.id == processId) return std::move(entry.exeName);
      }
    }
  }
  return {};
}

}  // namespace quindle::platform::win32

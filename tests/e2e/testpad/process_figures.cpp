#include "process_figures.h"

// After windows.h, which declares the types they use.
#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace quindle::testpad {
namespace {

// The system's table of every open handle (information class 16): a count, then one entry per
// handle naming the process that holds it. Not declared by the SDK headers; the layout is the
// one the system has always used.
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
constexpr std::size_t kMaxListBytes = 64u * 1024 * 1024;

struct SystemHandleEntry {
  ULONG ownerPid;
  BYTE objectType;
  BYTE handleFlags;
  USHORT handleValue;
  PVOID objectPointer;
  ULONG accessMask;
};

struct SystemHandleList {
  ULONG count;
  SystemHandleEntry first;
};

using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

QuerySystem QueryFunction() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll == nullptr) return nullptr;
  return reinterpret_cast<QuerySystem>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
}

// Counts the handles of one process in the system's handle table. GetProcessHandleCount would
// be the plain way, but Wine answers it with 0 for another process; the table is filled by
// Wine's server from the handles each process really holds, as on Windows.
bool CountHandles(DWORD pid, std::size_t& count) {
  const QuerySystem query = QueryFunction();
  if (query == nullptr) return false;
  std::vector<unsigned char> list(256 * 1024);
  LONG status = kLengthMismatch;
  while (status == kLengthMismatch && list.size() <= kMaxListBytes) {
    ULONG needed = 0;
    status = query(kSystemHandleInformation, list.data(), static_cast<ULONG>(list.size()), &needed);
    if (status == kLengthMismatch) list.resize(list.size() * 2 > needed ? list.size() * 2 : needed);
  }
  if (status < 0) return false;
  SystemHandleList head{};
  std::memcpy(&head, list.data(), sizeof head);
  const std::size_t offset = offsetof(SystemHandleList, first);
  if (offset + head.count * sizeof(SystemHandleEntry) > list.size()) return false;
  count = 0;
  for (ULONG i = 0; i < head.count; ++i) {
    SystemHandleEntry entry{};
    std::memcpy(&entry, list.data() + offset + i * sizeof entry, sizeof entry);
    if (entry.ownerPid == pid) ++count;
  }
  return true;
}

}  // namespace

bool ReadProcessFigures(DWORD pid, ProcessFigures& figures) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) return false;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  const bool read = K32GetProcessMemoryInfo(process, &memory, sizeof memory) != FALSE;
  CloseHandle(process);
  if (!read || !CountHandles(pid, figures.handles)) return false;
  figures.workingSet = memory.WorkingSetSize;
  figures.privateBytes = memory.PagefileUsage;
  return true;
}

}  // namespace quindle::testpad

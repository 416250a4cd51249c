#include "pen/ClosedMemory.h"

#include <windows.h>

#include "pen/TilePool.h"

namespace pen {

void GiveClosedMemoryBack() {
    TilePool::Shared().Release();
    HeapCompact(GetProcessHeap(), 0);
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

}  // namespace pen

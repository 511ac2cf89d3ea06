#include "platform/ui/BlockPool.h"

#include <new>

namespace platform::ui::block_pool {

thread_local constinit ThreadLists threadLists;

namespace {

thread_local bool threadEnded = false;

void emptyLists() {
  threadEnded = true;
  threadLists.keeping = false;
  for (FreeList& list : threadLists.lists) {
    while (void* block = list.head) {
      list.head = *static_cast<void**>(block);
      ::operator delete(block);
    }
    list.count = 0;
  }
}

}  // namespace

void* allocateNew(std::size_t sizeClass) { return ::operator new(sizeClass * granule); }

void freeSlowly(void* block, std::size_t sizeClass) {
  FreeList& list = threadLists.lists[sizeClass];
  if (threadEnded || list.count >= blocksKept) {
    ::operator delete(block);
    return;
  }
  // The first block the thread keeps: empty the lists when it ends.
  struct Cleanup {
    ~Cleanup() { emptyLists(); }
  };
  thread_local Cleanup cleanup;
  threadLists.keeping = true;
  *static_cast<void**>(block) = list.head;
  list.head = block;
  ++list.count;
}

}  // namespace platform::ui::block_pool

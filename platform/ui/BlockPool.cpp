#include "platform/ui/BlockPool.h"

#include <array>
#include <new>

namespace platform::ui {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool keepsBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool keepsBlocks = false;
#else
constexpr bool keepsBlocks = true;
#endif
#else
constexpr bool keepsBlocks = true;
#endif

constexpr std::size_t granule = 16;
constexpr std::size_t largestBlock = 1024;
constexpr std::size_t blocksKept = 4096;  // of each size, per thread

// Every block holds at least the link to the next free one.
std::size_t sizeClass(std::size_t size) { return size == 0 ? 1 : (size + granule - 1) / granule; }

// Freed blocks of each size, linked through their first word. Plain data,
// so a thread reaches its lists without a guard.
struct FreeList {
  void* head = nullptr;
  std::size_t count = 0;
};
constexpr std::size_t sizeClasses = largestBlock / granule + 1;
thread_local std::array<FreeList, sizeClasses> freeLists{};
// Set once the thread has something to give back when it ends, and when it
// has: objects freed after that (statics at exit) go straight back.
thread_local bool cleanupRegistered = false;
thread_local bool threadEnded = false;

void emptyLists() {
  threadEnded = true;
  for (std::size_t c = 0; c < sizeClasses; ++c) {
    while (void* block = freeLists[c].head) {
      freeLists[c].head = *static_cast<void**>(block);
      ::operator delete(block);
    }
    freeLists[c].count = 0;
  }
}

void registerCleanup() {
  struct Cleanup {
    ~Cleanup() { emptyLists(); }
  };
  thread_local Cleanup cleanup;
  cleanupRegistered = true;
}

}  // namespace

void* allocateBlock(std::size_t size) {
  if (!keepsBlocks || size > largestBlock) return ::operator new(size);
  const std::size_t c = sizeClass(size);
  FreeList& list = freeLists[c];
  if (void* block = list.head) {
    list.head = *static_cast<void**>(block);
    --list.count;
    return block;
  }
  return ::operator new(c * granule);
}

void freeBlock(void* block, std::size_t size) {
  if (!keepsBlocks || size > largestBlock) {
    ::operator delete(block);
    return;
  }
  const std::size_t c = sizeClass(size);
  FreeList& list = freeLists[c];
  if (threadEnded || list.count >= blocksKept) {
    ::operator delete(block);
    return;
  }
  if (!cleanupRegistered) registerCleanup();
  *static_cast<void**>(block) = list.head;
  list.head = block;
  ++list.count;
}

}  // namespace platform::ui

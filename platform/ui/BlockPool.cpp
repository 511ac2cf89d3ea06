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

// Objects that outlive the thread's cache (statics freed at exit) go back
// to the general allocator.
thread_local bool cacheGone = false;

// Freed blocks of each size, linked through their first word.
class BlockCache {
 public:
  BlockCache() = default;
  BlockCache(const BlockCache&) = delete;
  BlockCache& operator=(const BlockCache&) = delete;
  ~BlockCache() {
    cacheGone = true;
    for (std::size_t c = 0; c < lists_.size(); ++c) {
      while (void* block = lists_[c].head) {
        lists_[c].head = *static_cast<void**>(block);
        ::operator delete(block, c * granule);
      }
    }
  }

  void* take(std::size_t sizeClass) {
    FreeList& list = lists_[sizeClass];
    void* block = list.head;
    if (!block) return ::operator new(sizeClass * granule);
    list.head = *static_cast<void**>(block);
    --list.count;
    return block;
  }

  void give(void* block, std::size_t sizeClass) {
    FreeList& list = lists_[sizeClass];
    if (list.count >= blocksKept) {
      ::operator delete(block, sizeClass * granule);
      return;
    }
    *static_cast<void**>(block) = list.head;
    list.head = block;
    ++list.count;
  }

 private:
  struct FreeList {
    void* head = nullptr;
    std::size_t count = 0;
  };
  std::array<FreeList, largestBlock / granule + 1> lists_{};
};

BlockCache* cache() {
  if (cacheGone) return nullptr;
  thread_local BlockCache blocks;
  return &blocks;
}

}  // namespace

void* allocateBlock(std::size_t size) {
  if (!keepsBlocks || size > largestBlock) return ::operator new(size);
  const std::size_t c = sizeClass(size);
  if (BlockCache* blocks = cache()) return blocks->take(c);
  return ::operator new(c * granule);
}

void freeBlock(void* block, std::size_t size) {
  if (!keepsBlocks || size > largestBlock) {
    ::operator delete(block, size);
    return;
  }
  const std::size_t c = sizeClass(size);
  if (BlockCache* blocks = cache()) {
    blocks->give(block, c);
  } else {
    ::operator delete(block, c * granule);
  }
}

}  // namespace platform::ui

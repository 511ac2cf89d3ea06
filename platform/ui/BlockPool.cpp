#include "platform/ui/BlockPool.h"

#include <array>
#include <new>
#include <vector>

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

std::size_t sizeClass(std::size_t size) { return (size + granule - 1) / granule; }

// Objects that outlive the thread's cache (statics freed at exit) go back
// to the general allocator.
thread_local bool cacheGone = false;

class BlockCache {
 public:
  BlockCache() = default;
  BlockCache(const BlockCache&) = delete;
  BlockCache& operator=(const BlockCache&) = delete;
  ~BlockCache() {
    cacheGone = true;
    for (std::size_t c = 0; c < free_.size(); ++c) {
      for (void* block : free_[c]) ::operator delete(block, c * granule);
    }
  }

  void* take(std::size_t sizeClass) {
    auto& blocks = free_[sizeClass];
    if (blocks.empty()) return ::operator new(sizeClass * granule);
    void* block = blocks.back();
    blocks.pop_back();
    return block;
  }

  void give(void* block, std::size_t sizeClass) {
    auto& blocks = free_[sizeClass];
    if (blocks.size() >= blocksKept) {
      ::operator delete(block, sizeClass * granule);
      return;
    }
    blocks.push_back(block);
  }

 private:
  std::array<std::vector<void*>, largestBlock / granule + 1> free_;
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

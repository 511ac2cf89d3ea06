#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace platform::ui {

// Memory for the view tree's most frequent objects: nodes, view definitions,
// modifiers and composite bodies. A tree is built and torn down hundreds of
// objects at a time, more than the general allocator's own per-thread
// caches hold, and its slow path then costs more than the objects' work.
// Each thread keeps the blocks it frees (a few thousand of each size, up to
// 1 KB) and hands them out again. Under the address sanitizer every block
// goes back to the general allocator, so freed objects stay poisoned.
// allocateBlock and freeBlock, below the lists, are inline: most sizes are
// known where they are asked for.

namespace block_pool {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool keepsBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool keepsBlocks = false;
#else
inline constexpr bool keepsBlocks = true;
#endif
#else
inline constexpr bool keepsBlocks = true;
#endif

inline constexpr std::size_t granule = 16;
inline constexpr std::size_t largestBlock = 1024;
inline constexpr std::size_t blocksKept = 4096;  // of each size, per thread
inline constexpr std::size_t sizeClasses = largestBlock / granule + 1;

// Every block holds at least the link to the next free one.
constexpr std::size_t sizeClass(std::size_t size) { return size == 0 ? 1 : (size + granule - 1) / granule; }

// Freed blocks of each size, linked through their first word. Plain data,
// so a thread reaches its lists without a guard.
struct FreeList {
  void* head = nullptr;
  std::size_t count = 0;
};
struct ThreadLists {
  std::array<FreeList, sizeClasses> lists{};
  // Set once the thread has registered the cleanup that empties its lists
  // when it ends, and cleared by that cleanup: objects freed after it
  // (statics at exit) go straight back.
  bool keeping = false;
};
extern thread_local constinit ThreadLists threadLists;

void* allocateNew(std::size_t sizeClass);
void freeSlowly(void* block, std::size_t sizeClass);

}  // namespace block_pool

inline void* allocateBlock(std::size_t size) {
  using namespace block_pool;
  if (!keepsBlocks || size > largestBlock) return ::operator new(size);
  const std::size_t c = sizeClass(size);
  FreeList& list = threadLists.lists[c];
  if (void* block = list.head) {
    list.head = *static_cast<void**>(block);
    --list.count;
    return block;
  }
  return allocateNew(c);
}

inline void freeBlock(void* block, std::size_t size) {
  using namespace block_pool;
  if (!keepsBlocks || size > largestBlock) {
    ::operator delete(block);
    return;
  }
  const std::size_t c = sizeClass(size);
  FreeList& list = threadLists.lists[c];
  if (!threadLists.keeping || list.count >= blocksKept) {
    freeSlowly(block, c);
    return;
  }
  *static_cast<void**>(block) = list.head;
  list.head = block;
  ++list.count;
}

// An allocator over those blocks, for std::allocate_shared.
template <class T>
struct BlockAllocator {
  using value_type = T;

  BlockAllocator() = default;
  template <class U>
  BlockAllocator(const BlockAllocator<U>&) {}  // NOLINT: rebinding is implicit

  T* allocate(std::size_t n) { return static_cast<T*>(allocateBlock(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) { freeBlock(p, n * sizeof(T)); }

  template <class U>
  bool operator==(const BlockAllocator<U>&) const {
    return true;
  }
};

// A vector whose storage comes from the block caches: for the short lists
// every node and view has (children, modifiers, frames).
template <class T>
using BlockVector = std::vector<T, BlockAllocator<T>>;

template <class T, class... Args>
std::shared_ptr<T> makeShared(Args&&... args) {
  return std::allocate_shared<T>(BlockAllocator<T>(), std::forward<Args>(args)...);
}

}  // namespace platform::ui

#pragma once

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
void* allocateBlock(std::size_t size);
void freeBlock(void* block, std::size_t size);

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

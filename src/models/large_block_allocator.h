#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#include <sys/mman.h>

namespace forecast::models {

// Allocates blocks of a megabyte and more on 2 MB boundaries and asks the
// kernel for huge pages there. The impedance matrix and its companions are
// each about 2 MB for 499 zones; touching them page by page costs more time
// than the models' arithmetic, huge pages make that one fault per block.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  static constexpr std::size_t kHugePage = std::size_t{2} << 20;
  static constexpr std::size_t kLargeBlock = std::size_t{1} << 20;

  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

  T* allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes < kLargeBlock) return static_cast<T*>(::operator new(bytes));
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) throw std::bad_alloc();
    ::madvise(block, rounded, MADV_HUGEPAGE);  // a hint; without huge pages the block still works
    return static_cast<T*>(block);
  }
  void deallocate(T* block, std::size_t count) {
    if (count * sizeof(T) < kLargeBlock) ::operator delete(block);
    else std::free(block);
  }
  template <typename U>
  bool operator==(const LargeBlockAllocator<U>&) const { return true; }
};

// Numbers of a zone-by-zone matrix.
using MatrixValues = std::vector<double, LargeBlockAllocator<double>>;

}  // namespace forecast::models

// Internal: the handle → slot index of a database. Open addressing in one array: a large plan has
// hundreds of thousands of handles, and a node per handle would cost twice the memory and a cache
// miss per lookup.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class AcDbStub;

class HandleIndex {
 public:
  AcDbStub* find(std::uint64_t handle) const {
    if (slots_.empty()) return nullptr;
    for (size_t i = home(handle);; i = (i + 1) & mask()) {
      const Slot& slot = slots_[i];
      if (slot.stub == nullptr) return nullptr;
      if (slot.handle == handle) return slot.stub;
    }
  }
  bool contains(std::uint64_t handle) const { return find(handle) != nullptr; }

  // Adds a handle that is not in the index yet.
  void insert(std::uint64_t handle, AcDbStub* stub) {
    if ((count_ + 1) * 4 > slots_.size() * 3) grow(count_ + 1);
    for (size_t i = home(handle);; i = (i + 1) & mask()) {
      if (slots_[i].stub == nullptr) {
        slots_[i] = {handle, stub};
        ++count_;
        return;
      }
    }
  }

  // Room for that many handles in all, without growing on the way.
  void reserve(size_t handles) {
    if (handles * 4 > slots_.size() * 3) grow(handles);
  }
  size_t size() const { return count_; }

 private:
  struct Slot {
    std::uint64_t handle = 0;
    AcDbStub* stub = nullptr;
  };

  size_t mask() const { return slots_.size() - 1; }
  size_t home(std::uint64_t handle) const {
    // Fibonacci hashing: consecutive handles, the usual case, spread over the whole array.
    return static_cast<size_t>((handle * 0x9E3779B97F4A7C15ull) >> 20) & mask();
  }
  void grow(size_t handles) {
    size_t capacity = 16;
    while (capacity * 3 < handles * 4) capacity *= 2;
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(capacity, Slot());
    count_ = 0;
    for (const Slot& slot : old) {
      if (slot.stub != nullptr) insert(slot.handle, slot.stub);
    }
  }

  std::vector<Slot> slots_;
  size_t count_ = 0;
};

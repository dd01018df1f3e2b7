// AcArray: the host's growable array, a thin layer over std::vector with the host's method names.
#pragma once
#include <algorithm>
#include <utility>
#include <vector>

template <typename T>
class AcArray {
 public:
  AcArray() = default;
  explicit AcArray(int physicalLength) { items_.reserve(physicalLength > 0 ? physicalLength : 0); }
  AcArray(std::initializer_list<T> init) : items_(init) {}

  int length() const { return static_cast<int>(items_.size()); }
  int logicalLength() const { return length(); }
  int physicalLength() const { return static_cast<int>(items_.capacity()); }
  bool isEmpty() const { return items_.empty(); }

  T& operator[](int i) { return items_[static_cast<size_t>(i)]; }
  const T& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
  T& at(int i) { return items_.at(static_cast<size_t>(i)); }
  const T& at(int i) const { return items_.at(static_cast<size_t>(i)); }
  T& first() { return items_.front(); }
  const T& first() const { return items_.front(); }
  T& last() { return items_.back(); }
  const T& last() const { return items_.back(); }

  int append(const T& value) {
    items_.push_back(value);
    return length() - 1;
  }
  AcArray& append(const AcArray& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return *this;
  }
  AcArray& insertAt(int index, const T& value) {
    items_.insert(items_.begin() + index, value);
    return *this;
  }
  AcArray& removeAt(int index) {
    items_.erase(items_.begin() + index);
    return *this;
  }
  bool remove(const T& value, int start = 0) {
    int i = 0;
    if (!find(value, i, start)) return false;
    removeAt(i);
    return true;
  }
  AcArray& removeFirst() { return removeAt(0); }
  AcArray& removeLast() {
    items_.pop_back();
    return *this;
  }
  AcArray& removeAll() {
    items_.clear();
    return *this;
  }
  AcArray& setLogicalLength(int n) {
    items_.resize(static_cast<size_t>(n));
    return *this;
  }
  AcArray& setPhysicalLength(int n) {
    items_.reserve(static_cast<size_t>(n));
    return *this;
  }
  AcArray& reverse() {
    std::reverse(items_.begin(), items_.end());
    return *this;
  }
  bool contains(const T& value, int start = 0) const {
    int i = 0;
    return find(value, i, start);
  }
  bool find(const T& value, int& foundAt, int start = 0) const {
    for (size_t i = static_cast<size_t>(start); i < items_.size(); ++i) {
      if (items_[i] == value) {
        foundAt = static_cast<int>(i);
        return true;
      }
    }
    return false;
  }
  int find(const T& value) const {
    int i = -1;
    return find(value, i) ? i : -1;
  }

  T* asArrayPtr() { return items_.data(); }
  const T* asArrayPtr() const { return items_.data(); }
  typename std::vector<T>::iterator begin() { return items_.begin(); }
  typename std::vector<T>::iterator end() { return items_.end(); }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }
  bool operator==(const AcArray& other) const { return items_ == other.items_; }

 private:
  std::vector<T> items_;
};

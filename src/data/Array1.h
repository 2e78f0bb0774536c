// A bounds-checked array with a lower and upper bound, re-dimensioned like the
// arrays of the arch model (indexed from 1 unless told otherwise).
#pragma once

#include <vector>

#include "data/RuntimeError.h"

namespace voro {

template <class T>
class Array1 {
 public:
  Array1() = default;
  Array1(int lower, int upper) { redim(lower, upper); }

  // New bounds, discarding the contents; upper < lower is Subscript out of range.
  void redim(int lower, int upper) {
    check(lower, upper);
    lower_ = lower;
    items_.assign(static_cast<std::size_t>(upper - lower + 1), T{});
  }
  void redim(int upper) { redim(1, upper); }

  // New upper bound keeping the elements that stay in range.
  void redimPreserve(int upper) {
    check(lower_, upper);
    items_.resize(static_cast<std::size_t>(upper - lower_ + 1));
  }

  // Removes every element (the state of an array never dimensioned).
  void erase() { items_.clear(); lower_ = 1; }

  T& operator()(int i) { return items_[offset(i)]; }
  const T& operator()(int i) const { return items_[offset(i)]; }

  int lbound() const { return lower_; }
  int ubound() const { return lower_ + static_cast<int>(items_.size()) - 1; }
  int size() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }
  bool contains(int i) const { return i >= lower_ && i <= ubound(); }

  T* data() { return items_.data(); }
  const T* data() const { return items_.data(); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static void check(int lower, int upper) {
    if (upper < lower) throw RuntimeError(err::SubscriptOutOfRange);
  }
  std::size_t offset(int i) const {
    if (!contains(i)) throw RuntimeError(err::SubscriptOutOfRange);
    return static_cast<std::size_t>(i - lower_);
  }

  int lower_ = 1;
  std::vector<T> items_;
};

}  // namespace voro

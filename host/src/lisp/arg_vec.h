// Argument storage for one call: a few values on the C++ stack, a vector
// beyond that, so that ordinary calls allocate nothing.
#pragma once
#include <cstddef>
#include <vector>

#include "lisp/value.h"

namespace lisp {

class ArgVec {
 public:
  explicit ArgVec(size_t n) : size_(n) {
    if (n > kInline) {
      heap_.resize(n);
      data_ = heap_.data();
    }
  }
  ArgVec(const ArgVec&) = delete;
  ArgVec& operator=(const ArgVec&) = delete;

  Value* data() { return data_; }
  size_t size() const { return size_; }
  Value& operator[](size_t i) { return data_[i]; }

 private:
  static constexpr size_t kInline = 6;
  Value inline_[kInline];
  std::vector<Value> heap_;
  Value* data_ = inline_;
  size_t size_;
};

}  // namespace lisp

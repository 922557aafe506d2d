// The evaluated arguments of a built-in, with typed access that raises the
// host's "type d'argument incorrect" error naming the predicate that failed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "lisp/environment.h"
#include "lisp/value.h"

namespace lisp {

struct Subr;

class Args {
 public:
  Args(Environment& env, const Subr& subr, Value* values, size_t count)
      : env_(env), subr_(subr), values_(values), count_(count) {}

  Environment& env() const { return env_; }
  const Subr& subr() const { return subr_; }
  size_t size() const { return count_; }
  bool has(size_t i) const { return i < count_; }
  // Present and not nil.
  bool given(size_t i) const { return i < count_ && !values_[i].isNil(); }
  Value& operator[](size_t i) const { return values_[i]; }
  Value* data() const { return values_; }

  int32_t integer(size_t i) const;            // fixnump
  double number(size_t i) const;              // numberp
  const std::string& string(size_t i) const;  // stringp
  Symbol* symbol(size_t i) const;             // symbolp
  const Value& list(size_t i) const;          // listp: nil or a cons
  const int64_t* ename(size_t i) const;       // lentityp
  PickSet* pickSet(size_t i) const;           // lselsetp
  File* file(size_t i) const;                 // streamp
  // A 2D or 3D point (2 or 3 numbers) into out[3], z = 0 for 2D; true when 3D.
  bool point(size_t i, double out[3]) const;

  Value truth(bool b) const { return env_.truth(b); }

 private:
  Environment& env_;
  const Subr& subr_;
  Value* values_;
  size_t count_;
};

// A list of 2 or 3 numbers read as a point; false for anything else.
bool readPoint(const Value& v, double out[3], bool* is3d = nullptr);

}  // namespace lisp

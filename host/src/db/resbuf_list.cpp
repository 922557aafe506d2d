#include "db/resbuf_list.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "acedads.h"

namespace db {

void RbDeleter::operator()(resbuf* rb) const noexcept { acutRelRb(rb); }

resbuf* RbListBuilder::append(int restype) {
  resbuf* rb = acutNewRb(restype);
  if (!rb) throw std::bad_alloc();
  if (tail_) {
    tail_->rbnext = rb;
  } else {
    head_.reset(rb);
  }
  tail_ = rb;
  return rb;
}

void RbListBuilder::appendText(int restype, std::string_view text) {
  resbuf* rb = append(restype);
  // acutRelRb frees texts with free().
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (!copy) throw std::bad_alloc();
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  rb->resval.rstring = copy;
}

void RbListBuilder::appendInt(int restype, int value) {
  append(restype)->resval.rint = static_cast<short>(value);
}

}  // namespace db

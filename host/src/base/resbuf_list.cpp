#include "base/resbuf_list.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "acedads.h"

namespace host {

void RbDeleter::operator()(resbuf* rb) const noexcept { acutRelRb(rb); }

char* copyText(std::string_view text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (!copy) throw std::bad_alloc();
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

resbuf* RbListBuilder::add(int restype) {
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

void RbListBuilder::addText(int restype, std::string_view text) {
  char* copy = copyText(text);
  try {
    add(restype)->resval.rstring = copy;
  } catch (...) {
    std::free(copy);
    throw;
  }
}

void RbListBuilder::addInt(int restype, int value) {
  add(restype)->resval.rint = static_cast<short>(value);
}

void RbListBuilder::addPoint(int restype, const double p[3]) {
  resbuf* rb = add(restype);
  for (int k = 0; k < 3; ++k) rb->resval.rpoint[k] = p[k];
}

void RbListBuilder::addName(int restype, const int64_t name[2]) {
  resbuf* rb = add(restype);
  rb->resval.rlname[0] = name[0];
  rb->resval.rlname[1] = name[1];
}

void RbListBuilder::addBytes(int restype, const char* bytes, size_t size) {
  resbuf* rb = add(restype);
  if (size == 0) return;
  rb->resval.rbinary.buf = static_cast<char*>(std::malloc(size));
  if (!rb->resval.rbinary.buf) throw std::bad_alloc();
  std::memcpy(rb->resval.rbinary.buf, bytes, size);
  rb->resval.rbinary.clen = static_cast<short>(size);
}

RbList RbListBuilder::take() {
  tail_ = nullptr;
  return std::move(head_);
}

}  // namespace host

#include "commands/group_list.h"

namespace host {

resbuf& GroupList::append(int code) {
  items_.emplace_back();
  resbuf& rb = items_.back();
  rb.rbnext = nullptr;
  rb.restype = static_cast<short>(code);
  rb.resval = {};
  if (items_.size() > 1) items_[items_.size() - 2].rbnext = &rb;
  return rb;
}

GroupList& GroupList::text(int code, std::string value) {
  texts_.push_back(std::move(value));
  append(code).resval.rstring = texts_.back().data();
  return *this;
}

GroupList& GroupList::point(int code, const double* p) {
  resbuf& rb = append(code);
  for (int i = 0; i < 3; ++i) rb.resval.rpoint[i] = p[i];
  return *this;
}

GroupList& GroupList::integer(int code, int value) {
  append(code).resval.rint = static_cast<short>(value);
  return *this;
}

GroupList& GroupList::real(int code, double value) {
  append(code).resval.rreal = value;
  return *this;
}

}  // namespace host

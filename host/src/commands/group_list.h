// An entity's group list built in place for acdbEntMake: the buffers live in
// this object, so there is nothing to free and nothing can leak.
#pragma once
#include <deque>
#include <string>

#include "adsdef.h"

namespace host {

class GroupList {
 public:
  GroupList() = default;
  GroupList(const GroupList&) = delete;
  GroupList& operator=(const GroupList&) = delete;

  GroupList& text(int code, std::string value);
  GroupList& point(int code, const double* p);
  GroupList& integer(int code, int value);  // 16-bit groups (60-79 ...)
  GroupList& real(int code, double value);
  const resbuf* head() const { return items_.empty() ? nullptr : &items_.front(); }

 private:
  resbuf& append(int code);
  std::deque<resbuf> items_;
  std::deque<std::string> texts_;
};

}  // namespace host

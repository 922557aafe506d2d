// Result-buffer lists the host owns while it builds or reads them.
#pragma once
#include <memory>
#include <string_view>

#include "adsdef.h"

namespace db {

struct RbDeleter {
  void operator()(resbuf* rb) const noexcept;
};
using RbList = std::unique_ptr<resbuf, RbDeleter>;

// Appends to a list it owns until release() hands it over.
class RbListBuilder {
 public:
  resbuf* append(int restype);  // a zeroed buffer at the end of the list
  void appendText(int restype, std::string_view text);
  void appendInt(int restype, int value);  // rint
  resbuf* release() { return head_.release(); }

 private:
  RbList head_;
  resbuf* tail_ = nullptr;
};

}  // namespace db

// A fresh drawing in the current document for each test, and list helpers.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "acedads.h"
#include "core/session.h"
#include "db/database.h"
#include "db/resbuf_list.h"

class HostDb : public ::testing::Test {
 public:
  static db::Database& db() { return host::session().current().db(); }
  static int lastErrno() { return host::session().current().vars().getInt("ERRNO"); }

 protected:
  void SetUp() override {
    host::session().current().replaceDatabase(std::make_unique<db::Database>());
    host::session().setErrno(0);
  }
};

// Builds a list as acutBuildList does, owned by the test.
template <typename... Args>
db::RbList makeList(Args... args) {
  return db::RbList(acutBuildList(args..., 0));
}

inline const resbuf* findGroup(const resbuf* list, int code) {
  for (; list; list = list->rbnext)
    if (list->restype == code) return list;
  return nullptr;
}

inline int countGroups(const resbuf* list, int code) {
  int n = 0;
  for (; list; list = list->rbnext) n += list->restype == code;
  return n;
}

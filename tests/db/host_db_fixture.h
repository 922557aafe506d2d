// A fresh session, with its empty drawing, for each test, and list helpers.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "acedads.h"
#include "base/resbuf_list.h"
#include "core/session.h"
#include "db/database.h"

class HostDb : public ::testing::Test {
 public:
  static db::Database& db() { return host::session().current().db(); }
  static int lastErrno() { return host::session().current().vars().getInt("ERRNO"); }

 protected:
  // Empties the drawing (derived tests call it again to start over).
  void SetUp() override {
    session_.current().replaceDatabase(std::make_unique<db::Database>());
    session_.setErrno(0);
  }

  host::Session session_;  // a fresh host for each test
};

// Builds a list as acutBuildList does, owned by the test.
template <typename... Args>
host::RbList makeList(Args... args) {
  return host::RbList(acutBuildList(args..., 0));
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

// A fresh drawing for each test, built through the host's C functions, with
// the command-line output captured and the scripted user's queue empty.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acedads.h"
#include "core/session.h"
#include "select/selection_sets.h"

namespace testing_support {

struct RbFree {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using RbList = std::unique_ptr<resbuf, RbFree>;

class DrawingTest : public ::testing::Test {
 protected:
  host::Session session_;  // a fresh host for each test

  void SetUp() override {
    session_.setOutput([this](std::string_view t) { output.append(t); });
    session_.newDocument("");
  }
  void TearDown() override { session_.setOutput(nullptr); }

  host::Document& doc() { return host::session().current(); }
  db::Database& db() { return doc().db(); }
  int errnoValue() { return doc().vars().getInt("ERRNO"); }

  // Makes an entity from a list and returns its name.
  std::array<int64_t, 2> make(resbuf* list) {
    RbList owned(list);
    EXPECT_EQ(acdbEntMake(owned.get()), RTNORM);
    ads_name n = {0, 0};
    EXPECT_EQ(acdbEntLast(n), RTNORM);
    return {n[0], n[1]};
  }
  std::array<int64_t, 2> line(double x1, double y1, double x2, double y2, const char* layer = "0") {
    const double a[3] = {x1, y1, 0}, b[3] = {x2, y2, 0};
    return make(acutBuildList(RTDXF0, "LINE", 8, layer, 10, a, 11, b, 0));
  }
  std::array<int64_t, 2> point(double x, double y, const char* layer = "0") {
    const double a[3] = {x, y, 0};
    return make(acutBuildList(RTDXF0, "POINT", 8, layer, 10, a, 0));
  }
  std::array<int64_t, 2> circle(double x, double y, double r, const char* layer = "0") {
    const double c[3] = {x, y, 0};
    return make(acutBuildList(RTDXF0, "CIRCLE", 8, layer, 10, c, 40, r, 0));
  }
  std::array<int64_t, 2> text(double x, double y, const char* value, const char* layer = "0") {
    const double p[3] = {x, y, 0};
    return make(acutBuildList(RTDXF0, "TEXT", 8, layer, 10, p, 40, 2.5, 1, value, 0));
  }
  // A 3D polyline through the points, made in one list.
  std::array<int64_t, 2> poly3d(const std::vector<std::array<double, 3>>& pts,
                                const char* layer = "0") {
    const double origin[3] = {0, 0, 0};
    RbList list(acutBuildList(RTDXF0, "POLYLINE", 8, layer, 66, 1, 10, origin, 70, 8, 0));
    resbuf* tail = list.get();
    while (tail->rbnext) tail = tail->rbnext;
    for (const auto& p : pts) {
      tail->rbnext = acutBuildList(RTDXF0, "VERTEX", 8, layer, 10, p.data(), 70, 32, 0);
      while (tail->rbnext) tail = tail->rbnext;
    }
    tail->rbnext = acutBuildList(RTDXF0, "SEQEND", 8, layer, 0);
    EXPECT_EQ(acdbEntMake(list.get()), RTNORM);
    ads_name n = {0, 0};
    EXPECT_EQ(acdbEntLast(n), RTNORM);
    return {n[0], n[1]};
  }
  void freezeLayer(const char* name) {
    const int i = db().layers.find(name);
    ASSERT_GE(i, 0);
    db().layers.at(static_cast<uint32_t>(i)).flags |= 1;
  }

  // Answers for the scripted user.
  void answerText(const std::string& t) {
    host::Answer a;
    a.kind = host::Answer::Text;
    a.text = t;
    host::session().user().push(a);
  }
  void answerPoint(double x, double y, double z = 0) {
    host::Answer a;
    a.kind = host::Answer::Point;
    a.point[0] = x;
    a.point[1] = y;
    a.point[2] = z;
    host::session().user().push(a);
  }
  void answerNumber(double v) {
    host::Answer a;
    a.kind = host::Answer::Number;
    a.number = v;
    host::session().user().push(a);
  }
  void answerEntity(const std::array<int64_t, 2>& e, double x = 0, double y = 0) {
    host::Answer a;
    a.kind = host::Answer::Entity;
    a.entity[0] = e[0];
    a.entity[1] = e[1];
    a.point[0] = x;
    a.point[1] = y;
    host::session().user().push(a);
  }
  void answer(host::Answer::Kind k) {
    host::Answer a;
    a.kind = k;
    host::session().user().push(a);
  }

  std::string output;
};

}  // namespace testing_support

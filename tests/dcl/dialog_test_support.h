// What the dialog tests share: the command-line output they read and the
// scripted user's answers they queue.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "core/session.h"
#include "dcl/dialog_manager.h"

// Collects the host's output, in a fresh session for each test.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.setOutput([this](std::string_view t) { output_.append(t); });
  }
  void TearDown() override { session_.setOutput(nullptr); }

  host::Session session_;  // a fresh host, with no DCL state, for each test
  const std::string& output() const { return output_; }
  bool printed(const std::string& text) const { return output_.find(text) != std::string::npos; }

  struct Step {
    std::string key;
    std::optional<std::string> value;
  };
  static void pushDialog(std::initializer_list<Step> steps) {
    host::Answer a;
    a.kind = host::Answer::Dialog;
    for (const Step& s : steps) a.actions.push_back({s.key, s.value});
    host::session().user().push(a);
  }
  static void push(host::Answer::Kind kind, const std::string& text = {}) {
    host::Answer a;
    a.kind = kind;
    a.text = text;
    host::session().user().push(a);
  }

 private:
  std::string output_;
};

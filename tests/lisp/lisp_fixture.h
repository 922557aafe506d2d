// A fresh session and interpreter per test, with the host's output captured.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/session.h"
#include "lisp/interpreter.h"

// Evaluates every expression of `source` in `lisp`: the last value in printed
// (prin1) form, or "error: " + cause when evaluation fails.
std::string evalIn(lisp::Interpreter& lisp, std::string_view source);

class LispTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string eval(std::string_view source) { return evalIn(lisp, source); }
  // Runs a script the way cadhost does; `out` gets everything printed.
  bool run(std::string_view source, std::string_view name = "essai.lsp", bool echo = false);

  host::Session session;  // a fresh host for each test, made before the interpreter
  lisp::Interpreter lisp;
  std::string out;
};

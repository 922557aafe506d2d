#include "lisp_fixture.h"

#include "core/session.h"
#include "lisp/environment.h"
#include "lisp/printer.h"

void LispTest::SetUp() {
  session.setOutput([this](std::string_view text) { out += text; });
}

void LispTest::TearDown() { session.setOutput(nullptr); }

std::string evalIn(lisp::Interpreter& lisp, std::string_view source) {
  lisp::Environment& env = lisp.environment();
  try {
    return lisp::toText(env.runText(source, 0, false), true);
  } catch (const lisp::LispError& e) {
    env.setCurrentPos(0);
    return "error: " + e.message;
  }
}

bool LispTest::run(std::string_view source, std::string_view name, bool echo) {
  return lisp.run(source, name, echo);
}

// Command-line output: princ prin1 print prompt terpri. With a file
// descriptor as last argument the text goes to that file instead.
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/file_output.h"
#include "lisp/printer.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

void emit(Args& a, size_t fileArg, const std::string& text) {
  if (a.given(fileArg))
    writeToFile(*a.file(fileArg), text, a[fileArg]);
  else
    a.env().print(text);
}

Value printWith(Args& a, bool escape, const char* before, const char* after) {
  if (a.size() == 0) {
    if (*before) a.env().print(std::string(before) + after);
    return Value::symbol(a.env().silent);
  }
  emit(a, 1, before + toText(a[0], escape) + after);
  return a[0];
}

Value sPrinc(Args& a) { return printWith(a, false, "", ""); }
Value sPrin1(Args& a) { return printWith(a, true, "", ""); }
Value sPrint(Args& a) { return printWith(a, true, "\n", " "); }

Value sPrompt(Args& a) {
  a.env().print(a.string(0));
  return Value();
}

Value sTerpri(Args& a) {
  a.env().print("\n");
  return Value();
}

const Subr kSubrs[] = {
    {"PRINC", sPrinc, nullptr, 0, 2},   {"PRIN1", sPrin1, nullptr, 0, 2},
    {"PRINT", sPrint, nullptr, 0, 2},   {"PROMPT", sPrompt, nullptr, 1, 1},
    {"TERPRI", sTerpri, nullptr, 0, 0},
};

}  // namespace

void registerOutputSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp

// The vl- functions over texts: vl-string-search vl-string-position
// vl-string-subst vl-string-translate vl-string-trim vl-string-left-trim
// vl-string-right-trim vl-string->list vl-list->string vl-string-elt
// vl-string-mismatch vl-prin1-to-string vl-princ-to-string. Positions count
// bytes from 0.
#include <string_view>

#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

// An optional start position: 0 when absent or nil; a negative one counts as 0.
size_t startAt(Args& a, size_t i) {
  if (!a.given(i)) return 0;
  const int32_t p = a.integer(i);
  return p < 0 ? 0 : static_cast<size_t>(p);
}

Value position(size_t p) { return p == std::string::npos ? Value() : Value::count(p); }

Value sSearch(Args& a) {
  const std::string& pattern = a.string(0);
  const std::string& s = a.string(1);
  const size_t from = startAt(a, 2);
  if (from > s.size()) return Value();
  return position(s.find(pattern, from));
}

// From the end the search goes back to the start position.
Value sPosition(Args& a) {
  const int32_t code = a.integer(0);
  const std::string& s = a.string(1);
  const size_t from = startAt(a, 2);
  const char c = static_cast<char>(code & 0xFF);
  if (a.given(3)) {
    for (size_t i = s.size(); i-- > from;)
      if (s[i] == c) return Value::count(i);
    return Value();
  }
  if (from >= s.size()) return Value();
  return position(s.find(c, from));
}

// Only the first occurrence is replaced.
Value sSubst(Args& a) {
  const std::string& by = a.string(0);
  const std::string& pattern = a.string(1);
  std::string s = a.string(2);
  const size_t from = startAt(a, 3);
  if (from > s.size()) return makeString(std::move(s));
  const size_t at = s.find(pattern, from);
  if (at != std::string::npos) s.replace(at, pattern.size(), by);
  return makeString(std::move(s));
}

// A character of the source set becomes the one at the same place in the
// destination set, or its last one when the destination set is shorter.
Value sTranslate(Args& a) {
  const std::string& from = a.string(0);
  const std::string& to = a.string(1);
  std::string s = a.string(2);
  if (to.empty()) return makeString(std::move(s));
  for (char& c : s) {
    const size_t k = from.find(c);
    if (k != std::string::npos) c = to[std::min(k, to.size() - 1)];
  }
  return makeString(std::move(s));
}

template <bool Left, bool Right>
Value trim(Args& a) {
  const std::string& set = a.string(0);
  const std::string& s = a.string(1);
  size_t first = 0, last = s.size();
  if (Left)
    while (first < last && set.find(s[first]) != std::string::npos) ++first;
  if (Right)
    while (last > first && set.find(s[last - 1]) != std::string::npos) --last;
  return makeString(s.substr(first, last - first));
}

Value sToList(Args& a) {
  ListBuilder out;
  for (unsigned char c : a.string(0)) out.add(Value::integer(c));
  return out.take();
}

Value sFromList(Args& a) {
  if (listLength(a.list(0)) < 0) raiseType("listp", a[0]);
  std::string s;
  for (const Cons* c = a[0].consPtr(); c; c = c->cdr.consPtr()) {
    if (c->car.type() != Type::Int) raiseType("fixnump", c->car);
    const int32_t code = c->car.asInt();
    if (code < 0 || code > 255) raiseValue("code de caractère", c->car);
    s += static_cast<char>(code);
  }
  return makeString(std::move(s));
}

Value sElt(Args& a) {
  const std::string& s = a.string(0);
  const int32_t p = a.integer(1);
  if (p < 0 || static_cast<size_t>(p) >= s.size()) raiseValue("position hors du texte", a[1]);
  return Value::integer(static_cast<unsigned char>(s[static_cast<size_t>(p)]));
}

char foldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

Value sMismatch(Args& a) {
  const std::string& s1 = a.string(0);
  const std::string& s2 = a.string(1);
  size_t i = startAt(a, 2), j = startAt(a, 3);
  const bool fold = a.given(4);
  size_t n = 0;
  while (i < s1.size() && j < s2.size() &&
         (fold ? foldAscii(s1[i]) == foldAscii(s2[j]) : s1[i] == s2[j]))
    ++i, ++j, ++n;
  return Value::count(n);
}

Value sPrin1ToString(Args& a) { return makeString(toText(a[0], true)); }
Value sPrincToString(Args& a) { return makeString(toText(a[0], false)); }

// (snvalid name [flag]): whether a text can name a table record: not empty,
// at most 255 bytes, no control character nor any of <>/\":;?*|,=` (a
// vertical bar is allowed under flag 1, for names from external references).
Value sSnvalid(Args& a) {
  const std::string& name = a.string(0);
  const bool bar = a.given(1) && a.integer(1) == 1;
  if (name.empty() || name.size() > 255) return Value();
  for (unsigned char c : name) {
    if (c < 32 || c == 127) return Value();
    if (c == '|' ? !bar
                 : std::string_view("<>/\\\":;?*,=`").find(static_cast<char>(c)) !=
                       std::string_view::npos)
      return Value();
  }
  return a.truth(true);
}

const Subr kSubrs[] = {
    {"VL-STRING-SEARCH", sSearch, nullptr, 2, 3},
    {"VL-STRING-POSITION", sPosition, nullptr, 2, 4},
    {"VL-STRING-SUBST", sSubst, nullptr, 3, 4},
    {"VL-STRING-TRANSLATE", sTranslate, nullptr, 3, 3},
    {"VL-STRING-TRIM", trim<true, true>, nullptr, 2, 2},
    {"VL-STRING-LEFT-TRIM", trim<true, false>, nullptr, 2, 2},
    {"VL-STRING-RIGHT-TRIM", trim<false, true>, nullptr, 2, 2},
    {"VL-STRING->LIST", sToList, nullptr, 1, 1},
    {"VL-LIST->STRING", sFromList, nullptr, 1, 1},
    {"VL-STRING-ELT", sElt, nullptr, 2, 2},
    {"VL-STRING-MISMATCH", sMismatch, nullptr, 2, 5},
    {"VL-PRIN1-TO-STRING", sPrin1ToString, nullptr, 1, 1},
    {"VL-PRINC-TO-STRING", sPrincToString, nullptr, 1, 1},
    {"SNVALID", sSnvalid, nullptr, 1, 2},
};

}  // namespace

void registerVlStringSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp

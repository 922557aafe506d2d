#include "lisp/environment.h"

#include "base/context.h"
#include "lisp/builtins.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/source_pos.h"
#include "lisp/subr.h"

namespace lisp {

Environment::Environment()
    : t(symbols.intern("T")),
      lambda(symbols.intern("LAMBDA")),
      errorHandler(symbols.intern("*ERROR*")),
      silent(symbols.intern("")) {
  t->value = Value::symbol(t);
  t->constant = true;
  symbols.intern("PI")->value = Value::real(3.14159265358979323846);
  symbols.intern("PAUSE")->value = makeString("\\");
  registerBuiltins(*this);
}

Environment::~Environment() {
  // Release every value while the selection-set registry still exists.
  symbols.forEach([](Symbol& s) { s.value = Value(); });
  for (auto& entry : pickSets_) entry.second->env = nullptr;
}

void Environment::define(const Subr* table, size_t count) {
  for (size_t i = 0; i < count; ++i) symbols.intern(table[i].name)->value = Value::subr(&table[i]);
}

Value Environment::runText(std::string_view text, uint32_t source, bool echo) {
  Reader reader(symbols, text, source);
  Value form, last;
  while (reader.next(form)) {
    last = eval(form);
    if (!echo) continue;
    if (last.type() == Type::Symbol && last.asSymbol() == silent) continue;
    std::string line = atLineStart_ ? "" : "\n";
    line += toText(last, true) + "\n";
    print(line);
  }
  return last;
}

uint32_t Environment::sourceIndex(std::string_view name) {
  if (name.empty()) return 0;
  for (size_t i = 0; i < sources_.size(); ++i)
    if (sources_[i] == name) return static_cast<uint32_t>(i + 1);
  if (sources_.size() >= kMaxSource) return 0;
  sources_.emplace_back(name);
  return static_cast<uint32_t>(sources_.size());
}

std::string Environment::location(uint32_t pos) const {
  const uint32_t source = posSource(pos), line = posLine(pos);
  if (source == 0 || source > sources_.size() || line == 0) return {};
  return " (" + sources_[source - 1] + ", ligne " + std::to_string(line) + ")";
}

void Environment::print(std::string_view text) {
  if (text.empty()) return;
  atLineStart_ = text.back() == '\n';
  host::context().print(text);
}

Value Environment::pickSet(const int64_t name[2]) {
  const auto key = std::make_pair(name[0], name[1]);
  auto it = pickSets_.find(key);
  if (it != pickSets_.end()) return Value::adopt(Type::PickSet, it->second);
  PickSet* p = new PickSet;
  p->name[0] = name[0];
  p->name[1] = name[1];
  Value v = Value::adopt(Type::PickSet, p);
  pickSets_.emplace(key, p);
  p->env = this;
  return v;
}

void Environment::forgetPickSet(PickSet* p) {
  auto it = pickSets_.find(std::make_pair(p->name[0], p->name[1]));
  if (it != pickSets_.end() && it->second == p) pickSets_.erase(it);
}

}  // namespace lisp

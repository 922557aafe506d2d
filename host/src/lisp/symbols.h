// Interned symbols: the reader maps each name to one Symbol once, so the
// evaluator reads and writes values through a pointer, never by name.
#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "lisp/value.h"

namespace lisp {

struct Symbol {
  std::string name;  // upper case, as the host prints it
  Value value;       // nil when unbound; functions live here too
  bool constant = false;
};

class SymbolTable {
 public:
  SymbolTable() = default;
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;
  ~SymbolTable();

  // The symbol of that name, ignoring case; made on first use.
  Symbol* intern(std::string_view name);
  // nullptr when no symbol of that name was ever made.
  Symbol* find(std::string_view name) const;
  size_t size() const { return symbols_.size(); }

  template <class F>
  void forEach(F&& f) {
    for (Symbol& s : symbols_) f(s);
  }

 private:
  std::deque<Symbol> symbols_;  // stable addresses
  std::unordered_map<std::string, Symbol*> byName_;
};

// ASCII upper case: symbol names and keywords.
std::string upperAscii(std::string_view s);

}  // namespace lisp

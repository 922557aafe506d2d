// LISP data: a small tagged value that holds numbers, symbols and built-ins
// inline and shares everything else (strings, conses, entity names, selection
// sets, files, functions) through an intrusive reference count. AutoLISP has
// no destructive list operations, so reference cycles cannot form.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace lisp {

class Environment;
struct Symbol;
struct Subr;

enum class Type : uint8_t {
  // Held inline.
  Nil,
  Int,
  Real,
  Symbol,
  Subr,
  // Counted objects on the heap.
  String,
  Cons,
  Ename,
  PickSet,
  File,
  UserFunc,
  External,
  CatchError,
};

struct Object {
  uint32_t refs = 0;
};

class Value {
 public:
  Value() noexcept : type_(Type::Nil) { u_.obj = nullptr; }
  Value(const Value& o) noexcept : type_(o.type_), u_(o.u_) {
    if (isHeap()) ++u_.obj->refs;
  }
  Value(Value&& o) noexcept : type_(o.type_), u_(o.u_) {
    o.type_ = Type::Nil;
    o.u_.obj = nullptr;
  }
  Value& operator=(const Value& o) noexcept {
    Value copy(o);
    swap(copy);
    return *this;
  }
  Value& operator=(Value&& o) noexcept {
    Value moved(std::move(o));
    swap(moved);
    return *this;
  }
  ~Value() {
    if (isHeap() && --u_.obj->refs == 0) destroy(type_, u_.obj);
  }
  void swap(Value& o) noexcept {
    std::swap(type_, o.type_);
    std::swap(u_, o.u_);
  }

  static Value integer(int32_t i) noexcept {
    Value v;
    v.type_ = Type::Int;
    v.u_.i = i;
    return v;
  }
  static Value real(double d) noexcept {
    Value v;
    v.type_ = Type::Real;
    v.u_.r = d;
    return v;
  }
  // A count (a length, a size): an integer while it fits the 32 bits of LISP
  // integers, else a real, exact up to 2^53, rather than a count that wraps.
  static Value count(uint64_t n) noexcept {
    return n <= static_cast<uint64_t>(INT32_MAX) ? integer(static_cast<int32_t>(n))
                                                 : real(static_cast<double>(n));
  }
  static Value symbol(Symbol* s) noexcept {
    Value v;
    v.type_ = Type::Symbol;
    v.u_.sym = s;
    return v;
  }
  static Value subr(const Subr* s) noexcept {
    Value v;
    v.type_ = Type::Subr;
    v.u_.subr = s;
    return v;
  }
  // Takes a first reference to a freshly made heap object.
  static Value adopt(Type t, Object* o) noexcept {
    Value v;
    v.type_ = t;
    v.u_.obj = o;
    ++o->refs;
    return v;
  }

  Type type() const noexcept { return type_; }
  bool isNil() const noexcept { return type_ == Type::Nil; }
  bool isHeap() const noexcept { return type_ >= Type::String; }
  bool isNumber() const noexcept { return type_ == Type::Int || type_ == Type::Real; }
  bool isList() const noexcept { return type_ == Type::Nil || type_ == Type::Cons; }

  int32_t asInt() const noexcept { return u_.i; }
  double asReal() const noexcept { return u_.r; }
  // An integer or a real as a double.
  double number() const noexcept { return type_ == Type::Int ? u_.i : u_.r; }
  Symbol* asSymbol() const noexcept { return u_.sym; }
  const Subr* asSubr() const noexcept { return u_.subr; }
  Object* object() const noexcept { return u_.obj; }

  inline struct Cons* consPtr() const noexcept;  // nullptr unless a cons
  inline struct String* stringPtr() const noexcept;
  inline struct Ename* enamePtr() const noexcept;
  inline struct PickSet* pickSetPtr() const noexcept;
  inline struct File* filePtr() const noexcept;
  inline struct UserFunc* userFuncPtr() const noexcept;
  inline struct External* externalPtr() const noexcept;
  inline struct CatchError* catchErrorPtr() const noexcept;

 private:
  // Frees an object whose count reached zero; long lists are freed without recursion.
  static void destroy(Type t, Object* o) noexcept;

  Type type_;
  union {
    int32_t i;
    double r;
    Symbol* sym;
    const Subr* subr;
    Object* obj;
  } u_;
};

// A cons cell. `pos` is where the reader found it (source index << 24 | line),
// 0 when it was made by evaluation.
struct Cons : Object {
  uint32_t pos = 0;
  Value car, cdr;
};

struct String : Object {
  std::string text;
};

// Entity name as the host gives it: {index + 1, database serial}.
struct Ename : Object {
  int64_t name[2] = {0, 0};
};

// A selection set owned by LISP: the host's set is freed when the last
// reference goes.
struct PickSet : Object {
  int64_t name[2] = {0, 0};
  Environment* env = nullptr;  // told when the set goes
  ~PickSet();
};

struct File : Object {
  std::FILE* fp = nullptr;
  std::string path;
  bool writing = false;
  ~File();
  void close();
};

// A function made by defun or lambda.
struct UserFunc : Object {
  Symbol* name = nullptr;  // nullptr for lambda
  std::vector<Symbol*> params, locals;
  Value body;  // list of forms
};

// A function defined by a module with acedDefun.
struct External : Object {
  Symbol* name = nullptr;
  int moduleId = 0;
  int funcCode = 0;
};

// What vl-catch-all-apply gives for a call that failed: the error's message.
struct CatchError : Object {
  std::string message;
};

inline Cons* Value::consPtr() const noexcept {
  return type_ == Type::Cons ? static_cast<Cons*>(u_.obj) : nullptr;
}
inline String* Value::stringPtr() const noexcept {
  return type_ == Type::String ? static_cast<String*>(u_.obj) : nullptr;
}
inline Ename* Value::enamePtr() const noexcept {
  return type_ == Type::Ename ? static_cast<Ename*>(u_.obj) : nullptr;
}
inline PickSet* Value::pickSetPtr() const noexcept {
  return type_ == Type::PickSet ? static_cast<PickSet*>(u_.obj) : nullptr;
}
inline File* Value::filePtr() const noexcept {
  return type_ == Type::File ? static_cast<File*>(u_.obj) : nullptr;
}
inline UserFunc* Value::userFuncPtr() const noexcept {
  return type_ == Type::UserFunc ? static_cast<UserFunc*>(u_.obj) : nullptr;
}
inline External* Value::externalPtr() const noexcept {
  return type_ == Type::External ? static_cast<External*>(u_.obj) : nullptr;
}

inline CatchError* Value::catchErrorPtr() const noexcept {
  return type_ == Type::CatchError ? static_cast<CatchError*>(u_.obj) : nullptr;
}

// Makers.
Value cons(Value car, Value cdr, uint32_t pos = 0);
Value makeString(std::string text);
Value makeEname(const int64_t name[2]);
Value makePoint(const double p[3], bool is3d);

// The i-th element of a list (nullptr past its end).
const Value* nthElement(const Value& list, size_t i);
// Elements of a proper list, or -1 for a dotted one.
long listLength(const Value& list);

// Builds a list front to back without copying.
class ListBuilder {
 public:
  void add(Value v, uint32_t pos = 0);
  // Ends the list with a non-nil atom (a dotted list); needs at least one element.
  void setTail(Value tail);
  bool empty() const { return tail_ == nullptr; }
  Value take();

 private:
  Value head_;
  Cons* tail_ = nullptr;
};

}  // namespace lisp

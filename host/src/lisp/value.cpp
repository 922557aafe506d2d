#include "lisp/value.h"

#include "lisp/host_link.h"

#include "acedads.h"
#include "lisp/environment.h"

namespace lisp {

namespace {

// Objects whose count reached zero while another was being freed: freeing a
// million-element list (or a deeply nested one) must not recurse.
struct Pending {
  std::vector<std::pair<Type, Object*>> queue;
  bool draining = false;
};
thread_local Pending pending;

void freeOne(Type t, Object* o) noexcept {
  switch (t) {
    case Type::String: delete static_cast<String*>(o); break;
    case Type::Cons: delete static_cast<Cons*>(o); break;
    case Type::Ename: delete static_cast<Ename*>(o); break;
    case Type::PickSet: delete static_cast<PickSet*>(o); break;
    case Type::File: delete static_cast<File*>(o); break;
    case Type::UserFunc: delete static_cast<UserFunc*>(o); break;
    case Type::External: delete static_cast<External*>(o); break;
    case Type::CatchError: delete static_cast<CatchError*>(o); break;
    default: break;
  }
}

}  // namespace

void Value::destroy(Type t, Object* o) noexcept {
  if (pending.draining) {
    // The queue only grows by a few pointers per freed object; a failed
    // allocation here leaks the object rather than crash.
    try {
      pending.queue.emplace_back(t, o);
    } catch (...) {
    }
    return;
  }
  pending.draining = true;
  freeOne(t, o);
  while (!pending.queue.empty()) {
    const auto next = pending.queue.back();
    pending.queue.pop_back();
    freeOne(next.first, next.second);
  }
  pending.draining = false;
}

PickSet::~PickSet() {
  if (env) env->forgetPickSet(this);
  PickSetRelease::release(name);
}

File::~File() { close(); }

void File::close() {
  if (fp) std::fclose(fp);
  fp = nullptr;
}

Value cons(Value car, Value cdr, uint32_t pos) {
  Cons* c = new Cons;
  c->pos = pos;
  c->car = std::move(car);
  c->cdr = std::move(cdr);
  return Value::adopt(Type::Cons, c);
}

Value makeString(std::string text) {
  String* s = new String;
  s->text = std::move(text);
  return Value::adopt(Type::String, s);
}

Value makeEname(const int64_t name[2]) {
  Ename* e = new Ename;
  e->name[0] = name[0];
  e->name[1] = name[1];
  return Value::adopt(Type::Ename, e);
}

Value makePoint(const double p[3], bool is3d) {
  ListBuilder b;
  b.add(Value::real(p[0]));
  b.add(Value::real(p[1]));
  if (is3d) b.add(Value::real(p[2]));
  return b.take();
}

const Value* nthElement(const Value& list, size_t i) {
  const Value* at = &list;
  for (;;) {
    const Cons* c = at->consPtr();
    if (!c) return nullptr;
    if (i == 0) return &c->car;
    --i;
    at = &c->cdr;
  }
}

long listLength(const Value& list) {
  long n = 0;
  const Value* at = &list;
  while (const Cons* c = at->consPtr()) {
    ++n;
    at = &c->cdr;
  }
  return at->isNil() ? n : -1;
}

void ListBuilder::add(Value v, uint32_t pos) {
  Value cell = cons(std::move(v), Value(), pos);
  Cons* c = cell.consPtr();
  if (tail_)
    tail_->cdr = std::move(cell);
  else
    head_ = std::move(cell);
  tail_ = c;
}

void ListBuilder::setTail(Value tail) {
  if (tail_) tail_->cdr = std::move(tail);
}

Value ListBuilder::take() {
  tail_ = nullptr;
  return std::move(head_);
}

}  // namespace lisp

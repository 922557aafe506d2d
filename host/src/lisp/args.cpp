#include "lisp/args.h"

#include "lisp/error.h"
#include "lisp/symbols.h"

namespace lisp {

bool readPoint(const Value& v, double out[3], bool* is3d) {
  double p[3] = {0, 0, 0};
  int n = 0;
  const Value* at = &v;
  while (const Cons* c = at->consPtr()) {
    if (n == 3 || !c->car.isNumber()) return false;
    p[n++] = c->car.number();
    at = &c->cdr;
  }
  if (!at->isNil() || n < 2) return false;
  for (int k = 0; k < 3; ++k) out[k] = p[k];
  if (is3d) *is3d = n == 3;
  return true;
}

int32_t Args::integer(size_t i) const {
  if (values_[i].type() != Type::Int) raiseType("fixnump", values_[i]);
  return values_[i].asInt();
}

double Args::number(size_t i) const {
  if (!values_[i].isNumber()) raiseType("numberp", values_[i]);
  return values_[i].number();
}

const std::string& Args::string(size_t i) const {
  if (values_[i].type() != Type::String) raiseType("stringp", values_[i]);
  return values_[i].stringPtr()->text;
}

Symbol* Args::symbol(size_t i) const {
  if (values_[i].type() != Type::Symbol) raiseType("symbolp", values_[i]);
  return values_[i].asSymbol();
}

const Value& Args::list(size_t i) const {
  if (!values_[i].isList()) raiseType("listp", values_[i]);
  return values_[i];
}

const int64_t* Args::ename(size_t i) const {
  if (values_[i].type() != Type::Ename) raiseType("lentityp", values_[i]);
  return values_[i].enamePtr()->name;
}

PickSet* Args::pickSet(size_t i) const {
  if (values_[i].type() != Type::PickSet) raiseType("lselsetp", values_[i]);
  return values_[i].pickSetPtr();
}

File* Args::file(size_t i) const {
  if (values_[i].type() != Type::File) raiseType("streamp", values_[i]);
  return values_[i].filePtr();
}

bool Args::point(size_t i, double out[3]) const {
  bool is3d = false;
  if (!readPoint(values_[i], out, &is3d)) raiseType("point 2D/3D", values_[i]);
  return is3d;
}

}  // namespace lisp

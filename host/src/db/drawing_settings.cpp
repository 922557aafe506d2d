#include "db/drawing_settings.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "adsdef.h"
#include "base/sysvars.h"
#include "db/database.h"

namespace host {
namespace {

enum class Kind { Int, Real };

struct Setting {
  const char* header;  // with its "$"
  const char* var;
  Kind kind;
};

constexpr Setting kSettings[] = {
    {"$LUPREC", "LUPREC", Kind::Int},        {"$LUNITS", "LUNITS", Kind::Int},
    {"$AUNITS", "AUNITS", Kind::Int},        {"$AUPREC", "AUPREC", Kind::Int},
    {"$PLINEGEN", "PLINEGEN", Kind::Int},    {"$PDMODE", "PDMODE", Kind::Int},
    {"$OSMODE", "OSMODE", Kind::Int},        {"$PDSIZE", "PDSIZE", Kind::Real},
    {"$TEXTSIZE", "TEXTSIZE", Kind::Real},   {"$ELEVATION", "ELEVATION", Kind::Real},
    {"$THICKNESS", "THICKNESS", Kind::Real},
};

bool toNumber(const std::string& text, double& out) {
  const char* b = text.data();
  const char* e = b + text.size();
  while (b < e && *b == ' ') ++b;
  return std::from_chars(b, e, out).ec == std::errc();
}

std::string fromNumber(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

void headerToSysVars(const db::Database& db, SysVars& vars) {
  for (const Setting& s : kSettings) {
    const db::HeaderVar* h = db.headerVar(s.header);
    if (!h || h->groups.empty()) continue;
    double v = 0;
    if (!toNumber(h->groups.front().second, v)) continue;
    if (s.kind == Kind::Int)
      vars.setInt(s.var, static_cast<int>(v));
    else
      vars.setReal(s.var, v);
  }
}

void sysVarsToHeader(const SysVars& vars, db::Database& db) {
  for (const Setting& s : kSettings) {
    const SysVar* v = vars.find(s.var);
    if (!v) continue;
    if (s.kind == Kind::Int)
      db.setHeaderVar(s.header, {{70, std::to_string(v->i)}});
    else
      db.setHeaderVar(s.header, {{40, fromNumber(v->r)}});
  }
}

}  // namespace host

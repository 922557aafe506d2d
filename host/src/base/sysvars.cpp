#include "base/sysvars.h"

#include <cctype>
#include <cstring>

#include "adsdef.h"
#include "base/context.h"
#include "base/host_errors.h"
#include "base/resbuf_list.h"

namespace host {
namespace {

std::string upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

bool isInteger(short t) { return t == RTSHORT || t == RTLONG; }
bool isPoint(short t) { return t == RTPOINT || t == RT3DPOINT; }

}  // namespace

SysVars::SysVars() {
  setInt("ATTDIA", 1);
  setInt("OSNAPCOORD", 2);
  setInt("OSMODE", 4133);
  setInt("CMDECHO", 1);
  setInt("ERRNO", 0, true);
  setText("CLAYER", "0");
  setInt("PLINEGEN", 0);
  setInt("LUPREC", 4);
  setInt("LUNITS", 2);
  setInt("AUNITS", 0);
  setInt("AUPREC", 0);
  setInt("DIMZIN", 0);
  setInt("FILEDIA", 1);
  setInt("CMDDIA", 1);
  setInt("EXPERT", 0);
  setInt("HIGHLIGHT", 1);
  setInt("APERTURE", 10);
  setInt("PICKBOX", 3);
  setInt("PDMODE", 0);
  setReal("PDSIZE", 0);
  setInt("ORTHOMODE", 0);
  setInt("SNAPMODE", 0);
  setInt("CMDACTIVE", 0, true);
  setInt("UNDOCTL", 5, true);
  setReal("ELEVATION", 0);
  setReal("THICKNESS", 0);
  setReal("TEXTSIZE", 2.5);
  setText("DWGPREFIX", "", true);
  setText("DWGNAME", "Dessin1.dwg", true);
  setText("ACADVER", "18.0s (LMS Tech)", true);
  setText("PLATFORM", "cadhost", true);
  setInt("DWGTITLED", 0, true);
  setReal("VIEWSIZE", 297.0, true);
  setPoint("VIEWCTR", 210.0, 148.5, 0.0, true);
  setPoint("SCREENSIZE", 1280.0, 800.0, 0.0, true);
  find("SCREENSIZE")->type = RTPOINT;
  setPoint("LASTPOINT", 0, 0, 0);
  setPoint("UCSORG", 0, 0, 0, true);
  setPoint("UCSXDIR", 1, 0, 0, true);
  setPoint("UCSYDIR", 0, 1, 0, true);
  setPoint("EXTMIN", 0, 0, 0, true);
  setPoint("EXTMAX", 0, 0, 0, true);
  setText("USERS1", "");
  setText("USERS2", "");
  setText("USERS3", "");
  setInt("USERI1", 0);
  setInt("USERI2", 0);
  setInt("USERI3", 0);
  setReal("USERR1", 0);
  setReal("USERR2", 0);
  setReal("USERR3", 0);
  setInt("CDATE", 0, true);
}

SysVar* SysVars::find(std::string_view name) {
  auto it = vars_.find(upper(name));
  return it == vars_.end() ? nullptr : &it->second;
}

const SysVar* SysVars::find(std::string_view name) const {
  auto it = vars_.find(upper(name));
  return it == vars_.end() ? nullptr : &it->second;
}

void SysVars::setText(std::string_view name, std::string value, bool readOnly) {
  SysVar& v = vars_[upper(name)];
  v.type = RTSTR;
  v.s = std::move(value);
  v.readOnly = v.readOnly || readOnly;
}

void SysVars::setInt(std::string_view name, int value, bool readOnly) {
  SysVar& v = vars_[upper(name)];
  if (v.type != RTLONG) v.type = (value >= -32768 && value <= 32767) ? RTSHORT : RTLONG;
  v.i = value;
  v.readOnly = v.readOnly || readOnly;
}

void SysVars::setReal(std::string_view name, double value, bool readOnly) {
  SysVar& v = vars_[upper(name)];
  v.type = RTREAL;
  v.r = value;
  v.readOnly = v.readOnly || readOnly;
}

void SysVars::setPoint(std::string_view name, double x, double y, double z, bool readOnly) {
  SysVar& v = vars_[upper(name)];
  if (v.type != RTPOINT) v.type = RT3DPOINT;
  v.p[0] = x;
  v.p[1] = y;
  v.p[2] = z;
  v.readOnly = v.readOnly || readOnly;
}

int SysVars::getInt(std::string_view name, int fallback) const {
  const SysVar* v = find(name);
  if (!v) return fallback;
  if (isInteger(v->type)) return v->i;
  if (v->type == RTREAL) return static_cast<int>(v->r);
  return fallback;
}

int SysVars::get(std::string_view name, resbuf* out) const {
  const SysVar* v = find(name);
  if (!out) {
    context().setErrno(kErrNullPointer);
    return RTERROR;
  }
  if (!v) {
    context().setErrno(kErrInvalidSymbolName);
    return RTERROR;
  }
  out->restype = v->type;
  switch (v->type) {
    case RTSHORT: out->resval.rint = static_cast<short>(v->i); break;
    case RTLONG: out->resval.rlong = v->i; break;
    case RTREAL: out->resval.rreal = v->r; break;
    case RTPOINT:
    case RT3DPOINT: std::memcpy(out->resval.rpoint, v->p, sizeof v->p); break;
    case RTSTR: {
      out->resval.rstring = copyText(v->s);
      break;
    }
    default: break;
  }
  return RTNORM;
}

int SysVars::set(std::string_view name, const resbuf* value) {
  SysVar* v = find(name);
  if (!value) {
    context().setErrno(kErrNullPointer);
    return RTERROR;
  }
  if (!v) {
    context().setErrno(kErrInvalidSymbolName);
    return RTERROR;
  }
  if (v->readOnly) {
    context().setErrno(kErrReadOnlyVariable);
    return RTERROR;
  }
  const short t = value->restype;
  if (isInteger(v->type)) {
    long n;
    if (t == RTSHORT)
      n = value->resval.rint;
    else if (t == RTLONG)
      n = value->resval.rlong;
    else {
      context().setErrno(kErrInvalidSymbolValue);
      return RTERROR;
    }
    if (v->type == RTSHORT && (n < -32768 || n > 32767)) {
      context().setErrno(kErrValueOutOfRange);
      return RTERROR;
    }
    v->i = static_cast<int>(n);
  } else if (v->type == RTREAL) {
    if (t == RTREAL)
      v->r = value->resval.rreal;
    else if (t == RTSHORT)
      v->r = value->resval.rint;
    else if (t == RTLONG)
      v->r = value->resval.rlong;
    else {
      context().setErrno(kErrInvalidSymbolValue);
      return RTERROR;
    }
  } else if (isPoint(v->type)) {
    if (!isPoint(t)) {
      context().setErrno(kErrInvalidSymbolValue);
      return RTERROR;
    }
    v->p[0] = value->resval.rpoint[0];
    v->p[1] = value->resval.rpoint[1];
    v->p[2] = t == RT3DPOINT ? value->resval.rpoint[2] : 0.0;
  } else if (v->type == RTSTR) {
    if (t != RTSTR || !value->resval.rstring) {
      context().setErrno(kErrInvalidSymbolValue);
      return RTERROR;
    }
    v->s = value->resval.rstring;
  }
  return RTNORM;
}

}  // namespace host

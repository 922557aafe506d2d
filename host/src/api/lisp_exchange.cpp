// LISP functions defined by modules, their arguments and results, LISP symbols.
#include <strings.h>
#include <cctype>
#include <cstring>

#include "acedads.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "base/resbuf_kind.h"
#include "base/resbuf_list.h"
#include "core/module_loader.h"
#include "core/session.h"
#include "lisp/interpreter.h"

namespace {

using host::session;

// The host refuses names that the LISP reader could not read back as one symbol.
bool validFunctionName(const char* name) {
  if (!name || !*name) return false;
  for (const char* p = name; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (std::isspace(c) || c == '(' || c == ')' || c == '"' || c == '\'' || c == ';' || c < 32)
      return false;
  }
  return true;
}

int setResult(resbuf* rb) {
  session().modules().setResult(rb);
  return RTNORM;
}

}  // namespace

extern "C" {

int acedDefun(const ACHAR* name, int funcNumber) {
  return host::guardedCall(__func__, [&]() -> int {
    host::LoadedModule* m = session().modules().active();
    if (!m || !session().currentPtr()) {
      session().setErrno(host::kErrNotLoaded);
      return RTERROR;
    }
    if (!validFunctionName(name)) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    session().current().lisp().defineExternal(name, m->id, funcNumber);
    return RTNORM;
  });
}

int acedUndef(const ACHAR* name, int funcNumber) {
  return host::guardedCall(__func__, [&]() -> int {
    host::LoadedModule* m = session().modules().active();
    if (!m || !name || !session().currentPtr()) {
      session().setErrno(host::kErrNotLoaded);
      return RTERROR;
    }
    if (!session().current().lisp().undefineExternal(name, m->id, funcNumber)) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    return RTNORM;
  });
}

int acedGetFunCode(void) {
  return host::guardedCall(__func__, [&]() -> int {
    const int code = session().modules().currentFunCode();
    return code < 0 ? RTERROR : code;
  });
}

// The caller owns the returned copy and releases it with acutRelRb.
resbuf* acedGetArgs(void) {
  return host::guardedCall(__func__, [&]() -> resbuf* {
    return host::copyList(session().modules().currentArgs()).release();
  });
}

int acedRetList(const resbuf* rbuf) {
  return host::guardedCall(__func__,
                           [&]() -> int { return setResult(host::copyList(rbuf).release()); });
}
int acedRetVoid(void) {
  return host::guardedCall(__func__, [&]() -> int { return setResult(nullptr); });
}
int acedRetNil(void) {
  return host::guardedCall(__func__, [&]() -> int { return setResult(acutNewRb(RTNIL)); });
}
int acedRetT(void) {
  return host::guardedCall(__func__, [&]() -> int { return setResult(acutNewRb(RTT)); });
}

int acedRetReal(ads_real value) {
  return host::guardedCall(__func__, [&]() -> int {
    resbuf* rb = acutNewRb(RTREAL);
    rb->resval.rreal = value;
    return setResult(rb);
  });
}

int acedRetInt(int value) {
  return host::guardedCall(__func__, [&]() -> int {
    resbuf* rb = acutNewRb(value >= -32768 && value <= 32767 ? RTSHORT : RTLONG);
    if (rb->restype == RTSHORT)
      rb->resval.rint = static_cast<short>(value);
    else
      rb->resval.rlong = value;
    return setResult(rb);
  });
}

int acedRetStr(const ACHAR* value) {
  return host::guardedCall(
      __func__, [&]() -> int { return setResult(acutBuildList(RTSTR, value ? value : "", 0)); });
}

int acedRetPoint(const ads_point value) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!value) return RTERROR;
    return setResult(acutBuildList(RT3DPOINT, value, 0));
  });
}

int acedRetName(const ads_name value, int type) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!value || (type != RTENAME && type != RTPICKS)) return RTERROR;
    return setResult(acutBuildList(type, value, 0));
  });
}

int acedGetSym(const ACHAR* name, resbuf** value) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!value) {
      session().setErrno(host::kErrNullPointer);
      return RTERROR;
    }
    *value = nullptr;
    if (!name || !session().currentPtr()) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    return session().current().lisp().getSym(name, value);
  });
}

int acedPutSym(const ACHAR* name, resbuf* value) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!validFunctionName(name) || !session().currentPtr()) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    return session().current().lisp().putSym(name, value);
  });
}

int acedInvoke(const resbuf* args, resbuf** result) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!result || !args || !session().currentPtr()) {
      session().setErrno(host::kErrNullPointer);
      return RTERROR;
    }
    *result = nullptr;
    return session().current().lisp().invoke(args, result);
  });
}

int acedGetVar(const ACHAR* name, resbuf* result) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!name || !session().currentPtr()) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    return session().current().vars().get(name, result);
  });
}

int acedSetVar(const ACHAR* name, const resbuf* value) {
  return host::guardedCall(__func__, [&]() -> int {
    if (!name || !session().currentPtr()) {
      session().setErrno(host::kErrInvalidSymbolName);
      return RTERROR;
    }
    host::Document& doc = session().current();
    // The current layer must exist; the database follows the variable.
    if (strcasecmp(name, "CLAYER") == 0) {
      if (!value || value->restype != RTSTR || !value->resval.rstring) {
        session().setErrno(host::kErrInvalidSymbolValue);
        return RTERROR;
      }
      const int index = doc.db().layers.find(value->resval.rstring);
      if (index < 0) {
        session().setErrno(host::kErrBadLayerName);
        return RTERROR;
      }
      doc.db().currentLayer = static_cast<uint32_t>(index);
      doc.vars().setText("CLAYER", doc.db().layers.at(static_cast<uint32_t>(index)).name);
      return RTNORM;
    }
    return doc.vars().set(name, value);
  });
}

}  // extern "C"

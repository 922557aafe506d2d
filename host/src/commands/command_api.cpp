// acedCommandS and acedCmdS: host commands from (type, value) arguments.
#include <cstdarg>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "acedads.h"
#include "base/guarded_call.h"
#include "base/resbuf_kind.h"
#include "base/resbuf_list.h"
#include "commands/command_processor.h"
#include "core/session.h"

namespace host {

namespace {

CmdToken pointToken(const resbuf* rb) {
  CmdToken t;
  t.kind = CmdToken::Point;
  for (int i = 0; i < 3; ++i) t.point[i] = rb->resval.rpoint[i];
  if (rb->restype == RTPOINT) {
    // A 2D point lies at the current elevation.
    Document* doc = session().currentPtr();
    const SysVar* elev = doc ? doc->vars().find("ELEVATION") : nullptr;
    t.point[2] = elev ? elev->r : 0.0;
  }
  return t;
}

// Arguments as the command line takes them. False, with a message, for a value
// no prompt can take (T, a list other than (entity point), an unknown type).
bool toTokens(const resbuf* rb, std::vector<CmdToken>& out) {
  for (; rb; rb = rb->rbnext) {
    CmdToken t;
    switch (rb->restype) {
      case RTSTR: t = CmdToken::ofText(rb->resval.rstring ? rb->resval.rstring : ""); break;
      case RTREAL:
      case RTANG:
      case RTORINT:
        t.kind = CmdToken::Number;
        t.number = rb->resval.rreal;
        break;
      case RTSHORT:
        t.kind = CmdToken::Number;
        t.number = rb->resval.rint;
        break;
      case RTLONG:
        t.kind = CmdToken::Number;
        t.number = rb->resval.rlong;
        break;
      case RTPOINT:
      case RT3DPOINT: t = pointToken(rb); break;
      case RTENAME:
      case RTPICKS:
        t.kind = rb->restype == RTENAME ? CmdToken::Entity : CmdToken::Set;
        t.name[0] = rb->resval.rlname[0];
        t.name[1] = rb->resval.rlname[1];
        break;
      case RTNIL:
      case RTNONE:
      case RTVOID: continue;  // nil arguments are skipped
      case RTLB: {
        // (entity point): an object picked at a point, as entsel gives it.
        const resbuf* e = rb->rbnext;
        const resbuf* p = e ? e->rbnext : nullptr;
        const resbuf* close = p ? p->rbnext : nullptr;
        if (e && e->restype == RTENAME && p && (p->restype == RTPOINT || p->restype == RT3DPOINT) &&
            close && close->restype == RTLE) {
          t.kind = CmdToken::Entity;
          t.name[0] = e->resval.rlname[0];
          t.name[1] = e->resval.rlname[1];
          for (int i = 0; i < 3; ++i) t.point[i] = p->resval.rpoint[i];
          t.hasPoint = true;
          rb = close;
          break;
        }
        session().print("** command: seule une liste (objet point) peut servir d'argument **\n");
        return false;
      }
      default:
        session().print("** command: argument de type " + std::to_string(rb->restype) +
                        " refusé **\n");
        return false;
    }
    out.push_back(std::move(t));
  }
  return true;
}

int runCommands(const resbuf* rb, bool finish) {
  std::vector<CmdToken> tokens;
  if (!toTokens(rb, tokens)) return RTERROR;
  return commandProcessor().run(tokens, finish);
}

}  // namespace
}  // namespace host

extern "C" {

int acedCommandS(int rtype, ...) {
  va_list ap;
  va_start(ap, rtype);
  const int status = host::guardedCall(__func__, [&] {
    const host::RbList list = host::buildList(rtype, ap, /*endAtNone=*/true);
    return host::runCommands(list.get(), /*finish=*/true);
  });
  va_end(ap);
  return status;
}

// With no argument at all, cancels the command waiting for arguments, as
// (command) does; otherwise a command left waiting goes on at the next call.
int acedCmdS(const struct resbuf* rb) {
  return host::guardedCall(__func__, [&] {
    if (!rb) {
      host::commandProcessor().cancel();
      return RTNORM;
    }
    return host::runCommands(rb, /*finish=*/false);
  });
}

}  // extern "C"

// Result buffers: allocation, release, building and copying.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "acedads.h"
#include "base/guarded_call.h"
#include "base/resbuf_kind.h"
#include "base/resbuf_list.h"

namespace host {

RbKind resbufKind(int t) {
  switch (t) {
    case RTREAL:
    case RTANG:
    case RTORINT: return RbKind::Real;
    case RTPOINT:
    case RT3DPOINT: return RbKind::Point;
    case RTSHORT: return RbKind::Short;
    case RTLONG: return RbKind::Long;
    case RTSTR: return RbKind::Text;
    case RTENAME:
    case RTPICKS: return RbKind::Name;
    case RTDXF0: return RbKind::Text;
    case RTNONE:
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTVOID: return RbKind::None;
    default: break;
  }
  if (t == -1 || t == -2) return RbKind::Name;
  if (t == -4 || t == -3) return t == -4 ? RbKind::Text : RbKind::None;
  if (t >= 0 && t <= 9) return RbKind::Text;
  if (t == 38 || t == 39) return RbKind::Real;  // elevation and thickness
  if (t >= 10 && t <= 39) return RbKind::Point;
  if (t >= 40 && t <= 59) return RbKind::Real;
  if (t >= 60 && t <= 79) return RbKind::Short;
  if (t >= 90 && t <= 99) return RbKind::Long;
  if (t >= 100 && t <= 109) return RbKind::Text;
  if (t >= 110 && t <= 139) return RbKind::Point;
  if (t >= 140 && t <= 149) return RbKind::Real;
  if (t >= 160 && t <= 169) return RbKind::Int64;
  if (t >= 170 && t <= 179) return RbKind::Short;
  if (t >= 210 && t <= 239) return RbKind::Point;
  if (t >= 270 && t <= 299) return RbKind::Short;
  if (t >= 300 && t <= 309) return RbKind::Text;
  if (t >= 310 && t <= 319) return RbKind::Binary;
  if (t >= 320 && t <= 329) return RbKind::Text;
  if (t >= 330 && t <= 369) return RbKind::Name;  // owners and other objects, by name
  if (t >= 370 && t <= 389) return RbKind::Short;
  if (t >= 390 && t <= 399) return RbKind::Text;
  if (t >= 400 && t <= 409) return RbKind::Short;
  if (t >= 410 && t <= 419) return RbKind::Text;
  if (t >= 420 && t <= 429) return RbKind::Long;
  if (t >= 430 && t <= 439) return RbKind::Text;
  if (t >= 440 && t <= 459) return RbKind::Long;
  if (t >= 460 && t <= 469) return RbKind::Real;
  if (t >= 470 && t <= 479) return RbKind::Text;
  if (t == 999) return RbKind::Text;
  if (t >= 1000 && t <= 1003) return RbKind::Text;
  if (t == 1004) return RbKind::Binary;
  if (t >= 1005 && t <= 1009) return RbKind::Text;
  if (t >= 1010 && t <= 1039) return RbKind::Point;
  if (t >= 1040 && t <= 1059) return RbKind::Real;
  if (t >= 1060 && t <= 1070) return RbKind::Short;
  if (t == 1071) return RbKind::Long;
  return RbKind::None;
}

RbList buildList(int type, va_list ap, bool endAtNone) {
  RbListBuilder list;
  while (type != 0 && !(endAtNone && type == RTNONE)) {
    resbuf* rb = nullptr;
    switch (resbufKind(type)) {
      case RbKind::Real: list.add(type)->resval.rreal = va_arg(ap, double); break;
      case RbKind::Point: {
        const double* p = va_arg(ap, const double*);
        rb = list.add(type);
        if (p) {
          rb->resval.rpoint[0] = p[0];
          rb->resval.rpoint[1] = p[1];
          rb->resval.rpoint[2] = type == RTPOINT ? 0.0 : p[2];
        }
        break;
      }
      case RbKind::Short: list.addInt(type, va_arg(ap, int)); break;
      case RbKind::Long: list.add(type)->resval.rlong = va_arg(ap, int); break;
      case RbKind::Int64: list.add(type)->resval.mnInt64 = va_arg(ap, int64_t); break;
      case RbKind::Text: {
        const char* text = va_arg(ap, const char*);
        list.addText(type == RTDXF0 ? 0 : type, text ? text : "");
        break;
      }
      case RbKind::Name: {
        const int64_t* n = va_arg(ap, const int64_t*);
        rb = list.add(type);
        if (n) {
          rb->resval.rlname[0] = n[0];
          rb->resval.rlname[1] = n[1];
        }
        break;
      }
      case RbKind::Binary: {
        const ads_binary* b = va_arg(ap, const ads_binary*);
        const bool some = b && b->clen > 0 && b->buf;
        list.addBytes(type, some ? b->buf : nullptr, some ? static_cast<size_t>(b->clen) : 0);
        break;
      }
      case RbKind::None: list.add(type); break;
    }
    type = va_arg(ap, int);
  }
  return list.take();
}

RbList copyList(const resbuf* rb) {
  RbListBuilder list;
  for (; rb; rb = rb->rbnext) {
    const RbKind k = resbufKind(rb->restype);
    if (k == RbKind::Text) {
      if (rb->resval.rstring)
        list.addText(rb->restype, rb->resval.rstring);
      else
        list.add(rb->restype);
    } else if (k == RbKind::Binary) {
      list.addBytes(rb->restype, rb->resval.rbinary.buf,
                    rb->resval.rbinary.buf && rb->resval.rbinary.clen > 0
                        ? static_cast<size_t>(rb->resval.rbinary.clen)
                        : 0);
    } else {
      list.add(rb->restype)->resval = rb->resval;
    }
  }
  return list.take();
}

}  // namespace host

using host::RbKind;

extern "C" {

resbuf* acutNewRb(int type) {
  return host::guardedCall(__func__, [&]() -> resbuf* {
    resbuf* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    if (rb) rb->restype = static_cast<short>(type);
    return rb;
  });
}

int acutRelRb(resbuf* rb) {
  return host::guardedCall(__func__, [&]() -> int {
    while (rb) {
      resbuf* next = rb->rbnext;
      const RbKind k = host::resbufKind(rb->restype);
      if (k == RbKind::Text)
        std::free(rb->resval.rstring);
      else if (k == RbKind::Binary)
        std::free(rb->resval.rbinary.buf);
      std::free(rb);
      rb = next;
    }
    return RTNORM;
  });
}

resbuf* acutBuildList(int rtype, ...) {
  va_list ap;
  va_start(ap, rtype);
  // Ends at 0 or at RTNONE, as the host's documentation allows either.
  resbuf* list =
      host::guardedCall(__func__, [&] { return host::buildList(rtype, ap, true).release(); });
  va_end(ap);
  return list;
}

}  // extern "C"

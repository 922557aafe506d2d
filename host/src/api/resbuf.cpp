// Result buffers: allocation, release, building and copying.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "acedads.h"
#include "api/resbuf_kind.h"
#include "core/session.h"

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
  if (t >= 320 && t <= 369) return RbKind::Text;
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

static char* copyText(const char* s) {
  if (!s) s = "";
  const size_t n = std::strlen(s) + 1;
  char* d = static_cast<char*>(std::malloc(n));
  std::memcpy(d, s, n);
  return d;
}

resbuf* buildListV(int type, va_list ap, bool endAtNone) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  while (type != 0 && !(endAtNone && type == RTNONE)) {
    resbuf* rb = acutNewRb(type == RTDXF0 ? 0 : type);
    switch (resbufKind(type)) {
      case RbKind::Real: rb->resval.rreal = va_arg(ap, double); break;
      case RbKind::Point: {
        const double* p = va_arg(ap, const double*);
        if (p) {
          rb->resval.rpoint[0] = p[0];
          rb->resval.rpoint[1] = p[1];
          rb->resval.rpoint[2] = type == RTPOINT ? 0.0 : p[2];
        }
        break;
      }
      case RbKind::Short: rb->resval.rint = static_cast<short>(va_arg(ap, int)); break;
      case RbKind::Long: rb->resval.rlong = va_arg(ap, int); break;
      case RbKind::Int64: rb->resval.mnInt64 = va_arg(ap, int64_t); break;
      case RbKind::Text: rb->resval.rstring = copyText(va_arg(ap, const char*)); break;
      case RbKind::Name: {
        const int64_t* n = va_arg(ap, const int64_t*);
        if (n) {
          rb->resval.rlname[0] = n[0];
          rb->resval.rlname[1] = n[1];
        }
        break;
      }
      case RbKind::Binary: {
        const ads_binary* b = va_arg(ap, const ads_binary*);
        if (b && b->clen > 0 && b->buf) {
          rb->resval.rbinary.clen = b->clen;
          rb->resval.rbinary.buf = static_cast<char*>(std::malloc(b->clen));
          std::memcpy(rb->resval.rbinary.buf, b->buf, b->clen);
        }
        break;
      }
      case RbKind::None: break;
    }
    *tail = rb;
    tail = &rb->rbnext;
    type = va_arg(ap, int);
  }
  return head;
}

resbuf* copyList(const resbuf* rb) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (; rb; rb = rb->rbnext) {
    resbuf* c = acutNewRb(rb->restype);
    c->resval = rb->resval;
    const RbKind k = resbufKind(rb->restype);
    if (k == RbKind::Text) {
      c->resval.rstring = rb->resval.rstring ? copyText(rb->resval.rstring) : nullptr;
    } else if (k == RbKind::Binary) {
      c->resval.rbinary.buf = nullptr;
      if (rb->resval.rbinary.buf && rb->resval.rbinary.clen > 0) {
        c->resval.rbinary.buf = static_cast<char*>(std::malloc(rb->resval.rbinary.clen));
        std::memcpy(c->resval.rbinary.buf, rb->resval.rbinary.buf, rb->resval.rbinary.clen);
      }
    }
    *tail = c;
    tail = &c->rbnext;
  }
  return head;
}

}  // namespace host

using host::RbKind;

extern "C" {

resbuf* acutNewRb(int type) {
  resbuf* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(resbuf* rb) {
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
}

resbuf* acutBuildList(int rtype, ...) {
  va_list ap;
  va_start(ap, rtype);
  // Ends at 0 or at RTNONE, as the host's documentation allows either.
  resbuf* list = host::buildListV(rtype, ap, true);
  va_end(ap);
  return list;
}

int acutPrintf(const ACHAR* format, ...) {
  if (!format) return 0;
  va_list ap;
  va_start(ap, format);
  va_list copy;
  va_copy(copy, ap);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n < 0) {
    va_end(ap);
    return n;
  }
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, ap);
  va_end(ap);
  text.resize(static_cast<size_t>(n));
  host::session().print(text);
  return n;
}

int acedPrompt(const ACHAR* text) {
  if (text) host::session().print(text);
  return RTNORM;
}

}  // extern "C"

// Omvala: map views. A small module of its own (no framework): three LISP
// functions that drive the host's mapping service.
#include <string>
#include <vector>

#include "acedads.h"
#include "framework/liste_resbuf.h"
#include "mapview/generation_vue.h"
#include "mapview/service_ade.h"
#include "rxapi.h"

namespace {

constexpr char kIdentite[] = "RovudMV12Arx 1.0";

enum Fonction { kPrepareVue, kGenereVue, kDebugVue };
constexpr const char* kNoms[] = {"PrepareVue", "GenereVue", "DebugVue"};

void definitFonctions() {
  for (int code = kPrepareVue; code <= kDebugVue; ++code)
    if (acedDefun(kNoms[code], code) != RTNORM)
      acutPrintf("\n\nAttention, fonction %s non chargée !", kNoms[code]);
  acutPrintf("\n\nAttention, %s chargé", kIdentite);
}

int niveauErreur() {
  const auto r = mapview::appelleAde(mapview::kAdeErrGetLevel, framework::ListeResbuf());
  if (!r) return -1002;
  const resbuf* rb = r->get();
  if (rb && rb->restype == RTLB) rb = rb->rbnext;
  if (!rb || (rb->restype != RTSHORT && rb->restype != RTLONG)) return -1003;
  return rb->restype == RTSHORT ? rb->resval.rint : static_cast<int>(rb->resval.rlong);
}

void metNiveauErreur(int niveau) {
  mapview::appelleAde(mapview::kAdeErrSetLevel,
                      framework::ListeResbuf(acutBuildList(RTSHORT, niveau, 0)));
}

const char* texte(const resbuf* rb) {
  return rb && rb->restype == RTSTR && rb->resval.rstring ? rb->resval.rstring : nullptr;
}

// The points of the list that opens at `debut`, as far as its closing item;
// what is not a point is skipped.
std::vector<framework::Point3D> pointsDe(const resbuf* debut) {
  std::vector<framework::Point3D> points;
  int profondeur = 0;
  for (const resbuf* rb = debut; rb; rb = rb->rbnext) {
    if (rb->restype == RTLB) {
      ++profondeur;
    } else if (rb->restype == RTLE) {
      if (--profondeur == 0) break;
    } else if (profondeur == 1 && (rb->restype == RTPOINT || rb->restype == RT3DPOINT)) {
      points.push_back({rb->resval.rpoint[0], rb->resval.rpoint[1],
                        rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0.0});
    }
  }
  return points;
}

void invoque() {
  const framework::ListeResbuf arguments(acedGetArgs());
  const int niveau = niveauErreur();
  if (mapview::modeDebug()) acutPrintf("\n\nNiveau d'erreur %d", niveau);
  metNiveauErreur(2);
  const resbuf* a = arguments.get();
  const char* alias = texte(a);
  const char* dessins = a ? texte(a->rbnext) : nullptr;
  switch (acedGetFunCode()) {
    case kPrepareVue:
      if (alias && dessins) mapview::prepare(alias, dessins);
      break;
    case kGenereVue: {
      const resbuf* limite = dessins ? a->rbnext->rbnext : nullptr;
      if (alias && dessins && limite && limite->restype == RTLB)
        mapview::genere(alias, dessins, pointsDe(limite));
      break;
    }
    case kDebugVue:
      mapview::modeDebug() = !mapview::modeDebug();
      acutPrintf("\nDebug : %d", mapview::modeDebug() ? 1 : 0);
      break;
    default: break;
  }
  metNiveauErreur(niveau);
  acedRetNil();
}

}  // namespace

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(pkt);
      acrxDynamicLinker->registerAppMDIAware(pkt);
      definitFonctions();
      break;
    case AcRx::kLoadDwgMsg: definitFonctions(); break;
    case AcRx::kUnloadAppMsg: acutPrintf("\n\nAttention, %s déchargé", kIdentite); break;
    case AcRx::kInvkSubrMsg: invoque(); break;
    default: break;
  }
  return AcRx::kRetOK;
}

ACRX_MODULE_EXPORT int acrxGetApiVersion() { return ACRX_API_VERSION; }

// Asked for by hosts that hand modules a pointer table; nothing to keep here.
ACRX_MODULE_EXPORT void _SetacrxPtp(void*) {}

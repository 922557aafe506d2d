#include "mapview/service_ade.h"

#include "mapapi.h"

namespace mapview {

namespace {

// The first element of a result, inside its list when it is one.
const resbuf* premier(const ListeResbuf& r) {
  const resbuf* rb = r.get();
  return rb && rb->restype == RTLB ? rb->rbnext : rb;
}

}  // namespace

std::optional<ListeResbuf> appelleAde(int numero, const ListeResbuf& arguments) {
  auto* service = static_cast<AcMapAdeService*>(acrxServiceLookup("Map_Class"));
  if (!service) return std::nullopt;
  resbuf* resultat = nullptr;
  const int ok = service->execute(numero, arguments.get(), &resultat);
  ListeResbuf liste(resultat);
  if (ok != 1) return std::nullopt;
  return liste;
}

bool nonNil(const std::optional<ListeResbuf>& r) {
  return r && r->get() && r->get()->restype != RTNIL;
}

std::optional<double> reelDe(const std::optional<ListeResbuf>& r) {
  if (!r) return std::nullopt;
  const resbuf* rb = premier(*r);
  if (!rb || rb->restype != RTREAL) return std::nullopt;
  return rb->resval.rreal;
}

std::optional<std::string> texteDe(const std::optional<ListeResbuf>& r) {
  if (!r) return std::nullopt;
  const resbuf* rb = premier(*r);
  if (!rb || rb->restype != RTSTR || !rb->resval.rstring) return std::nullopt;
  return std::string(rb->resval.rstring);
}

ListeResbuf texteArg(const std::string& s) {
  return ListeResbuf(acutBuildList(RTSTR, s.c_str(), 0));
}

ListeResbuf reelArg(double v) { return ListeResbuf(acutBuildList(RTREAL, v, 0)); }

}  // namespace mapview

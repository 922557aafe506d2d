#include "road/appel_api.h"

#include "acedads.h"

namespace road::api {

ArgumentsAppel::ArgumentsAppel() : liste_(acedGetArgs()) {
  int profondeur = 0;
  for (const resbuf* rb = liste_.get(); rb; rb = rb->rbnext) {
    if (profondeur == 0 && rb->restype != RTLE && rb->restype != RTDOTE) items_.push_back(rb);
    if (rb->restype == RTLB)
      ++profondeur;
    else if (rb->restype == RTLE && profondeur > 0)
      --profondeur;
  }
}

std::optional<std::string> ArgumentsAppel::texte(size_t i) const {
  if (i >= items_.size() || items_[i]->restype != RTSTR || !items_[i]->resval.rstring)
    return std::nullopt;
  return std::string(items_[i]->resval.rstring);
}

std::optional<int32_t> ArgumentsAppel::entier(size_t i) const {
  if (i >= items_.size()) return std::nullopt;
  const resbuf* rb = items_[i];
  if (rb->restype == RTSHORT) return rb->resval.rint;
  if (rb->restype == RTLONG) return static_cast<int32_t>(rb->resval.rlong);
  return std::nullopt;
}

std::optional<double> ArgumentsAppel::reel(size_t i) const {
  if (i >= items_.size()) return std::nullopt;
  const resbuf* rb = items_[i];
  if (rb->restype == RTREAL) return rb->resval.rreal;
  if (const auto e = entier(i)) return static_cast<double>(*e);
  return std::nullopt;
}

std::optional<double> ArgumentsAppel::reelSeul(size_t i) const {
  if (i >= items_.size() || items_[i]->restype != RTREAL) return std::nullopt;
  return items_[i]->resval.rreal;
}

namespace {

bool estPoint(const resbuf* rb) { return rb->restype == RTPOINT || rb->restype == RT3DPOINT; }

framework::Point3D pointDe(const resbuf* rb) {
  return {rb->resval.rpoint[0], rb->resval.rpoint[1],
          rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0.0};
}

}  // namespace

std::optional<framework::Point3D> ArgumentsAppel::point(size_t i) const {
  if (i >= items_.size() || !estPoint(items_[i])) return std::nullopt;
  return pointDe(items_[i]);
}

std::optional<std::vector<framework::Point3D>> ArgumentsAppel::listePoints(size_t i) const {
  std::vector<framework::Point3D> points;
  if (i < items_.size() && items_[i]->restype == RTNIL) return points;  // the empty list
  if (i >= items_.size() || items_[i]->restype != RTLB) return std::nullopt;
  for (const resbuf* rb = items_[i]->rbnext; rb; rb = rb->rbnext) {
    if (rb->restype == RTLE) return points;
    if (!estPoint(rb)) return std::nullopt;
    points.push_back(pointDe(rb));
  }
  return std::nullopt;
}

std::unique_ptr<PROJETTALVEX> ouvreProjet() { return PROJETTALVEX::ouvre(std::nullopt, 0); }

}  // namespace road::api

// A host command of any length, built argument by argument and run at once
// ("_3DPOLY" and its points, ended by "" or "_C").
#pragma once
#include "adsdef.h"
#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"

namespace tools3d {

class COMMANDE_HOTE {
 public:
  COMMANDE_HOTE& texte(const char* t);
  COMMANDE_HOTE& point(const framework::Point3D& p);
  COMMANDE_HOTE& selection(const ads_name ss);
  // Runs the command; the host's status.
  int execute();

 private:
  void ajoute(resbuf* rb);
  framework::ListeResbuf liste_;
  resbuf* dernier_ = nullptr;
};

}  // namespace tools3d

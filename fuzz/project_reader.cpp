// Any bytes as a road project file: the reader must load what it can, report
// the rest and never crash or loop; what it loaded must write out; and what
// it read whole must write a file that reads whole again, to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>

#include "framework/error_stream.h"
#include "road/projet_talvex.h"
#include "road/registre_objets.h"

namespace {

class TamponNul : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TamponNul nul;
  static const bool pret = [] {
    framework::fluxErreur().rdbuf(&nul);
    road::REGISTRE_OBJETS::enregistreTout();
    return true;
  }();
  (void)pret;

  std::istringstream entree(std::string(reinterpret_cast<const char*>(data), size));
  // Quiet: nothing is published, there is no drawing to publish to.
  road::PROJETTALVEX projet(1);
  projet.lis(entree);
  std::ostringstream sortie;
  projet.ecrit(sortie);
  if (!projet.lectureComplete()) return 0;

  std::istringstream relu(sortie.str());
  road::PROJETTALVEX encore(1);
  encore.lis(relu);
  std::ostringstream reecrit;
  encore.ecrit(reecrit);
  if (!encore.lectureComplete() || reecrit.str() != sortie.str()) std::abort();
  return 0;
}

// The 3D drafting tools measured against peers in the same run:
//   a) the point-set triangulation on N and 4N scattered points (density 1,
//      search radius 4): time ratio, goal <= 5, and on N points the faces of
//      the indexed search against those of the plain scan (all identical);
//   b) "talus_arx" in cadhost on a crest of 10,000 vertices with 10 toes,
//      against drawing as many LINE entities with the LINE command from LISP
//      (both less a run that only builds the drawing).
//
//   bench_tools3d [--points N] [--sans-talus]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "chrono_banc.h"
#include "framework/identite_module.h"
#include "tools3d/triangulation_semis.h"
#include "triangulation_balayage.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{
      "Banc", "1.00", "MV12", "C:Banc", "Banc outils 3D", "", "1.0", "https://exemple.test",
      -1,     false,  false};
  return kIdentite;
}

}  // namespace framework

namespace {

using tools3d::Point3D;

const char* verdict(double ratio, double but) { return ratio <= but ? "ok" : "MISSED"; }

std::vector<Point3D> semis(size_t n, unsigned graine) {
  std::mt19937 gen(graine);
  const double cote = std::sqrt(static_cast<double>(n));
  std::uniform_real_distribution<double> u(0, cote);
  std::vector<Point3D> p;
  for (size_t i = 0; i < n; ++i) {
    const double x = u(gen), y = u(gen);
    p.push_back({600000 + x, 6500000 + y, 100 + 0.1 * x + 2 * std::sin(0.05 * y)});
  }
  return p;
}

struct FACES : tools3d::ECOUTE_TRIANGULATION {
  std::vector<balayage::FACE> faces;
  void face(const Point3D& a, const Point3D& b, const Point3D& c) override {
    faces.push_back({a, b, c});
  }
  void contour(int, int, int, const Point3D&, const Point3D&) override {}
  void progression(size_t, size_t) override {}
  bool interrompu() override { return false; }
};

// Elapsed seconds of cadhost running `script` in `dossier`; negative when it
// failed or did not print `marque`.
double lanceCadhost(const std::filesystem::path& cadhost, const std::filesystem::path& dossier,
                    const std::string& nom, const std::string& script, const std::string& marque) {
  std::ofstream(dossier / nom) << script;
  const std::string commande = "cd '" + dossier.string() + "' && '" + cadhost.string() +
                               "' --load talvex '" + nom + "' > '" +
                               (dossier / "sortie.txt").string() + "' 2>&1";
  int statut = 0;
  const double t = seconds([&] { statut = std::system(commande.c_str()); });
  std::ifstream sortie(dossier / "sortie.txt");
  const std::string texte((std::istreambuf_iterator<char>(sortie)), {});
  return statut == 0 && texte.find(marque) != std::string::npos ? t : -1.0;
}

// A crest of 10,000 vertices 0.5 apart, gently waving, and 10 toes of 1,000
// vertices each along stretches of it, 5 to 7 units away.
const char* const kDessinTalus =
    "(defun poly (pts)"
    " (entmake (list '(0 . \"POLYLINE\") '(66 . 1) '(70 . 8) '(10 0.0 0.0 0.0)))"
    " (foreach p pts (entmake (list '(0 . \"VERTEX\") (cons 10 p) '(70 . 32))))"
    " (entmake '((0 . \"SEQEND\")))"
    " (ssname (ssget \"X\" '((0 . \"POLYLINE\"))) (1- (sslength (ssget \"X\" '((0 . "
    "\"POLYLINE\")))))))\n"
    "(setq i 0 l nil)\n"
    "(repeat 10000 (setq l (cons (list (* 0.5 i) (sin (* 0.002 i)) 100.0) l) i (1+ i)))\n"
    "(setq crete (poly (reverse l)) pieds (ssadd) k 0)\n"
    "(repeat 10 (setq i 0 l nil)"
    " (repeat 1000 (setq l (cons (list (+ (* 500.0 k) (* 0.5 i)) (- (sin (* 0.002 (+ i (* 1000 "
    "k)))) 5.0 (rem k 3))"
    " 95.0) l) i (1+ i)))"
    " (ssadd (poly (reverse l)) pieds) (setq k (1+ k)))\n"
    "(setq ECHL&& 1000 COEFLGT 0.4)\n";

}  // namespace

int main(int argc, char** argv) {
  size_t n = 10000;
  bool talus = true;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--points") && i + 1 < argc) n = std::strtoul(argv[++i], nullptr, 10);
    if (!std::strcmp(argv[i], "--sans-talus")) talus = false;
  }

  // a) Triangulation: N and 4N points, then the plain scan on N.
  constexpr double kRayon = 4.0;
  const auto petit = semis(n, 1), grand = semis(4 * n, 2);
  FACES fp, fg;
  const double tp = seconds([&] { tools3d::trianguleSemis(petit, kRayon, fp); });
  const double tg = seconds([&] { tools3d::trianguleSemis(grand, kRayon, fg); });
  std::printf("a) tria_ads %zu points: %.3f s (%zu faces); %zu points: %.3f s (%zu faces)\n", n, tp,
              fp.faces.size(), 4 * n, tg, fg.faces.size());
  std::printf("   ratio 4N/N %.2f (goal <= 5: %s)\n", tg / tp, verdict(tg / tp, 5));
  std::vector<balayage::FACE> reference;
  const double tb = seconds([&] { reference = balayage::triangule(petit, kRayon); });
  std::printf("   plain scan on %zu points: %.3f s, %zu faces, %s (indexed/scan time %.3f)\n", n,
              tb, reference.size(), reference == fp.faces ? "identical" : "DIFFERENT", tp / tb);

  // b) talus_arx against as many LINE commands, in cadhost.
  if (!talus) return 0;
  char exe[4096] = {};
  const ssize_t lu = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
  const std::filesystem::path cadhost =
      std::filesystem::path(std::string(exe, lu > 0 ? static_cast<size_t>(lu) : 0)).parent_path() /
      "cadhost";
  const auto dossier =
      std::filesystem::temp_directory_path() / ("bench_tools3d_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dossier);
  const std::string fin =
      "(princ (strcat \"lignes \" (itoa (if (setq s (ssget \"X\" '((0 . \"LINE\")))) (sslength s) "
      "0)) \"\\n\"))\n(princ)\n";
  const double t0 =
      lanceCadhost(cadhost, dossier, "dessin.lsp", std::string(kDessinTalus) + fin, "lignes");
  const double t1 =
      lanceCadhost(cadhost, dossier, "talus.lsp",
                   std::string(kDessinTalus) + "(talus_arx crete pieds)\n" + fin, "lignes");
  std::ifstream sortie(dossier / "sortie.txt");
  const std::string texte((std::istreambuf_iterator<char>(sortie)), {});
  const size_t at = texte.find("lignes ");
  const long lignes =
      at == std::string::npos ? 0 : std::strtol(texte.c_str() + at + 7, nullptr, 10);
  const double t2 = lanceCadhost(
      cadhost, dossier, "lignes.lsp",
      std::string(kDessinTalus) + "(setq i 0)\n(repeat " + std::to_string(lignes) +
          " (command \"_LINE\" (list (* 0.1 i) 0.0 100.0) (list (* 0.1 i) -1.0 99.0) \"\")"
          " (setq i (1+ i)))\n" +
          fin,
      "lignes");
  std::filesystem::remove_all(dossier);
  if (t0 < 0 || t1 < 0 || t2 < 0 || lignes == 0) {
    std::printf("b) cadhost failed\n");
    return 1;
  }
  std::printf(
      "b) talus_arx, crest of 10000 vertices and 10 toes: %ld lines in %.3f s; %ld LINE "
      "commands from LISP: %.3f s (drawing built in %.3f s)\n",
      lignes, t1 - t0, lignes, t2 - t0, t0);
  std::printf("   ratio talus / LINE commands %.2f\n", (t1 - t0) / (t2 - t0));
  return 0;
}

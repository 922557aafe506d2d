// The terrain mesh measured against peers in the same run:
//   a) the whole build (construitMaillage: merge, split, guarded Triangle,
//      storing the triangles in the grid) against a direct triangulate() on
//      the same merged and split input, in time and in peak memory (goal <= 2
//      each). The build's peak is the larger of its own and of Triangle's
//      child, which counts the pages it shares with the build;
//   b) the build at N/4 and N points (time ratio, goal <= 4.6);
//   c) zEn through the grid on the N-point mesh against a 10k-point mesh
//      (time per lookup ratio, goal <= 3);
//   d) "zpoint" called from a LISP loop in cadhost: two runs with K and 2K
//      calls, the difference divided by K (microseconds a call).
// Each measure runs in a process of its own, forked from a small parent, so
// that its peak resident size starts from what it holds itself.
//
//   bench_terrain [--points N] [--segments S] [--lookups L] [--zpoint K]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chrono_banc.h"
#include "framework/error_stream.h"
#include "terrain/construction_maillage.h"
#include "terrain/maillage.h"
#include "triangle_direct.h"

namespace {

constexpr double kX0 = 600000.0, kY0 = 6500000.0, kCote = 10000.0;

double mm(double v) { return std::round(v * 1000.0) / 1000.0; }

// Resident size now, and the peaks of this process and of its waited-for
// children, in MB.
double residentMo() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1048576.0;
}
// Processor time of this process and of its waited-for children: steadier
// than elapsed time on a shared machine.
double processeur() {
  double t = 0;
  for (const int qui : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage r{};
    ::getrusage(qui, &r);
    t += r.ru_utime.tv_sec + r.ru_stime.tv_sec + 1e-6 * (r.ru_utime.tv_usec + r.ru_stime.tv_usec);
  }
  return t;
}
double picMo(int qui) {
  rusage r{};
  ::getrusage(qui, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;
}

// Scattered surveyed points with random heights over a 10 km square at
// national-grid offsets, then breaklines of 5 to 60 m in any direction (some
// cross), their ends on a gentle plane so that the heights a crossing gets
// from its two segments agree.
struct Donnees {
  std::vector<double> xyz;       // x, y, z a point
  std::vector<uint32_t> lignes;  // point numbers, two a breakline
  size_t nombrePoints() const { return xyz.size() / 3; }
};

Donnees genere(size_t points, size_t segments, uint64_t graine) {
  std::mt19937_64 aleas(graine);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  Donnees d;
  const size_t epars = points > 2 * segments ? points - 2 * segments : 0;
  d.xyz.reserve(3 * (epars + 2 * segments));
  for (size_t k = 0; k < epars; ++k) {
    d.xyz.push_back(mm(kX0 + kCote * u(aleas)));
    d.xyz.push_back(mm(kY0 + kCote * u(aleas)));
    d.xyz.push_back(mm(100.0 + 50.0 * u(aleas)));
  }
  auto plan = [](double x, double y) { return mm(100.0 + 0.001 * (x - kX0) + 0.002 * (y - kY0)); };
  for (size_t k = 0; k < segments; ++k) {
    const double x = kX0 + 60.0 + (kCote - 120.0) * u(aleas);
    const double y = kY0 + 60.0 + (kCote - 120.0) * u(aleas);
    const double longueur = 5.0 + 55.0 * u(aleas), angle = 2.0 * M_PI * u(aleas);
    const double x2 = mm(x + longueur * std::cos(angle)), y2 = mm(y + longueur * std::sin(angle));
    const auto n = static_cast<uint32_t>(d.nombrePoints());
    for (const double v : {mm(x), mm(y), plan(x, y), x2, y2, plan(x2, y2)}) d.xyz.push_back(v);
    d.lignes.push_back(n);
    d.lignes.push_back(n + 1);
  }
  return d;
}

// What reading the drawing does: every point, then each breakline between
// its own two points.
void charge(terrain::MAILLAGE& m, const Donnees& d) {
  std::vector<terrain::PT_MAILLE*> pts(d.nombrePoints());
  for (size_t k = 0; k < pts.size(); ++k)
    pts[k] = m.ajoutePoint(terrain::VECTEUR(d.xyz[3 * k], d.xyz[3 * k + 1], d.xyz[3 * k + 2]));
  for (size_t k = 0; k + 1 < d.lignes.size(); k += 2)
    m.ajouteSegment(pts[d.lignes[k]], pts[d.lignes[k + 1]]);
}

terrain::PARAMETRES_CONSTRUCTION parametres() {
  terrain::PARAMETRES_CONSTRUCTION p;
  p.mode = 0;
  p.distanceMax = 0.0;
  p.doubleZ = false;
  return p;
}

// Runs f in a child process; what it writes to its file comes back as text.
std::string dansUnProcessus(const std::function<void(std::FILE*)>& f) {
  std::FILE* tmp = std::tmpfile();
  if (!tmp) return {};
  std::fflush(stdout);
  const pid_t pid = ::fork();
  if (pid == 0) {
    f(tmp);
    std::fflush(tmp);
    ::_exit(0);
  }
  int statut = 0;
  if (pid > 0) ::waitpid(pid, &statut, 0);
  std::rewind(tmp);
  std::string texte;
  char tampon[4096];
  size_t lu;
  while ((lu = std::fread(tampon, 1, sizeof tampon, tmp)) > 0) texte.append(tampon, lu);
  std::fclose(tmp);
  return texte;
}

std::vector<double> nombres(const std::string& texte) {
  std::vector<double> v;
  std::istringstream s(texte);
  for (double x; s >> x;) v.push_back(x);
  return v;
}

// The input Triangle gets from the build: the points merged and the
// crossing segments split, numbered as the build numbers them.
struct EntreeDirecte {
  std::vector<double> xy, z;
  std::vector<int> segments;
};

void ecrisEntreeDecoupee(const Donnees& d, std::FILE* sortie) {
  terrain::MAILLAGE m;
  charge(m, d);
  m.construitGrille();
  m.fusionnePoints();
  m.decoupeSegments();
  m.numerote();
  const uint64_t n = m.index().size(), s = m.segments().size();
  std::fwrite(&n, sizeof n, 1, sortie);
  std::fwrite(&s, sizeof s, 1, sortie);
  for (const terrain::PT_MAILLE* p : m.index()) {
    const double v[3] = {p->x, p->y, p->z};
    std::fwrite(v, sizeof v, 1, sortie);
  }
  for (const terrain::SEG_MAILLE* seg : terrain::ordreDeListe(m.segments())) {
    const int v[2] = {seg->a->numero, seg->b->numero};
    std::fwrite(v, sizeof v, 1, sortie);
  }
}

bool litEntreeDecoupee(const std::string& octets, EntreeDirecte& e) {
  uint64_t n = 0, s = 0;
  if (octets.size() < 2 * sizeof n) return false;
  std::memcpy(&n, octets.data(), sizeof n);
  std::memcpy(&s, octets.data() + sizeof n, sizeof s);
  if (octets.size() != 2 * sizeof n + n * 3 * sizeof(double) + s * 2 * sizeof(int)) return false;
  const char* c = octets.data() + 2 * sizeof n;
  for (uint64_t k = 0; k < n; ++k, c += 3 * sizeof(double)) {
    double v[3];
    std::memcpy(v, c, sizeof v);
    e.xy.push_back(v[0]);
    e.xy.push_back(v[1]);
    e.z.push_back(v[2]);
  }
  e.segments.resize(2 * s);
  std::memcpy(e.segments.data(), c, e.segments.size() * sizeof(int));
  return true;
}

// Direct call: seconds, peak growth (MB), triangles.
std::vector<double> mesureDirecte(const EntreeDirecte& e) {
  return nombres(dansUnProcessus([&](std::FILE* sortie) {
    const double base = residentMo();
    triangulateio entree{};
    entree.pointlist = const_cast<double*>(e.xy.data());
    entree.numberofpoints = static_cast<int>(e.z.size());
    entree.pointattributelist = const_cast<double*>(e.z.data());
    entree.numberofpointattributes = 1;
    entree.segmentlist = const_cast<int*>(e.segments.data());
    entree.numberofsegments = static_cast<int>(e.segments.size() / 2);
    triangulateio out{};
    char options[] = "pczAeQ";
    const double cpu = processeur();
    const double t = seconds([&] { triangulate(options, &entree, &out, nullptr); });
    const double tCpu = processeur() - cpu;
    const int triangles = out.numberoftriangles;
    const double pic = picMo(RUSAGE_SELF) - base;
    libere(out);
    std::fprintf(sortie, "%.6f %.3f %d %.6f\n", t, pic, triangles, tCpu);
  }));
}

// The build of d: load and build seconds, peak growth of this process and of
// the Triangle child (MB), growth held by the mesh (MB), triangles; then,
// when `lookups` > 0, seconds for that many zEn and how many found a height.
std::vector<double> mesureConstruction(const Donnees& d, size_t lookups) {
  return nombres(dansUnProcessus([&](std::FILE* sortie) {
    std::ostringstream messages;
    framework::fluxErreur().rdbuf(messages.rdbuf());
    const double base = residentMo();
    terrain::MAILLAGE m;
    const double tCharge = seconds([&] { charge(m, d); });
    bool ok = false;
    const double cpu = processeur();
    const double tConstruit = seconds([&] { ok = terrain::construitMaillage(m, parametres()); });
    const double tCpu = processeur() - cpu;
    const double picSoi = picMo(RUSAGE_SELF) - base;
    const double picEnfant = picMo(RUSAGE_CHILDREN) - base;
    const double tenu = residentMo() - base;
    std::fprintf(sortie, "%.6f %.6f %.3f %.3f %.3f %zu %.6f\n", tCharge, tConstruit, picSoi,
                 picEnfant, tenu, ok ? m.nombreTriangles() : 0, tCpu);
    if (lookups == 0) return;
    std::mt19937_64 aleas(11);
    std::uniform_real_distribution<double> u(100.0, kCote - 100.0);
    std::vector<double> xy(2 * lookups);
    for (double& c : xy) c = u(aleas);
    size_t trouves = 0;
    double somme = 0.0;
    const double tZ = seconds([&] {
      for (size_t k = 0; k < lookups; ++k) {
        double z = 0.0;
        if (m.zEn(kX0 + xy[2 * k], kY0 + xy[2 * k + 1], z)) {
          ++trouves;
          somme += z;
        }
      }
    });
    std::fprintf(sortie, "%.6f %zu %.3f\n", tZ, trouves, somme);
  }));
}

// cadhost beside this program, running a script with `appels` zpoint calls
// on a mesh of a few thousand points; elapsed seconds, negative on failure.
double lanceZpoint(const std::filesystem::path& cadhost, const std::filesystem::path& dossier,
                   long appels) {
  const auto script = dossier / ("zpoint_" + std::to_string(appels) + ".lsp");
  std::ofstream(script)
      << "(setq CHEMINOM \"banc_terrain\")\n"
         "(setq i 0)\n"
         "(repeat 60 (setq j 0)\n"
         "  (repeat 60\n"
         "    (entmake (list '(0 . \"POINT\") '(8 . \"TN\")\n"
         "      (list 10 (+ 600000.0 (* i 10.0) (* 0.37 j)) (+ 6500000.0 (* j "
         "10.0) (* 0.29 i))\n"
         "            (+ 100.0 (* 0.1 i) (* 0.05 j) (* 0.3 (sin (* 0.7 i)))))))\n"
         "    (setq j (1+ j)))\n"
         "  (setq i (1+ i)))\n"
         "(setq LSTCALQ3D '(\"TN\"))\n"
         "(mailleterrain \"U\")\n"
         "(setq k 0 s 0.0)\n"
         "(repeat "
      << appels
      << "\n"
         "  (setq s (+ s (caddr (zpoint (list (+ 600010.0 (* 0.013 (rem k 40000)))"
         " (+ 6500010.0 (* 0.011 (rem k 50000))) 0.0))))\n"
         "        k (1+ k)))\n"
         "(princ (strcat \"zpoint-somme \" (rtos s 2 3) \"\\n\"))\n"
         "(princ)\n";
  const std::string commande = "cd '" + dossier.string() + "' && '" + cadhost.string() +
                               "' --load talvex '" + script.string() + "' > '" +
                               (dossier / "sortie.txt").string() + "' 2>&1";
  int statut = 0;
  const double t = seconds([&] { statut = std::system(commande.c_str()); });
  std::ifstream sortie(dossier / "sortie.txt");
  const std::string texte((std::istreambuf_iterator<char>(sortie)), {});
  return statut == 0 && texte.find("zpoint-somme") != std::string::npos ? t : -1.0;
}

const char* verdict(double ratio, double but) { return ratio <= but ? "ok" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
  size_t points = 1000000, segments = 40000, lookups = 1000000;
  long zpoint = 200000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--points")) points = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--segments")) segments = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--lookups")) lookups = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--zpoint")) zpoint = std::strtol(argv[i + 1], nullptr, 10);
  }
  bool bon = true;

  // a) build against the direct call, on the same merged and split input.
  {
    const Donnees d = genere(points, segments, 5);
    EntreeDirecte e;
    if (!litEntreeDecoupee(dansUnProcessus([&](std::FILE* f) { ecrisEntreeDecoupee(d, f); }), e)) {
      std::printf("split input: not produced\n");
      return 1;
    }
    const std::vector<double> direct = mesureDirecte(e);
    const std::vector<double> construit = mesureConstruction(d, lookups);
    // Seven figures for the build, three more with lookups.
    if (direct.size() != 4 || construit.size() != (lookups > 0 ? 10u : 7u)) {
      std::printf("a measuring process failed\n");
      return 1;
    }
    std::printf(
        "a) %zu points, %zu breaklines -> %zu points and %zu segments after merge and split\n",
        d.nombrePoints(), d.lignes.size() / 2, e.z.size(), e.segments.size() / 2);
    std::printf(
        "   triangulate() direct (floor)  %8.3f s (processor %.3f s)  peak +%7.1f MB  %.0f "
        "triangles\n",
        direct[0], direct[3], direct[1], direct[2]);
    std::printf(
        "   construitMaillage             %8.3f s (processor %.3f s)  peak +%7.1f MB (Triangle's "
        "child +%.1f MB)  %.0f triangles\n",
        construit[1], construit[6], construit[2], construit[3], construit[5]);
    std::printf(
        "   loading the points into the mesh (not in the ratio) %.3f s; mesh held +%.1f MB\n",
        construit[0], construit[4]);
    const double rTemps = construit[1] / direct[0];
    const double rMemoire = std::max(construit[2], construit[3]) / direct[1];
    const double rCpu = construit[6] / direct[3];
    std::printf(
        "   build/direct: time %.2f, processor %.2f (goal <= 2.0) %s, peak memory %.2f "
        "(goal <= 2.0) %s\n",
        rTemps, rCpu, verdict(std::min(rTemps, rCpu), 2.0), rMemoire, verdict(rMemoire, 2.0));
    bon = bon && construit[5] > 0;

    // c) lookups on this mesh against a 10k-point one.
    const std::vector<double> petit = mesureConstruction(genere(10000, 400, 6), lookups);
    if (petit.size() == 10 && lookups > 0) {
      const double big = construit[7] / lookups * 1e9, small = petit[7] / lookups * 1e9;
      std::printf(
          "c) zEn x %zu: %zu-point mesh %.0f ns (%.0f found), 10k-point mesh %.0f ns "
          "(%.0f found)\n",
          lookups, points, big, construit[8], small, petit[8]);
      std::printf("   ratio %.2f (goal <= 3) %s\n", big / small, verdict(big / small, 3.0));
    }

    // b) scaling: a quarter of the points and breaklines.
    const std::vector<double> quart = mesureConstruction(genere(points / 4, segments / 4, 7), 0);
    if (quart.size() == 7) {
      const double r = construit[1] / quart[1], rCpu = construit[6] / quart[6];
      std::printf(
          "b) build %zu points %.3f s (processor %.3f s), %zu points %.3f s (processor "
          "%.3f s): ratio %.2f, processor %.2f (goal <= 4.6) %s\n",
          points / 4, quart[1], quart[6], points, construit[1], construit[6], r, rCpu,
          verdict(std::min(r, rCpu), 4.6));
    }
  }

  // d) zpoint from LISP: two runs of cadhost, K and 2K calls.
  if (zpoint > 0) {
    char exe[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    const std::filesystem::path cadhost =
        std::filesystem::path(std::string(exe, n > 0 ? static_cast<size_t>(n) : 0)).parent_path() /
        "cadhost";
    const auto dossier =
        std::filesystem::temp_directory_path() / ("bench_terrain_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    const double t1 = lanceZpoint(cadhost, dossier, zpoint);
    const double t2 = lanceZpoint(cadhost, dossier, 2 * zpoint);
    if (t1 < 0 || t2 < 0) {
      std::printf("d) cadhost failed (see %s)\n", (dossier / "sortie.txt").c_str());
      bon = false;
    } else {
      std::printf(
          "d) cadhost, mesh of 3600 points: %ld zpoint %.3f s, %ld zpoint %.3f s: "
          "%.2f us a call\n",
          zpoint, t1, 2 * zpoint, t2, (t2 - t1) / zpoint * 1e6);
      std::filesystem::remove_all(dossier);
    }
  }
  return bon ? 0 : 1;
}

#include "terrain/triangulation.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <triangle.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <string_view>

#include "terrain/descripteur.h"

namespace terrain {
namespace {

// The child's exit codes besides 0, chosen away from those Triangle and the C
// library use.
constexpr int kArretParTriangle = 86;  // Triangle called exit()
constexpr int kEcritureImpossible = 87;
constexpr int kLancementImpossible = 88;

// The framing on the pipe: a head of six int64 (magic, points, attributes a
// point, triangles, corners a triangle, edges), the arrays as Triangle holds
// them, and a closing int64. Both ends are the same program on the same machine.
constexpr int64_t kMagique = 0x54726961'6e676c65;  // "Triangle"
constexpr int64_t kFin = 0x46696e2d'54726961;      // "Fin-Tria"

// Triangle counts in int: two triangles and three edges a point must still fit.
constexpr size_t kPointsMax = std::numeric_limits<int>::max() / 4;

const char* const kPrefixe = "Triangulation impossible : ";

// Switches that would change the numbering or the content of the result, or
// that need input this call does not take.
constexpr std::string_view kOptionsRefusees = "rvNEjoh";

bool prepareOptions(const std::string& demandees, std::string& options, std::string& erreur) {
  for (const char c : demandees) {
    if (kOptionsRefusees.find(c) != std::string_view::npos) {
      erreur = std::string(kPrefixe) + "l'option de triangulation « " + c +
               " » n'est pas prise en charge.";
      return false;
    }
  }
  options = demandees;
  if (options.find('z') == std::string::npos) options += 'z';
  if (options.find('Q') == std::string::npos) options += 'Q';
  return true;
}

bool verifieEntree(const EntreeTriangulation& in, std::string& erreur) {
  const std::string prefixe = kPrefixe;
  if (in.xy.size() % 2 != 0) {
    erreur = prefixe + "nombre impair de coordonnées (" + std::to_string(in.xy.size()) + ").";
    return false;
  }
  const size_t n = in.xy.size() / 2;
  if (n > kPointsMax) {
    erreur = prefixe + "trop de points (" + std::to_string(n) + ", au plus " +
             std::to_string(kPointsMax) + ").";
    return false;
  }
  if (in.z.size() != n) {
    erreur =
        prefixe + std::to_string(in.z.size()) + " altitudes pour " + std::to_string(n) + " points.";
    return false;
  }
  for (size_t i = 0; i < n; ++i) {
    if (!std::isfinite(in.xy[2 * i]) || !std::isfinite(in.xy[2 * i + 1]) ||
        !std::isfinite(in.z[i])) {
      erreur = prefixe + "le point " + std::to_string(i) + " a une coordonnée non finie.";
      return false;
    }
  }
  if (in.segments.size() % 2 != 0 ||
      in.segments.size() / 2 > static_cast<size_t>(std::numeric_limits<int>::max())) {
    erreur = prefixe + "liste de segments mal formée (" + std::to_string(in.segments.size()) +
             " numéros).";
    return false;
  }
  for (size_t k = 0; k < in.segments.size(); ++k) {
    const int p = in.segments[k];
    if (p < 0 || static_cast<size_t>(p) >= n) {
      erreur = prefixe + "le segment " + std::to_string(k / 2) + " relie le point " +
               std::to_string(p) + ", qui n'existe pas.";
      return false;
    }
  }
  return true;
}

// Fewer than three points, or all in one place: Triangle would stop its
// process, while the answer is simply a mesh without triangles.
bool degenere(const EntreeTriangulation& in) {
  const size_t n = in.z.size();
  if (n < 3) return true;
  for (size_t i = 1; i < n; ++i)
    if (in.xy[2 * i] != in.xy[0] || in.xy[2 * i + 1] != in.xy[1]) return false;
  return true;
}

// The child's address space when it starts, as RLIMIT_AS counts it.
size_t tailleVirtuelle() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  unsigned long pages = 0;
  const int lus = std::fscanf(f, "%lu", &pages);
  std::fclose(f);
  return lus == 1 ? pages * static_cast<size_t>(::sysconf(_SC_PAGESIZE)) : 0;
}

// Triangle leaves through exit(): without this, the caller's atexit handlers
// and static destructors would run in the child, on copies of the caller's
// state (files, temporary folders). Registered last, it runs first.
void arretParTriangle() {
  std::fflush(stdout);  // Triangle's message, for the parent to read
  ::_exit(kArretParTriangle);
}

bool ecrisResultat(int fd, const triangulateio& out, bool aretes) {
  const int64_t points = out.pointlist ? out.numberofpoints : 0;
  const int64_t attributs = out.pointattributelist ? out.numberofpointattributes : 0;
  const int64_t triangles = out.trianglelist ? out.numberoftriangles : 0;
  const int64_t aretesEcrites = aretes && out.edgelist ? out.numberofedges : 0;
  const int64_t tete[] = {kMagique,     points, attributs, triangles, out.numberofcorners,
                          aretesEcrites};
  return ecrisTout(fd, tete, sizeof tete) &&
         ecrisTout(fd, out.pointlist, points * 2 * sizeof(double)) &&
         ecrisTout(fd, out.pointattributelist, points * attributs * sizeof(double)) &&
         ecrisTout(fd, out.trianglelist, triangles * out.numberofcorners * sizeof(int)) &&
         ecrisTout(fd, out.edgelist, aretesEcrites * 2 * sizeof(int)) &&
         ecrisTout(fd, &kFin, sizeof kFin);
}

// Runs in the child: nothing here returns to the caller's code.
[[noreturn]] void calculeDansLeFils(int ecriture, int texte, size_t limite,
                                    const EntreeTriangulation& in, std::string& options,
                                    bool aretes) {
  // Triangle's messages go to the text file, or nowhere: never to the host's output.
  const int sortie = texte >= 0 ? texte : ::open("/dev/null", O_WRONLY);
  if (sortie < 0 || ::dup2(sortie, STDOUT_FILENO) < 0) ::_exit(kLancementImpossible);
  if (std::atexit(arretParTriangle) != 0) ::_exit(kLancementImpossible);
  if (limite > 0) {
    rlimit r{};
    if (::getrlimit(RLIMIT_AS, &r) != 0) ::_exit(kLancementImpossible);
    rlim_t v = limite;
    if (r.rlim_cur != RLIM_INFINITY) v = std::min(v, r.rlim_cur);
    r.rlim_cur = v;
    if (::setrlimit(RLIMIT_AS, &r) != 0) ::_exit(kLancementImpossible);
  }

  triangulateio entree{};
  entree.pointlist = const_cast<double*>(in.xy.data());
  entree.numberofpoints = static_cast<int>(in.z.size());
  entree.pointattributelist = const_cast<double*>(in.z.data());
  entree.numberofpointattributes = 1;
  entree.segmentlist = const_cast<int*>(in.segments.data());
  entree.numberofsegments = static_cast<int>(in.segments.size() / 2);
  triangulateio sortieTriangle{};
  triangulate(options.data(), &entree, &sortieTriangle, nullptr);

  ::_exit(ecrisResultat(ecriture, sortieTriangle, aretes) ? 0 : kEcritureImpossible);
}

// Reads `n` items, a count already checked. The room is reserved once (no
// copies as the vector grows) but only touched as the data actually arrives,
// through a small buffer rather than over zeros.
template <class T>
bool lisTableau(int fd, std::vector<T>& v, size_t n) {
  constexpr size_t kMorceau = (size_t{1} << 16) / sizeof(T);
  T morceau[kMorceau];
  v.clear();
  v.reserve(n);
  while (v.size() < n) {
    const size_t k = std::min(n - v.size(), kMorceau);
    if (!lisTout(fd, morceau, k * sizeof(T))) return false;
    v.insert(v.end(), morceau, morceau + k);
  }
  return true;
}

bool numerosValides(const std::vector<int>& numeros, size_t points) {
  return std::all_of(numeros.begin(), numeros.end(),
                     [&](int p) { return p >= 0 && static_cast<size_t>(p) < points; });
}

// The child's whole result, checked before use: counts within what a planar
// triangulation of the points allows, the input points unchanged in front,
// every number naming a point, the closing mark, then the end of the data.
bool lisResultat(int fd, const EntreeTriangulation& in, bool aretes, ResultatTriangulation& r) {
  int64_t tete[6];
  if (!lisTout(fd, tete, sizeof tete) || tete[0] != kMagique) return false;
  const int64_t points = tete[1], attributs = tete[2], triangles = tete[3], coins = tete[4],
                nAretes = tete[5];
  const int64_t entree = static_cast<int64_t>(in.z.size());
  if (points < entree || points > static_cast<int64_t>(kPointsMax) || attributs != 1 ||
      coins != 3 || triangles < 0 || triangles > 2 * points || nAretes < 0 ||
      nAretes > 3 * points || (!aretes && nAretes != 0))
    return false;
  const auto np = static_cast<size_t>(points);
  if (!lisTableau(fd, r.xy, 2 * np) || !lisTableau(fd, r.z, np) ||
      !lisTableau(fd, r.triangles, 3 * static_cast<size_t>(triangles)) ||
      !lisTableau(fd, r.aretes, 2 * static_cast<size_t>(nAretes)))
    return false;
  if (!std::equal(in.xy.begin(), in.xy.end(), r.xy.begin()) ||
      !std::equal(in.z.begin(), in.z.end(), r.z.begin()))
    return false;
  if (!numerosValides(r.triangles, np) || !numerosValides(r.aretes, np)) return false;
  int64_t fin = 0;
  return lisTout(fd, &fin, sizeof fin) && fin == kFin && finDesDonnees(fd);
}

// The child, waited for whatever happens, after its pipe is closed: a child
// blocked on a full pipe then ends on SIGPIPE instead of waiting forever.
class ProcessusFils {
 public:
  ProcessusFils(pid_t pid, Descripteur lecture) : pid_(pid), lecture_(std::move(lecture)) {}
  ProcessusFils(const ProcessusFils&) = delete;
  ProcessusFils& operator=(const ProcessusFils&) = delete;
  ~ProcessusFils() { attends(); }

  int lecture() const { return lecture_.fd(); }

  // The wait status, or -1 when it cannot be known (SIGCHLD ignored by the
  // host: the system reaps the child itself).
  int attends() {
    lecture_.ferme();
    if (pid_ <= 0) return statut_;
    int statut = 0;
    pid_t r;
    do {
      r = ::waitpid(pid_, &statut, 0);
    } while (r < 0 && errno == EINTR);
    pid_ = 0;
    statut_ = r < 0 ? -1 : statut;
    return statut_;
  }

 private:
  pid_t pid_;
  Descripteur lecture_;
  int statut_ = -1;
};

// The last bytes Triangle printed: its error message, when it stopped.
std::string finDuTexte(int fd) {
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_size <= 0) return {};
  const off_t debut = std::max<off_t>(0, st.st_size - 4096);
  std::string texte(static_cast<size_t>(st.st_size - debut), '\0');
  ssize_t n;
  do {
    n = ::pread(fd, texte.data(), texte.size(), debut);
  } while (n < 0 && errno == EINTR);
  texte.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return texte;
}

std::string messageEchec(int statut, int texte) {
  const std::string prefixe = kPrefixe;
  if (statut != -1 && WIFEXITED(statut)) {
    switch (WEXITSTATUS(statut)) {
      case kArretParTriangle: {
        const std::string message = finDuTexte(texte);
        if (message.find("Out of memory") != std::string::npos)
          return prefixe + "la bibliothèque de triangulation s'est arrêtée, faute de mémoire.";
        if (!message.empty())
          return prefixe + "la bibliothèque de triangulation s'est arrêtée sur une erreur interne.";
        return prefixe + "la bibliothèque de triangulation s'est arrêtée (mémoire insuffisante ?).";
      }
      case kLancementImpossible:
        return prefixe + "le processus de triangulation n'a pas pu être préparé.";
      default: break;
    }
  } else if (statut != -1 && WIFSIGNALED(statut) && WTERMSIG(statut) != SIGPIPE) {
    return prefixe + "le processus de triangulation a été arrêté par le signal " +
           std::to_string(WTERMSIG(statut)) + " (mémoire insuffisante ?).";
  }
  return prefixe + "la bibliothèque de triangulation a rendu un résultat incomplet ou incohérent.";
}

bool triangulerDansUnFils(const EntreeTriangulation& in, std::string& options,
                          ResultatTriangulation& r, std::string& erreur,
                          const OptionsTriangulation& reglages) {
  const bool aretes = options.find('e') != std::string::npos;
  int tube[2];
  if (::pipe2(tube, O_CLOEXEC) != 0) {
    erreur = std::string(kPrefixe) + "le processus de triangulation n'a pas pu être lancé.";
    return false;
  }
  Descripteur lecture(tube[0]), ecriture(tube[1]);
  // Without it, Triangle's messages are simply dropped.
  const Descripteur texte(::memfd_create("triangle", MFD_CLOEXEC));
  const size_t limite =
      reglages.memoireMaxOctets > 0 ? tailleVirtuelle() + reglages.memoireMaxOctets : 0;

  // What the caller has still to print must not be printed again by the child.
  std::fflush(stdout);
  const pid_t pid = ::fork();
  if (pid == 0) {
    lecture.ferme();
    calculeDansLeFils(ecriture.fd(), texte.fd(), limite, in, options, aretes);
  }
  ecriture.ferme();
  if (pid < 0) {
    erreur = std::string(kPrefixe) + "le processus de triangulation n'a pas pu être lancé.";
    return false;
  }
  ProcessusFils fils(pid, std::move(lecture));
  const bool recu = lisResultat(fils.lecture(), in, aretes, r);
  const int statut = fils.attends();
  if (recu && (statut == -1 || (WIFEXITED(statut) && WEXITSTATUS(statut) == 0))) return true;
  erreur = messageEchec(statut, texte.fd());
  return false;
}

}  // namespace

bool trianguler(const EntreeTriangulation& in, ResultatTriangulation& out, std::string& erreur,
                const OptionsTriangulation& reglages) {
  try {
    std::string options;
    if (!verifieEntree(in, erreur) || !prepareOptions(in.options, options, erreur)) return false;
    if (degenere(in)) {
      ResultatTriangulation vide;
      vide.xy = in.xy;
      vide.z = in.z;
      out = std::move(vide);
      return true;
    }
    ResultatTriangulation r;
    if (!triangulerDansUnFils(in, options, r, erreur, reglages)) return false;
    out = std::move(r);
    return true;
  } catch (const std::bad_alloc&) {
    erreur = std::string(kPrefixe) + "mémoire insuffisante pour recevoir le résultat.";
  } catch (...) {
    erreur = std::string(kPrefixe) + "erreur inattendue.";
  }
  return false;
}

}  // namespace terrain

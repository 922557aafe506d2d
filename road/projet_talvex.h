// The road project: the alignments of one drawing with everything hung on
// them, and the terrain settings, read from and written to the project file
// (the drawing's base path + ".axs"). A project lives for one call: open,
// work, save when changed, destroy.
#pragma once
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/parametre.h"
#include "road/classes.h"

namespace road {

// Load states: nothing read yet, read without terrain block, read with one.
constexpr int kProjetNonLu = 0;
constexpr int kProjetSansTerrain = 1;
constexpr int kProjetAvecTerrain = 2;

// The project file named by the LISP symbol CHEMINOM + ".axs"; "defaut.axs"
// (with a message) when the symbol holds no text.
std::string nomFichierProjet();

class PROJETTALVEX {
 public:
  // An empty project with the terrain settings of "cc.ini".
  explicit PROJETTALVEX(int silencieux = 0);
  ~PROJETTALVEX();  // close: the whole tree goes with it
  PROJETTALVEX(const PROJETTALVEX&) = delete;
  PROJETTALVEX& operator=(const PROJETTALVEX&) = delete;

  // Makes a project and loads `fichier`, or the file derived from CHEMINOM.
  // Never null; a missing file gives an empty project (load state 0).
  static std::unique_ptr<PROJETTALVEX> ouvre(const std::optional<std::string>& fichier,
                                             int silencieux);

  // Remembers the name, empties the project and reads the file. False when
  // the file cannot be opened: missing (a save then creates it), or there but
  // unreadable (it is then never replaced).
  bool charge(const std::string& fichier);
  // The reading itself, on any stream (the file's, or a test's). Never throws.
  void lis(std::istream& entree);
  // False when the file was not read whole and cleanly: such a project is
  // never saved, for the save would lose what was not read.
  bool lectureComplete() const { return problemeLecture_.empty(); }
  const std::string& problemeLecture() const { return problemeLecture_; }
  // Every record reads back as it would be written (OBJET_ES::relisible).
  bool relisible() const;

  // Writes to `fichier`, else to the remembered name. The old file is
  // replaced only once the whole project was written beside it. Refused,
  // with a message naming the file and its first problem, when the project
  // was not read whole.
  bool sauve(const std::optional<std::string>& fichier = std::nullopt);
  // The file's content; true while the stream stays good.
  bool ecrit(std::ostream& sortie) const;

  // Alignments, in file order; names compare without ASCII case.
  AXE_EN_PLAN* trouveAxe(std::string_view nom);
  void ajouteAxe(std::unique_ptr<AXE_EN_PLAN> axe);
  // Takes the alignment out of the project and gives it to the caller (who
  // lets it go to destroy it); null when it is not in the project.
  std::unique_ptr<AXE_EN_PLAN> retireAxe(const AXE_EN_PLAN* axe);
  const std::vector<std::unique_ptr<AXE_EN_PLAN>>& axes() const { return axes_; }
  size_t nombreAxes() const { return axes_.size(); }

  // A quiet-0 project with "cc.ini"'s terrain and copies of the alignments.
  std::unique_ptr<PROJETTALVEX> duplique() const;

  const std::string& nomFichier() const { return fichier_; }
  int etatChargement() const { return etat_; }
  int silencieux() const { return silencieux_; }
  void fixeSilencieux(int silencieux) { silencieux_ = silencieux; }

  // ---- Terrain settings (the "3D-DONNEES-TERRAIN" block).
  framework::PARAMETRE& terrain() { return terrain_; }
  const framework::PARAMETRE& terrain() const { return terrain_; }
  double vMin();
  double vMax();
  double vNul();
  // Each setter publishes (unless quiet).
  void fixeVMin(double v);
  void fixeVMax(double v);
  void fixeVNul(double v);
  // The "PLANS3D" entries: one per 3D layer, key and value its name.
  framework::LISTE_PARAMETRES& calques3d();
  void remplaceCalques3d(const framework::LISTE_PARAMETRES& calques);
  // The 3D layers without the one named by CALQ_CBN, rebuilt on each call.
  framework::LISTE_PARAMETRES& calquesSelection();
  // Mirrors the settings into LSTCALQ3D and _NEVAZMIN/MAX/NUL unless quiet.
  void publie();

 private:
  // The records after the terrain block; true when a terrain block was seen.
  bool lisEnregistrements(std::istream& entree);

  std::vector<std::unique_ptr<AXE_EN_PLAN>> axes_;
  framework::LISTE_PARAMETRES calquesSelection_;
  framework::PARAMETRE terrain_;
  std::string fichier_;
  std::string problemeLecture_;  // the first, empty when read whole
  int silencieux_ = 0;
  int etat_ = kProjetNonLu;
};

}  // namespace road

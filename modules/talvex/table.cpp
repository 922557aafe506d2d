// Talvex's function table, in declaration order (function codes follow it).
#include "earthworks/fonctions_cubature.h"
#include "framework/fonction_arx.h"
#include "framework/fonctions_communes.h"
#include "framework/point_entree.h"
#include "landxml/fonctions_landxml.h"
#include "road/api_ecriture.h"
#include "road/api_lecture.h"
#include "road/calques_gel.h"
#include "road/commandes_terrain.h"
#include "talvex/reacteur_editeur.h"
#include "terrain/fonctions_terrain.h"
#include "tools3d/fonctions_outils3d.h"
#include "update/verification_maj.h"

namespace {

using framework::FONCTION_ARX;
using framework::kGardeEnvironnement;
using framework::kSansAccrochage;
using framework::kToujoursDisponible;

resbuf* initialisation(int32_t) {
  framework::changeTitre("TALVEX");
  return nullptr;
}

FONCTION_ARX evenementChargement(framework::kDessinCharge, initialisation,
                                 "Initialisation de TALVEX");
// Road API: the file-format test, then the writing functions.
FONCTION_ARX testes("testes", road::testeES, "test es", kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX ecriInfo0("ecri_info_0", road::CreationAxe, "Creation de l'axe", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX ecriInfo1("ecri_info_1", road::EcritureTabulation, "Ecriture tabulation",
                       kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX ecriInfo2("ecri_info_2", road::ModifTabulation, "Modif tabulation",
                       kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX ecriInfo3("ecri_info_3", road::CreationAxePL, "Creation axe PL", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX ecriInfo4("ecri_info_4", road::CreationAxe3D, "Creation axe 3D", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX ecriInfo5("ecri_info_5", road::EcritureES, "Ecriture es", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX ecriInfo9("ecri_info_9", road::EcritureSC, "Ecriture sc", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX ecriInfo8("ecri_info_8", road::ModifPT, "Modif pt", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX modifNmap("modif_nmap", road::ModifNomAxePlan, "Modif nom axe plan",
                       kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX modifNmal("modif_nmal", road::ModifNomAxeLong, "Modif nom axe long",
                       kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX modifPremprof("modif_premprof", road::ModifNumProf, "Modif num prof",
                           kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX modifAbscd("modif_abscd", road::ModifAbsDebut, "Modif Abs Num", kToujoursDisponible,
                        kGardeEnvironnement);
FONCTION_ARX suppAxep("supp_axep", road::SupprAxePlan, "Suppr Axe Plan", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX suppAxel("supp_axel", road::SupprAxeLong, "Suppr Axe Long", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX effaceAxs("efface_axs", road::SupprFichAxs, "Suppr Fich Axs", kToujoursDisponible,
                       kGardeEnvironnement);
FONCTION_ARX copieAxs("copie_axs", road::CopieAxs, "Copie Axs", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX renomeAxs("renome_axs", road::RenommeAxs, "Renomme Axs", kToujoursDisponible,
                       kGardeEnvironnement);
// Road API: reading functions.
FONCTION_ARX lecInfo0("lec_info_0", road::selectionAxe, "Selection axe", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX lecInfo1("lec_info_1", road::lectureProfLPT, "Lecture prof lpt", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX lecInfo2("lec_info_2", road::handlePT2PosPT, "Handle pt 2 pos pt", kToujoursDisponible,
                      kGardeEnvironnement);
FONCTION_ARX lecInfo3("lec_info_3", road::selectionAxeLong, "Selection axe long",
                      kToujoursDisponible, kGardeEnvironnement);
FONCTION_ARX lecInfo9("lec_info_9", road::lectureLPTCons, "Lecture lpt cons", kToujoursDisponible,
                      kGardeEnvironnement);
// The 3D tools' entries come here, before the point export.
FONCTION_ARX talusArx("talus_arx", tools3d::talus_arx, "Talus", kToujoursDisponible,
                      kSansAccrochage);
FONCTION_ARX dec3dArx("dec3d_arx", tools3d::dec3d_arx, "Talus", kToujoursDisponible,
                      kSansAccrochage);
FONCTION_ARX c3dDep("c3d_dep", tools3d::c3d_dep, "Calcul plateforme", kToujoursDisponible,
                    kSansAccrochage);
FONCTION_ARX depPlgfos("dep_plgfos", tools3d::dep_plgfos, "Calcul plateforme avec deport",
                       kToujoursDisponible, kSansAccrochage);
FONCTION_ARX triaAds("tria_ads", tools3d::tria_ads, "Triangulation", kToujoursDisponible,
                     kSansAccrochage);
FONCTION_ARX talvexexppt("talvexexppt", road::exportPt19, "Export pt", kToujoursDisponible,
                         kGardeEnvironnement);
// Layer freeze and thaw.
FONCTION_ARX geleTout("gele_tout", road::geleTout,
                      "Gele tous les plans sauf 0, talvex, c3d_symb et le courant",
                      kToujoursDisponible, kSansAccrochage);
FONCTION_ARX libereTout("libere_tout", road::libereTout,
                        "Libere les calques sauf *_ap, *_ta, *_za, *_al, courant, nomaxe",
                        kToujoursDisponible, kSansAccrochage);
// The terrain mesh and the terrain settings.
FONCTION_ARX ini3dterrain("ini3dterrain", terrain::ini3dterrain,
                          "Initialise la liste des calques 3D et autres données",
                          kToujoursDisponible, kSansAccrochage);
FONCTION_ARX mailleterrain("mailleterrain", terrain::mailleterrain,
                           "Maillage du terrain avec les calques 3D du C.C.", kToujoursDisponible,
                           kSansAccrochage);
FONCTION_ARX affichemaille("affichemaille", terrain::affichemaille, "Affichage du maillage",
                           kToujoursDisponible, kSansAccrochage);
FONCTION_ARX infomaille("infomaille", terrain::infomaille,
                        "Retourne le nombre de triangles du maillage", kToujoursDisponible,
                        kSansAccrochage);
FONCTION_ARX zpoint("zpoint", terrain::zpoint, "Donne le Z d'un point sur le maillage",
                    kToujoursDisponible, kSansAccrochage);
FONCTION_ARX decoupeseg("decoupeseg", terrain::decoupeseg,
                        "Découpe un segment sur les lignes des calques 3D du C.C.",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX calzlimite("calzlimite", terrain::calzlimite, "Calcul du Z Min et Z Max du dessin",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX courbesniveau("courbesniveau", terrain::courbesniveau, "Courbes de niveau du maillage",
                           kToujoursDisponible, kSansAccrochage);
FONCTION_ARX exportlandxml("exportlandxml", landxml::exportlandxml,
                           "Export LandXML du maillage et des axes", kToujoursDisponible,
                           kSansAccrochage);
FONCTION_ARX importlandxml("importlandxml", landxml::importlandxml,
                           "Import LandXML des surfaces en faces 3D", kToujoursDisponible,
                           kSansAccrochage);
FONCTION_ARX ihmzlimite("ihmzlimite", road::ihmzlimite, "Affiche les Z min et max enregistrés",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX ihmcc("ihmcc", road::ihmcc, "Gestion des calques 3D", kToujoursDisponible,
                   kSansAccrochage);
// Earthworks.
FONCTION_ARX cubeterrain("cubeterrain", earthworks::cubeterrain, "Cube maillage plantn planprj",
                         kToujoursDisponible, kSansAccrochage);
FONCTION_ARX lignept("lignept", earthworks::lignept, "Calcul sed remb", kToujoursDisponible,
                     kSansAccrochage);

// The help command, "c:aproposde", "c:exetopo", "c:multiclient", "c:sauvedwg".
framework::FONCTIONS_COMMUNES communes;
// Automatic updates; kept out of an undo group, whose command would start a check of its own.
FONCTION_ARX gestmaj("_gestmaj", maj::gestionMiseAJour,
                     "on/off/ini : active/desactive ou test la mise a jour automatique",
                     kToujoursDisponible, kGardeEnvironnement);

}  // namespace

TALVEX_MODULE_EXPORTS()

// The main dialog "dremet" of "dremet.dcl", shown again after each window
// pick; returns the status it ended with (3 to 8 for its actions, 0 cancel).
#pragma once

namespace dem {

// Ending statuses of the main dialog.
enum StatutDremet {
  kArret = 0,
  kFenetre = 3,
  kFaces = 4,
  kLignes = 5,
  kVecteurs = 6,
  kPoints = 7,
  kPolyligne = 8,
};

int dialogueDremet(int idDcl);

}  // namespace dem

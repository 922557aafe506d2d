// The colour band dialog "mntcol" of "dremet.dcl": edits a working copy of
// the band table, copied back on OK.
#pragma once

namespace dem {

void dialogueBandes(int idDcl);

}  // namespace dem

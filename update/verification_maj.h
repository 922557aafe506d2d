// Talvex's update check: once per run, at the first host command after the module was loaded,
// it compares the installed version with the one published in the update directory, starts
// the updater when they differ, and records the workstation in the update directory's
// inventory. "_gestmaj" switches it off and on or forces it.
#pragma once
#include <cstdint>

struct resbuf;

namespace maj {

// 1 when the update directory and its version could be read, else 0. Without `force`, does
// nothing (and answers 1) once a check has run since the module was loaded.
int verifieMiseAJour(bool force);

// (_gestmaj "on" | "off" | "ini"): deletes the opt-out marker, writes it, or forces a check.
resbuf* gestionMiseAJour(int32_t);

}  // namespace maj

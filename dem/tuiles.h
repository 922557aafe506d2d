// Small helpers over the host's dialog calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "adsdlg.h"

namespace dem {

void poserTuile(ads_hdlg h, const std::string& cle, const std::string& valeur);
std::string lireTuile(ads_hdlg h, const std::string& cle);
// The whole text as a decimal integer (blanks around allowed); nothing otherwise.
std::optional<int64_t> entier(const std::string& texte);
// The band number that follows `prefixe` in the key of the tile that called.
std::optional<int> bandeAppelante(const ads_callback_packet* p, const char* prefixe);

}  // namespace dem

// The mapping extension's ADE functions, called by number through the service
// the host registers under "Map_Class".
#pragma once
#include <optional>
#include <string>

#include "framework/liste_resbuf.h"

namespace mapview {

using framework::ListeResbuf;

enum FonctionAde {
  kAdeDsList = 0,
  kAdeDsAttach = 2,
  kAdeDsDetach = 4,
  kAdeDwgActivate = 6,
  kAdeDwgDeactivate = 7,
  kAdeDwgIsActive = 8,
  kAdeQryClear = 27,
  kAdeQryDefine = 28,
  kAdeQryExecute = 29,
  kAdeQrySetType = 33,
  kAdeAliasAdd = 76,
  kAdeAliasUpdate = 78,
  kAdeAliasGetList = 79,
  kAdeErrGetLevel = 121,
  kAdeErrSetLevel = 122,
  kAdeDwgAliasPath = 143,
  kAdeDwgActualPath = 144,
};

// The result of a call that ran (possibly nil); none when the call failed or
// the service is not there.
std::optional<ListeResbuf> appelleAde(int numero, const ListeResbuf& arguments);

// Shapes of results relied on.
bool nonNil(const std::optional<ListeResbuf>& r);
std::optional<double> reelDe(const std::optional<ListeResbuf>& r);
std::optional<std::string> texteDe(const std::optional<ListeResbuf>& r);

// Arguments.
ListeResbuf texteArg(const std::string& s);
ListeResbuf reelArg(double v);

}  // namespace mapview

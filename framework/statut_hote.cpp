#include "framework/statut_hote.h"

#include <ostream>

#include "acedads.h"
#include "framework/error_stream.h"

namespace framework {
namespace {

// Indexed by ERRNO.
const char* const kMessagesErrno[] = {
    "Normal status; no error noted.",
    "Invalid symbol table name.",
    "Invalid name (entity or selection set) value.",
    "Exceeded max number of selection sets.",
    "Invalid selection set.",
    "Improper use of Block Definition entity.",
    "Improper use of Xref entity.",
    "Entity selection failure by pick.",
    "End of entity file.",
    "End of Block Definition file.",
    "Failure of eidlast.",
    "Illegal entdel of Viewport.",
    "Operation not allowed during PLINE.",
    "Invalid handle.",
    "Handles not enabled.",
    "Invalid TRANS request.",
    "Invalid space trans request.",
    "Invalid use of deleted entity.",
    "Invalid table name.",
    "Invalid table function argument.",
    "Attempt to set read-only variable.",
    "Zero value invalid.",
    "Value out of range.",
    "Complex regen in progress.",
    "Attempt to change entity type.",
    "Bad layer name.",
    "Bad linetype name.",
    "Bad color name.",
    "Bad text style name.",
    "Bad shape name.",
    "Bad field for entity type.",
    "Attempted entmod of deleted entity.",
    "Attempted entmod of SEQEND.",
    "Attempt to change handle.",
    "Illegal modification of viewport visibility.",
    "Entity on locked layer.",
    "Bad entity type.",
    "Bad PLINE entity.",
    "Incomplete complex entity in block.",
    "Invalid block name field.",
    "Duplicate block flag fields.",
    "Duplicate block name fields.",
    "Bad normal vector.",
    "Missing block name.",
    "Missing block flags.",
    "Invalid anonymous block.",
    "Invalid Block Definition entity.",
    "Mandatory field missing.",
    "Unrecognized extended data type.",
    "Improper nesting of list in Xdata.",
    "Improper location of APPID field.",
    "Exceeded maximum Xdata size.",
    "Entity selection failure by null response.",
    "Duplicate application name in Xdata.",
    "Attempt to make or modify Viewport entity.",
    "Attempt to make an Xref or dependent symbol.",
    "Bad ssget filter: unterminated clause.",
    "Bad ssget filter: missing test operand.",
    "Bad ssget filter: invalid test operation string.",
    "Bad ssget filter: empty clause or improper nesting.",
    "Bad ssget filter: begin/end clause mismatch.",
    "Bad ssget filter: wrong number of XOR/NOT operands.",
    "Bad ssget filter: maximum nesting level exceeded.",
    "Bad ssget filter: invalid group code.",
    "Bad ssget filter: invalid string test.",
    "Bad ssget filter: invalid vector test.",
    "Bad ssget filter: invalid real test.",
    "Bad ssget filter: invalid integer test.",
    "Digitizer isn't a tablet",
    "Tablet isn't calibrated.",
    "Invalid arguments to (TABLET) function.",
    "Not enough memory to allocate resbuf.",
    "NULL Pointer was provided as an argument.",
    "The specified file can't be opened.",
    "The specified application is already loaded.",
    "The maximum number of loaded ADS apps has been reached.",
    "The specified application could not be executed.",
    "The ADS app has an incompatible version number.",
    "The ADS app is active or nested and can't be unloaded.",
    "The ADS application refused to XUNLOAD.",
    "The specified ADS application is not loaded.",
    "Insuficient memory to load ADS application.",
    "Invalid transformation matrix.",
    "Invalid symbol name.",
    "Invalid symbol value.",
    "Operation not allowed while a dialogue box is active.",
};

constexpr int kNombreMessages = static_cast<int>(sizeof kMessagesErrno / sizeof kMessagesErrno[0]);

}  // namespace

const char* messageErrno(int numero) {
  if (numero < 0 || numero >= kNombreMessages) return "Erreur Inconnue";
  return kMessagesErrno[numero];
}

int verifieStatut(int statut) {
  switch (statut) {
    case RTNORM:
    case RTKWORD: return 0;
    case RTERROR: {
      resbuf rb{};
      if (acedGetVar("ERRNO", &rb) != RTNORM || (rb.restype != RTSHORT && rb.restype != RTLONG)) {
        fluxErreur() << "Probleme variable ERRNO" << std::endl;
        return 1;
      }
      const int numero = rb.restype == RTSHORT ? rb.resval.rint : rb.resval.rlong;
      if (numero == 0) return 0;
      fluxErreur() << "Erreur AutoCAD numero " << numero << std::endl;
      fluxErreur() << messageErrno(numero) << std::endl;
      return 1;
    }
    case RTCAN: fluxErreur() << "Break utilisateur" << std::endl; return 1;
    case RTREJ: fluxErreur() << "Donnees invalides" << std::endl; return 1;
    case RTFAIL: fluxErreur() << "Lien casse (Lisp ?)" << std::endl; return 1;
    default: return 1;
  }
}

}  // namespace framework

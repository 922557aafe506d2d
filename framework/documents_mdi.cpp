#include "framework/documents_mdi.h"

#include <algorithm>
#include <ostream>

#include "framework/error_stream.h"

namespace framework {
namespace {

std::unique_ptr<DOCUMENTS_MDI>& instance() {
  static std::unique_ptr<DOCUMENTS_MDI> i;
  return i;
}

}  // namespace

DOCUMENTS_MDI::DOCUMENTS_MDI() {
  acDocManager->addReactor(this);
  courant_ = trouve(acDocManager->curDocument(), true);
}

DOCUMENTS_MDI::~DOCUMENTS_MDI() {
  enregistrements_.clear();
  acDocManager->removeReactor(this);
}

DOCUMENT_MODULE* DOCUMENTS_MDI::trouve(AcApDocument* doc, bool cree) {
  if (!doc) return nullptr;
  for (auto& e : enregistrements_)
    if (e->document == doc) return e.get();
  if (!cree) return nullptr;
  enregistrements_.push_back(std::make_unique<DOCUMENT_MODULE>());
  enregistrements_.back()->document = doc;
  return enregistrements_.back().get();
}

void DOCUMENTS_MDI::documentCreated(AcApDocument* doc) { courant_ = trouve(doc, true); }

void DOCUMENTS_MDI::documentToBeActivated(AcApDocument* doc) { courant_ = trouve(doc, true); }

void DOCUMENTS_MDI::documentToBeDestroyed(AcApDocument* doc) {
  DOCUMENT_MODULE* e = trouve(doc, false);
  if (!e) return;
  if (courant_ == e) courant_ = nullptr;
  std::erase_if(enregistrements_, [e](const auto& p) { return p.get() == e; });
}

void creeDocumentsMdi() {
  if (instance()) {
    fluxErreur() << "ERREUR MDI : INIT DEJA FAITES" << std::endl;
    return;
  }
  instance() = std::make_unique<DOCUMENTS_MDI>();
}

void detruitDocumentsMdi() {
  if (!instance()) {
    fluxErreur() << "ERREUR MDI : DEST DEJA FAITES" << std::endl;
    return;
  }
  instance().reset();
}

DOCUMENTS_MDI* documentsMdi() { return instance().get(); }

}  // namespace framework

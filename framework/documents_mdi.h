// Per-document records of a module that declares itself MDI-aware, kept in
// step with the host's documents through a document-manager reactor.
#pragma once
#include <memory>
#include <vector>

#include "acdocman.h"

namespace framework {

struct DOCUMENT_MODULE {
  AcApDocument* document = nullptr;
};

class DOCUMENTS_MDI : public AcApDocManagerReactor {
 public:
  DOCUMENTS_MDI();
  ~DOCUMENTS_MDI() override;

  DOCUMENT_MODULE* courant() const { return courant_; }
  size_t nombre() const { return enregistrements_.size(); }
  DOCUMENT_MODULE* trouve(AcApDocument* doc, bool cree);

  void documentCreated(AcApDocument* doc) override;
  void documentToBeActivated(AcApDocument* doc) override;
  void documentToBeDestroyed(AcApDocument* doc) override;

 private:
  std::vector<std::unique_ptr<DOCUMENT_MODULE>> enregistrements_;
  DOCUMENT_MODULE* courant_ = nullptr;
};

// The module's registry: created at initialisation, destroyed at unload.
void creeDocumentsMdi();
void detruitDocumentsMdi();
DOCUMENTS_MDI* documentsMdi();

}  // namespace framework

#include "dcl/dialog_manager.h"

#include <algorithm>
#include <filesystem>

#include "adsdlg.h"
#include "core/session.h"
#include "dcl/dcl_error.h"
#include "dcl/dialog_run.h"
#include "platform/support_path.h"

namespace dcl {

DialogManager& dialogs() { return host::context().state<DialogManager>(); }

int DialogManager::loadFile(std::string_view name) {
  std::string wanted(name);
  if (std::filesystem::path(host::toFsPath(wanted)).extension().empty()) wanted += ".dcl";
  auto found = host::findSupportFile(wanted);
  if (!found) {
    host::session().print("Fichier DCL introuvable: " + wanted + "\n");
    return 0;
  }
  try {
    auto file = std::make_unique<DclFile>(loadDclFile(*found));
    const int id = nextId_++;
    files_[id] = std::move(file);
    return id;
  } catch (const DclError& e) {
    host::session().print("Erreur DCL: " + e.describe() + "\n");
  } catch (const std::exception& e) {
    host::session().print("Erreur DCL: " + *found + ": " + e.what() + "\n");
  }
  return 0;
}

bool DialogManager::unloadFile(int id) { return files_.erase(id) > 0; }

const DclFile* DialogManager::file(int id) const {
  auto it = files_.find(id);
  return it == files_.end() ? nullptr : it->second.get();
}

Dialog* DialogManager::newDialog(std::string_view name, int dclId, CLIENTFUNC defaultAction, int x,
                                 int y) {
  const DclFile* f = file(dclId);
  if (!f) {
    host::session().print("Dialogue \"" + std::string(name) + "\": fichier DCL " +
                          std::to_string(dclId) + " non chargé\n");
    return nullptr;
  }
  const Tile* def = f->dialog(name);
  if (!def) {
    host::session().print("Dialogue \"" + std::string(name) + "\" absent de " + f->path + "\n");
    return nullptr;
  }
  dialogs_.push_back(std::make_unique<Dialog>(*def, std::string(name), defaultAction, x, y));
  return dialogs_.back().get();
}

Dialog* DialogManager::dialog(const void* handle) {
  for (auto& d : dialogs_)
    if (d.get() == handle) return d.get();
  return nullptr;
}

TileState* DialogManager::tile(const void* handle) {
  if (!handle) return nullptr;
  for (auto& d : dialogs_)
    if (d->owns(handle)) return static_cast<TileState*>(const_cast<void*>(handle));
  return nullptr;
}

int DialogManager::start(Dialog& d) {
  const int status = runDialog(d);
  forgetEdits(d);
  auto it = std::find_if(dialogs_.begin(), dialogs_.end(), [&](auto& p) { return p.get() == &d; });
  if (it != dialogs_.end()) dialogs_.erase(it);
  return status;
}

void DialogManager::terminateAll() {
  for (auto it = dialogs_.begin(); it != dialogs_.end();) {
    Dialog& d = **it;
    if (d.state() == Dialog::State::Created) {
      forgetEdits(d);
      it = dialogs_.erase(it);
    } else {
      if (!d.ended()) d.end(DLGALLDONE);
      ++it;
    }
  }
}

void DialogManager::forgetEdits(const Dialog& d) {
  if (list_ && d.owns(list_)) list_ = nullptr;
  if (image_ && d.owns(image_)) image_ = nullptr;
}

bool DialogManager::startList(TileState& tile, short operation, short index) {
  if (!isListType(tile.type)) return false;
  if (operation != LIST_CHANGE && operation != LIST_APPEND && operation != LIST_NEW) return false;
  if (operation == LIST_CHANGE && (index < 0 || static_cast<size_t>(index) >= tile.items.size()))
    return false;
  if (operation == LIST_NEW) tile.items.clear();
  list_ = &tile;
  listOperation_ = operation;
  listIndex_ = operation == LIST_CHANGE ? static_cast<size_t>(index) : 0;
  return true;
}

bool DialogManager::addListItem(const std::string& item) {
  if (!list_) return false;
  // LIST_CHANGE replaces items from the index given, then appends past the end.
  if (listOperation_ == LIST_CHANGE && listIndex_ < list_->items.size())
    list_->items[listIndex_++] = item;
  else
    list_->items.push_back(item);
  return true;
}

bool DialogManager::endList() {
  if (!list_) return false;
  list_ = nullptr;
  return true;
}

bool DialogManager::startImage(TileState& tile) {
  if (!isImageType(tile.type)) return false;
  image_ = &tile;
  return true;
}

bool DialogManager::addImageOp(const ImageOp& op) {
  if (!image_) return false;
  image_->image.push_back(op);
  return true;
}

bool DialogManager::endImage() {
  if (!image_) return false;
  image_ = nullptr;
  return true;
}

void DialogManager::reset() {
  files_.clear();
  // A running dialog is still on the caller's stack; it goes when it returns.
  std::erase_if(dialogs_, [](auto& d) { return d->state() != Dialog::State::Running; });
  list_ = nullptr;
  image_ = nullptr;
}

}  // namespace dcl

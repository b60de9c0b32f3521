#include "platform/log_file.h"

#include "platform/log_folder.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {
namespace fs = std::filesystem;
using log_folder::Creation;

bool hasParent(const fs::path& folder) { return folder.has_parent_path() && folder.parent_path() != folder; }

// The folders above the private ones are the user's choice ($XDG_DATA_HOME may
// well be a link): made when missing, not checked.
void makeFolders(const fs::path& folder) {
  if (log_folder::createFolder(folder) != Creation::ParentMissing) return;
  if (!hasParent(folder)) vb::raise(vb::err::PathNotFound);
  makeFolders(folder.parent_path());
  if (log_folder::createFolder(folder) == Creation::ParentMissing) vb::raise(vb::err::PathNotFound);
}
}  // namespace

void makePrivateFolder(const fs::path& folder) {
  const fs::path made = folder.lexically_normal();
  // The parent is checked before anything is made in it: were it a link, the
  // folder would be made wherever the link points before being refused.
  if (hasParent(made)) {
    makeFolders(made.parent_path());
    log_folder::checkOwnFolder(made.parent_path());
  }
  makeFolders(made);
  log_folder::checkOwnFolder(made);
}

}  // namespace platform

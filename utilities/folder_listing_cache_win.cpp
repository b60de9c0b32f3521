#include "utilities/folder_listing_cache.h"

namespace utilities {

// Windows opens a project's paths as written (its file names ignore letter
// case already), so a run has no folder listings to keep.
FolderListingRun::FolderListingRun() = default;
FolderListingRun::~FolderListingRun() = default;

}  // namespace utilities

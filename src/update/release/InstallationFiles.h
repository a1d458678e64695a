#pragma once
#include <string_view>

namespace update {

// Whether a name at the top of the application folder belongs to the
// installation rather than to a release: the user's data files
// ("categories.dat", "Projects.dat", "Hours.dat"), the copies and
// temporaries their loads and saves make beside them, the downloaded
// "mainappupdate.inf", the vendor's set-up ("dbconfig.dat", "update.pub"),
// and the updater's own work (names beginning ".tarvik"). Letter case does
// not count, as the program finds its files without regard to it. A
// release never carries these, and an update never writes them.
bool BelongsToInstallation(std::string_view top_level_name);

}  // namespace update

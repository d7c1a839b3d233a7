// The two programs' desktop icons, each drawn at every size from one description.
#pragma once

#include <filesystem>

namespace icons {

// Writes <root>/<n>x<n>/apps/<id>.png for every size the desktop asks for, for both programs.
bool write(const std::filesystem::path& root);

} // namespace icons

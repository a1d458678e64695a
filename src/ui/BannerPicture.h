#pragma once
#include <QPixmap>
#include <optional>
#include <string>

// Decodes a still banner picture by the extension its name gives it
// (without the dot, any case): jpg and jpeg, bmp, ico. Metafiles (wmf, emf)
// have no decoder here: none, and the banner counts as absent. Any other
// extension raises "Unknown picture file extension (.%s)" with the
// extension as written; data that does not decode raises the decoder's
// error.
std::optional<QPixmap> LoadStillPicture(const std::string& path, const std::string& written_extension);

// The application icon from an icon file; raises when it cannot be read or
// decoded.
QIcon LoadIconFile(const std::string& path);

#pragma once

#include <QImage>
#include <string>

// Writes `image` to `chemin` in `format` ("BMP", "PNG") through a temporary
// file beside it, renamed over the target only once the image is complete:
// on any failure (folder missing or not writable, disk full) the target is
// left as it was and false is returned.
bool EnregistreImage(const QImage& image, const std::string& chemin, const char* format);

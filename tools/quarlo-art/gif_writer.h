// Writes frames of equal size as a looping animated GIF with one colour map
// shared by all frames.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace quarlo::art {

// Returns an empty string on success, otherwise what went wrong.
QString WriteAnimatedGif(const QString& path, const std::vector<QImage>& frames, int delayMs);

}  // namespace quarlo::art

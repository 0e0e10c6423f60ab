// The program's own pictures: card faces and backs, suit symbols, the table
// background, plates, frames, icons, menu and intro art and cursors.
//
// They are drawn by the quarlo-art generator at build time and compiled into
// this library as Qt resources. Names are the ones the table and menu code
// composes ("Ch09", "Ob01MoRB", "FonG"); lookups ignore case, as resource
// names always have.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string_view>

namespace quarlo {

// The picture under that name, or a null image when there is none. For an
// animation this is its first frame.
QImage BuiltInPicture(const QString& name);

bool HasBuiltInPicture(const QString& name);

// Every picture name, spelled as the generator names it, sorted.
QStringList BuiltInPictureNames();

// The Qt resource path of the picture's file (":/pictures/..."), for readers
// that need the whole file, such as QMovie for the animated GIFs; empty when
// there is no such picture.
QString BuiltInPicturePath(const QString& name);

// The custom cursors are 32 x 32 pictures; this is the pixel that points.
struct CursorHotspot {
  std::string_view name;
  int x;
  int y;
};

inline constexpr int kCursorSize = 32;

inline constexpr std::array<CursorHotspot, 4> kCursorHotspots = {{
    {"CURARROW", 1, 1},
    {"CURHAND", 11, 1},
    {"CURWAIT", 16, 16},
    {"CUREDIT", 16, 16},
}};

// The hotspot of a custom cursor (case-insensitive), or nothing for a name
// that is not one.
std::optional<QPoint> BuiltInCursorHotspot(const QString& name);

}  // namespace quarlo

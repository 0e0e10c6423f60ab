// The four cursors of the program: the system's own or the program's red set,
// chosen by the "Red mouse cursor" setting.
#pragma once

#include <QCursor>

namespace quarlo {

enum class CursorKind { Arrow, Hand, Wait, Edit };

QCursor DesignCursor(CursorKind kind, bool own);

}  // namespace quarlo

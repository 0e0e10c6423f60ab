// Card pieces that other families reuse (the intro and menu show cards).
#pragma once

#include "tools/quarlo-art/art.h"

namespace quarlo::art {

enum class CourtKind { Jack, Queen, King };

// Picture stem of a card: suit 0..3 in suit order, rank 0..5 from nine to ace.
QString CardStem(int suitIndex, int rankIndex);

// A face of the large set (146 x 198), for pictures that show cards.
QImage LargeCardFace(int suitIndex, int rankIndex);

// One half of a court figure inside `half`; `detailed` adds the face.
void DrawCourtHalf(QPainter& p, const QRectF& half, CourtKind kind, Suit suit, double line,
                   bool detailed);

}  // namespace quarlo::art

// One picture showing many pictures with their names, to look them over.
#pragma once

#include "tools/quarlo-art/art.h"

#include <QRegularExpression>

namespace quarlo::art {

QImage ContactSheet(const Catalog& catalog, const QRegularExpression& nameFilter, int zoom = 1);

}  // namespace quarlo::art

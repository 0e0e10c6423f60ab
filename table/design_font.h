// Fonts named by the design, mapped to what this machine has.
#pragma once

#include <QFont>
#include <string>

namespace quarlo {

// "Comic Sans MS" becomes its look-alike "Comic Neue"; a family that is not
// installed falls back to a close installed one, never to nothing.
QFont DesignFont(const std::string& family, int pixelHeight, bool bold);

}  // namespace quarlo

#include "engine/cards.h"

#include <cctype>

namespace quarlo {

char SuitLetter(Suit s) {
  switch (s) {
    case kHearts: return 'H';
    case kDiamonds: return 'D';
    case kClubs: return 'C';
    case kSpades: return 'S';
    default: return '-';
  }
}

bool ParseSuitLetter(char letter, Suit& out) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'H': out = kHearts; return true;
    case 'D': out = kDiamonds; return true;
    case 'C': out = kClubs; return true;
    case 'S': out = kSpades; return true;
    case '-': out = kNoSuit; return true;
    default: return false;
  }
}

std::string CardText(CardCode c) {
  if (c.Empty()) return "--";
  char rank = '?';
  switch (c.rank) {
    case kNine: rank = '9'; break;
    case kTen: rank = 'T'; break;
    case kJack: rank = 'J'; break;
    case kQueen: rank = 'Q'; break;
    case kKing: rank = 'K'; break;
    case kAce: rank = 'A'; break;
    case kLeftBowerRank: rank = 'S'; break;
    default: break;
  }
  return std::string{rank, SuitLetter(c.suit)};
}

bool ParseCardText(std::string_view text, CardCode& out) {
  if (text == "--" || text == "##") {
    out = kNoCard;
    return true;
  }
  if (text.size() != 2) return false;
  char rank;
  switch (std::toupper(static_cast<unsigned char>(text[0]))) {
    case '9': rank = kNine; break;
    case 'T': rank = kTen; break;
    case 'J': rank = kJack; break;
    case 'Q': rank = kQueen; break;
    case 'K': rank = kKing; break;
    case 'A': rank = kAce; break;
    default: return false;
  }
  Suit suit;
  if (!ParseSuitLetter(text[1], suit) || suit == kNoSuit) return false;
  out = {rank, suit};
  return true;
}

}  // namespace quarlo

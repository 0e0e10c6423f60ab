#include "query.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "engine/computer.h"
#include "engine/hand_search.h"
#include "engine/rules.h"

namespace quarlo {

namespace {

struct QueryError {
  std::string what;
};

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

Suit ParseSuit(const std::string& w, bool allowNone) {
  Suit s;
  if (w.size() != 1 || !ParseSuitLetter(w[0], s) || (!allowNone && s == kNoSuit))
    throw QueryError{"bad suit '" + w + "'"};
  return s;
}

CardCode ParseCard(const std::string& w, bool allowEmpty) {
  CardCode c;
  if (!ParseCardText(w, c) || (!allowEmpty && c.Empty())) throw QueryError{"bad card '" + w + "'"};
  return c;
}

int ParseInt(const std::string& w, int lo, int hi) {
  int v = 0;
  if (w.empty() || w.size() > 6) throw QueryError{"bad number '" + w + "'"};
  for (char ch : w) {
    if (ch < '0' || ch > '9') throw QueryError{"bad number '" + w + "'"};
    v = v * 10 + (ch - '0');
  }
  if (v < lo || v > hi) throw QueryError{"number out of range '" + w + "'"};
  return v;
}

// Six places from words [first, first+6); every real card at most once.
Hand ParseHand(const std::vector<std::string>& words, std::size_t first) {
  Hand hand;
  int count = 0;
  for (int i = 1; i <= kHandPlaces; ++i) {
    const CardCode c = ParseCard(words[first + i - 1], true);
    hand.cards[i] = c;
    hand.strengths[i] = c.Empty() ? kEmptyStrength : BaseStrength(c.rank);
    if (!c.Empty()) {
      for (int j = 1; j < i; ++j)
        if (hand.cards[j] == c) throw QueryError{"card twice in hand '" + words[first + i - 1] + "'"};
      ++count;
    }
  }
  hand.count = count;
  return hand;
}

// A card may be named only once among the hand, the led card and the played
// cards of one command.
void ExpectDistinct(const Hand& hand, std::vector<CardCode> cards) {
  for (int i = 1; i <= kHandPlaces; ++i) cards.push_back(hand.cards[i]);
  for (std::size_t i = 0; i < cards.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (!cards[i].Empty() && cards[i] == cards[j]) throw QueryError{"card named twice '" + CardText(cards[i]) + "'"};
}

void Expect(const std::vector<std::string>& words, std::size_t n) {
  if (words.size() != n)
    throw QueryError{"'" + words[0] + "' takes " + std::to_string(n - 1) + " arguments, got " +
                     std::to_string(words.size() - 1)};
}

std::string TwoDecimals(Score s) {
  char buf[32];
  const int a = s < 0 ? -s : s;
  std::snprintf(buf, sizeof buf, "%s%d.%02d", s < 0 ? "-" : "", a / 100, a % 100);
  return buf;
}

std::string Answer(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (cmd == "order") {
    Expect(w, 8);
    const Suit t = ParseSuit(w[1], false);
    Hand hand = ParseHand(w, 2);
    OrderHand(hand, t);
    std::string out;
    for (int i = 1; i <= kHandPlaces; ++i) out += CardText(hand.cards[i]) + " ";
    return out + std::to_string(hand.count);
  }
  if (cmd == "eval") {
    Expect(w, 8);
    return TwoDecimals(EvaluateHand(ParseHand(w, 2), ParseSuit(w[1], false)));
  }
  if (cmd == "discard") {
    Expect(w, 8);
    const Suit t = ParseSuit(w[1], false);
    return std::to_string(ChooseDiscard(ParseHand(w, 2), t));
  }
  if (cmd == "bid") {
    Expect(w, 10);
    const int fb = ParseInt(w[1], 1, 2);
    const Suit s = ParseSuit(w[2], true);
    const CardCode turned = ParseCard(w[3], false);
    const Hand hand = ParseHand(w, 4);
    if (HasCard(hand, turned)) throw QueryError{"turned card is in the hand"};
    if (s != kNoSuit && s != turned.suit) throw QueryError{"first-round suit must be the turned card's suit"};
    if (fb == 2 && s != kNoSuit && !hand.cards[6].Empty())
      throw QueryError{"place 6 must be empty: the dealer takes the turned card there"};
    return std::string(1, SuitLetter(DecideBid(hand, fb, s, turned)));
  }
  if (cmd == "legal") {
    Expect(w, 9);
    const Suit t = ParseSuit(w[1], false);
    const CardCode led = ParseCard(w[2], true);
    const Hand hand = ParseHand(w, 3);
    ExpectDistinct(hand, {led});
    std::string out;
    for (int i = 1; i <= kHandPlaces; ++i) {
      if (hand.cards[i].Empty()) continue;
      if (!led.Empty() && IsIllegalFollow(hand, i, led, t)) continue;
      out += (out.empty() ? "" : " ") + std::to_string(i);
    }
    return out.empty() ? "none" : out;
  }
  if (cmd == "choose") {
    Expect(w, 11);
    PlayView view;
    view.trump = ParseSuit(w[1], false);
    view.led = ParseCard(w[2], true);
    view.ledStrength = view.led.Empty() ? 0 : BaseStrength(view.led.rank);
    if (w[3] != "-")
      for (char ch : w[3]) view.opponentVoid[SuitIndex(ParseSuit(std::string(1, ch), false))] = true;
    view.played.fill(kNoCard);
    if (w[4] != "-") {
      if (w[4].back() == ',') throw QueryError{"bad card ''"};
      std::stringstream list(w[4]);
      int n = 0;
      for (std::string item; std::getline(list, item, ',');) {
        if (++n > 10) throw QueryError{"more than ten played cards"};
        view.played[n] = ParseCard(item, false);
      }
    }
    const Hand hand = ParseHand(w, 5);
    if (hand.count == 0) throw QueryError{"empty hand"};
    std::vector<CardCode> named(view.played.begin() + 1, view.played.end());
    named.push_back(view.led);
    ExpectDistinct(hand, named);
    return std::to_string(ChooseCard(hand, view));
  }
  if (cmd == "trick") {
    Expect(w, 5);
    const Suit t = ParseSuit(w[1], false);
    const int leader = ParseInt(w[2], 1, 2);
    const CardCode c1 = ParseCard(w[3], false);
    const CardCode c2 = ParseCard(w[4], false);
    if (c1 == c2) throw QueryError{"the same card twice"};
    return std::to_string(TrickWinner(c1, BaseStrength(c1.rank), c2, BaseStrength(c2.rank), leader, t));
  }
  if (cmd == "score") {
    Expect(w, 4);
    const int maker = ParseInt(w[1], 1, 2);
    const int t1 = ParseInt(w[2], 0, 5);
    const int t2 = ParseInt(w[3], 0, 5);
    if (t1 + t2 != 5) throw QueryError{"tricks must add up to 5"};
    const DealScore s = ScoreForTricks(maker, maker == 1 ? t1 : t2);
    return s.winner == 1 ? std::to_string(s.points) + " 0" : "0 " + std::to_string(s.points);
  }
  if (cmd == "firstbidder") {
    Expect(w, 3);
    return std::to_string(LocalFirstBidder(ParseInt(w[1], 1, 999999), ParseInt(w[2], 1, 999999)));
  }
  throw QueryError{"unknown command '" + cmd + "'"};
}

}  // namespace

std::string AnswerQuery(std::string_view line) {
  const std::vector<std::string> words = Words(line);
  if (words.empty()) return "error: empty command";
  try {
    return Answer(words);
  } catch (const QueryError& e) {
    return "error: " + e.what;
  }
}

}  // namespace quarlo

#include "records/club_record.h"

#include <algorithm>
#include <cmath>

#include "records/decimal_text.h"
#include "records/record_io.h"

namespace quarlo {
namespace {

std::string& Line(ClubLines& lines, int n) { return lines[static_cast<std::size_t>(n - 1)]; }

// Lines seat+1..5 move up by one and line 5 becomes an empty slot.
void RemoveSlot(ClubLines& lines, int seat) {
  // Line 5 is the one slot whose length the start-up check does not measure;
  // lines 1..4 must have the member line's length, so line 5 takes it first.
  std::string& last = Line(lines, kClubSlots);
  if (last.size() != kMemberLineLength) {
    const auto member = ParseMemberLine(last);
    last = member ? FormatMemberLine(*member) : EmptySlotLine();
  }
  for (int n = seat; n < kClubSlots; ++n) Line(lines, n) = Line(lines, n + 1);
  Line(lines, kClubSlots) = EmptySlotLine();
}

// Lines n..last move down by one (the last falls off) and `text` takes line n.
void InsertAt(ClubLines& lines, int n, int last, std::string text) {
  for (int k = last; k > n; --k) Line(lines, k) = Line(lines, k - 1);
  Line(lines, n) = std::move(text);
}

// Ratings compare as the file holds them: whole millionths.
long long Millionths(double rating) { return std::llround(rating * 1e6); }

std::string IncorrectFile(const std::filesystem::path& path) {
  return std::string(kTheIncorrectFile) + " \"" + path.string() + "\"!";
}

}  // namespace

// Inserts a member line above the first line rated no higher (or the first
// empty slot); returns the slot, 0 when it did not get in.
static int InsertMemberByRating(ClubLines& lines, const ClubMember& member) {
  const long long mine = Millionths(member.rating);
  for (int n = 1; n <= kClubSlots; ++n) {
    const std::string& line = Line(lines, n);
    const auto rating = line.size() >= 30 ? ParseDecimalComma(std::string_view(line).substr(20, 10)) : std::nullopt;
    if (IsEmptySlot(line) || !rating || Millionths(*rating) <= mine) {
      InsertAt(lines, n, kClubSlots, FormatMemberLine(member));
      return n;
    }
  }
  return 0;
}

double NewRating(int gamesBefore, double ratingBefore, int score) {
  // In whole millionths where the numbers allow (the club file holds whole
  // millionths and s / 20 is 50000 s of them), so that a half is an exact
  // half and goes to the even millionth.
  if (gamesBefore >= 0 && gamesBefore <= 9999999 && std::fabs(ratingBefore) <= 100000.0) {
    const long long den = gamesBefore + 1LL;
    const long long num = gamesBefore * std::llround(ratingBefore * 1e6) + 50000LL * score;
    long long q = num / den;
    long long rem = num % den;
    if (rem < 0) --q, rem += den;  // floor
    if (2 * rem > den || (2 * rem == den && q % 2 != 0)) ++q;
    return std::clamp(static_cast<double>(q) / 1e6, -kRatingLimit, kRatingLimit);
  }
  const double n = gamesBefore;
  const double r = (n * ratingBefore + score / 20.0) / (n + 1.0);
  const double rounded = std::nearbyint(r * 1e6) / 1e6;  // default rounding mode: halves to even
  if (!std::isfinite(rounded)) return 0.0;
  return std::clamp(rounded, -kRatingLimit, kRatingLimit);
}

Result<ClubPlayer> LoadMember(const std::filesystem::path& clubFile, int seat) {
  if (seat < 1 || seat > kClubSlots) return Result<ClubPlayer>::Fail("seat " + std::to_string(seat) + " is not a club slot");
  auto lines = ReadClubLines(clubFile);
  if (!lines) return Result<ClubPlayer>::Fail(IncorrectFile(clubFile) + " (" + lines.error() + ")");
  const auto member = ParseMemberLine(Line(*lines, seat));
  if (!member) return Result<ClubPlayer>::Fail("slot " + std::to_string(seat) + " holds no member");
  ClubPlayer p;
  p.seat = seat;
  p.name = member->name;
  p.password = member->password;
  p.gamesPlayed = member->games;
  p.initialScore = member->score;
  p.initialRating = member->rating;
  return Result<ClubPlayer>::Ok(std::move(p));
}

ClubPlayer NewClubPlayer(std::string_view name, std::string_view password) {
  ClubPlayer p;
  p.seat = 6;
  p.name = std::string(name.substr(0, kNameLength));
  p.password = std::string(password);
  return p;
}

ClubLines ApplyGameResult(ClubLines lines, const ClubPlayer& player, int score, GameRecordOutcome& out) {
  out = {};
  out.gameNumber = player.GameNumber();
  out.cycleScore = player.initialScore + score;
  out.newRating = NewRating(player.gamesPlayed, player.initialRating, score);

  ClubMember member{player.name, out.newRating, out.gameNumber, out.cycleScore, player.password};
  if (player.seat >= 1 && player.seat <= kClubSlots) RemoveSlot(lines, player.seat);

  if (out.gameNumber % kGamesPerCycle == 0) {
    out.cycleComplete = true;
    // A tie goes above the entry it ties with.
    for (int i = 1; i <= kTopTenSize; ++i) {
      const auto entry = ParseTopTenLine(Line(lines, kClubSlots + i));
      if (!entry || entry->score <= out.cycleScore) {
        InsertAt(lines, kClubSlots + i, kClubSlots + kTopTenSize, FormatTopTenLine(player.name, out.cycleScore));
        out.place = i;
        break;
      }
    }
    member.score = 0;
  }

  out.inClub = InsertMemberByRating(lines, member) != 0;
  SignClubLines(lines);
  return lines;
}

Result<int> RenameMember(const std::filesystem::path& clubFile, const ClubPlayer& player, std::string_view name,
                         std::string_view password, bool writable) {
  if (player.seat < 1 || player.seat > kClubSlots) return Result<int>::Ok(player.seat);
  auto lines = ReadClubLines(clubFile);
  if (!lines) return Result<int>::Fail(IncorrectFile(clubFile) + " (" + lines.error() + ")");
  RemoveSlot(*lines, player.seat);
  const ClubMember member{std::string(name.substr(0, kNameLength)), player.initialRating, player.gamesPlayed,
                          player.initialScore, std::string(password)};
  const int slot = InsertMemberByRating(*lines, member);
  SignClubLines(*lines);
  if (writable && !WriteFileAtomically(clubFile, JoinLines({lines->begin(), lines->end()})))
    return Result<int>::Fail(std::string(kErrorOfDiskWriting));
  return Result<int>::Ok(slot);
}

Result<GameRecordOutcome> RecordGameResult(const std::filesystem::path& clubFile, const ClubPlayer& player,
                                           int score, bool writable) {
  if (player.seat < 1 || player.seat > 6)
    return Result<GameRecordOutcome>::Fail("seat " + std::to_string(player.seat) + " does not play for the club");
  auto lines = ReadClubLines(clubFile);
  if (!lines) return Result<GameRecordOutcome>::Fail(IncorrectFile(clubFile) + " (" + lines.error() + ")");
  GameRecordOutcome outcome;
  const ClubLines updated = ApplyGameResult(*lines, player, score, outcome);
  // Every step of the update lands in one replacement of the file, so a crash
  // can never leave the member removed but not yet re-inserted.
  if (writable) {
    if (!WriteFileAtomically(clubFile, JoinLines({updated.begin(), updated.end()})))
      return Result<GameRecordOutcome>::Fail(std::string(kErrorOfDiskWriting));
    outcome.stored = true;
  }
  return Result<GameRecordOutcome>::Ok(outcome);
}

Status DropCurrentMember(const std::filesystem::path& clubFile, int seat, bool writable) {
  if (seat < 1 || seat > kClubSlots || !writable) return Status::Ok();
  auto lines = ReadClubLines(clubFile);
  if (!lines) return Status::Fail(IncorrectFile(clubFile) + " (" + lines.error() + ")");
  RemoveSlot(*lines, seat);
  SignClubLines(*lines);
  if (!WriteFileAtomically(clubFile, JoinLines({lines->begin(), lines->end()})))
    return Status::Fail(std::string(kErrorOfDiskWriting));
  return Status::Ok();
}

TCount LocalCountValues(const ClubPlayer& p, int currentScore) {
  const int g = p.GameNumber();
  TCount c;
  c.count_KonAll = std::to_string(g);
  c.count_KonCur = std::to_string(g % kGamesPerCycle == 0 ? kGamesPerCycle : g % kGamesPerCycle);
  c.count_ScoBeg = std::to_string(p.initialScore);
  c.count_ScoCur = std::to_string(currentScore);
  c.count_ScoAll = std::to_string(p.initialScore + currentScore);
  c.count_ReiBeg = FormatDecimalComma(p.initialRating, 2);
  c.count_ReiCur = FormatDecimalComma(NewRating(p.gamesPlayed, p.initialRating, currentScore), 2);
  return c;
}

TCount AccountCountValues(const ClubPlayer& p, int currentScore, int accountGameInCycle, double accountRating) {
  TCount c = LocalCountValues(p, currentScore);
  c.count_KonCur = std::to_string(accountGameInCycle + 1);
  c.count_ReiBeg = std::to_string(std::llround(std::isfinite(accountRating) ? accountRating : 0.0));
  c.count_ReiCur = "?";
  return c;
}

TCount TournamentCountValues(int gameNumber, int scoreBefore, int currentScore, double tournamentRating) {
  TCount c;
  c.count_KonAll = std::to_string(gameNumber);
  c.count_KonCur = "-";
  c.count_ScoBeg = std::to_string(scoreBefore);
  c.count_ScoCur = std::to_string(currentScore);
  c.count_ScoAll = std::to_string(scoreBefore + currentScore);
  c.count_ReiBeg = FormatDecimalComma(tournamentRating, 2);
  c.count_ReiCur = "?";
  return c;
}

}  // namespace quarlo

// The phase machine of one game: one method per input, the rules run to
// completion at once, and the list of effects says what the table shows.
// The same object runs under the desktop table, in tests and in the tools.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/effects.h"
#include "engine/rules.h"

namespace quarlo {

enum class MouseButton { Left, Right };

// The places a right click can name a card in.
enum class TableArea { OwnHand, OpponentHand, Trick, TurnedCard };

enum class HandCursor { Arrow, Pointer };

// What the game hands on when the player leaves a finished game.
struct FinishedGame {
  int result;               // the player's summed score (ten times the difference)
  int cycleTotalAfterGame;  // the cycle's running total with this game
  int gameNumber;
  bool cycleComplete;  // the 20th game of a cycle
};

// Filled in by the records layer: history entry, club record and rating.
class GameRecords {
 public:
  virtual ~GameRecords() = default;
  virtual void RecordFinishedGame(const FinishedGame& game) = 0;
};

// The link to a remote copy or the tournament server; the network game and
// the tournament feed their messages to the same inputs and send the player's
// decisions through this.
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  virtual void Send(const std::string& message) = 0;
};

struct GameSetup {
  std::string playerName = "Player";
  int gamesPlayed = 0;  // the active player's games before this one
  int cycleTotal = 0;
  bool showCardsAtEnd = false;
  std::optional<std::uint64_t> seed;  // fixed deals for tests and tools
  // Where the packs come from; a fresh shuffle by default. Tests and bug
  // reports replay given packs.
  std::function<Pack(Rng&)> packSource;
  bool recordEffects = true;          // off for fast self-play
};

class Game {
 public:
  explicit Game(const GameSetup& setup, GameRecords* records = nullptr);

  // StartDeal(false): a new game on the table.
  void NewGame();

  void PhaseStep();  // the 20 ms tick: the computer acts in its phases
  void OnButton7();
  void OnButton8();
  // place: the card under the pointer in player 2's hand, 0 for none.
  void OnHandClick(MouseButton button, int place);
  // The suit dialog's answer; kNoSuit passes. The turned suit is refused.
  void OnTrumpChosen(Suit suit);

  // The local player's new name (renamed during the game).
  void SetPlayerName(const std::string& name);

  // The card a right click names, or kNoCard where nothing may be said.
  CardCode SpeakableCard(TableArea area, int index) const;
  HandCursor CursorOverHand(int place) const;

  bool Running() const { return running_; }
  const DealState& Deal() const { return deal_; }
  const GameState& State() const { return game_; }
  int Phase() const { return game_.phase; }
  const std::string& Name(int player) const { return names_[player]; }
  const SetButtons& Buttons() const { return buttons_; }

  EffectList TakeEffects();

 private:
  void StartNewDeal(bool continuing);
  void ComputerBidFirstRound();
  void ComputerBidSecondRound();
  void ComputerPlay();

  void DoAcceptTurnedSuit(int player);
  void DoPassFirstRound(int player);
  void DoPassSecondRound(int player);
  void DoNameTrump(int player, Suit suit);
  void DoPickUp();
  void DoDiscard(int player, int place);
  void DoPlayCard(int player, int place);
  void DoCollectTrick();
  void DoScoreShown();
  void DoSumUp();
  void DoFinishGame();
  void AfterBidPhase();

  template <typename E>
  void Emit(E&& effect) {
    if (record_) effects_.emplace_back(std::forward<E>(effect));
  }
  void EmitButtons(Caption c7, bool e7, Caption c8, bool e8);
  void EmitHand(int player);
  void EmitPack();
  void EmitTrick();
  void EmitNames();
  void EmitScores();
  void EmitCounter();
  void EmitCue(const char* name);

  DealState deal_;
  GameState game_;
  Rng rng_;
  std::function<Pack(Rng&)> packSource_;
  GameRecords* records_;
  bool showCardsAtEnd_;
  bool record_;
  bool running_ = false;
  bool handsFaceUpAtEnd_ = false;
  int trickShownLeader_ = 1;
  int gamesPlayed_;
  std::array<std::string, 3> names_;
  SetButtons buttons_{Caption::ToBegin, true, Caption::ExitToMenu, false};
  EffectList effects_;
};

// Whether a cue keeps the timeline waiting until it has finished.
bool CueWaits(const std::string& name);

}  // namespace quarlo

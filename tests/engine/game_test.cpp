#include <gtest/gtest.h>

#include <deque>

#include "engine/game.h"
#include "engine/seat_two_computer.h"
#include "fixture.h"

namespace quarlo {
namespace {

using test::C;
using test::MakePack;

struct RecordingRecords : GameRecords {
  std::vector<FinishedGame> games;
  void RecordFinishedGame(const FinishedGame& g) override { games.push_back(g); }
};

// A game whose deals come from the given packs, in order.
struct Table {
  explicit Table(std::vector<Pack> packs, int gamesPlayed = 0, bool showCardsAtEnd = false) : queue(packs.begin(), packs.end()) {
    GameSetup setup;
    setup.gamesPlayed = gamesPlayed;
    setup.showCardsAtEnd = showCardsAtEnd;
    setup.seed = 1;
    setup.packSource = [this](Rng& rng) {
      if (queue.empty()) return Shuffle(rng);
      Pack p = queue.front();
      queue.pop_front();
      return p;
    };
    game = std::make_unique<Game>(setup, &records);
    game->NewGame();
    effects = game->TakeEffects();
  }
  void Take() { effects = game->TakeEffects(); }
  template <typename E>
  std::vector<E> All() const {
    std::vector<E> out;
    for (const Effect& e : effects)
      if (auto* p = std::get_if<E>(&e)) out.push_back(*p);
    return out;
  }
  std::vector<std::string> Cues() const {
    std::vector<std::string> out;
    for (const PlayCue& c : All<PlayCue>()) out.push_back(c.name);
    return out;
  }
  int Place2(const std::string& card) const {
    for (int i = 1; i <= 6; ++i)
      if (game->Deal().hands[2].cards[i] == C(card)) return i;
    return 0;
  }

  std::deque<Pack> queue;
  RecordingRecords records;
  std::unique_ptr<Game> game;
  EffectList effects;
};

// Player 1 (the computer) holds a weak hand and passes everything.
const char* kWeak1 = "9C TC 9S TS QD";

TEST(Game, NewDealShowsTheTableAndWaitsForToBegin) {
  Table t({MakePack(kWeak1, "AH KH 9H AS KS", "JH")});
  const Game& g = *t.game;
  EXPECT_EQ(g.Phase(), 1);  // first game, first deal: the computer speaks first
  EXPECT_FALSE(g.State().dealBegun);
  EXPECT_EQ(g.Deal().hands[1].count, 5);
  EXPECT_EQ(g.Deal().trump, kHearts);
  ASSERT_EQ(t.All<ShowHand>().size(), 2u);
  EXPECT_FALSE(t.All<ShowHand>()[0].faceUp);
  EXPECT_TRUE(t.All<ShowHand>()[1].faceUp);
  EXPECT_EQ(t.All<ShowPack>().at(0).cards, 14);
  EXPECT_TRUE(t.All<ShowPack>().at(0).turnedVisible);
  EXPECT_EQ(t.All<ShowCounter>().at(0).trump, kNoSuit);
  EXPECT_EQ(t.Cues(), std::vector<std::string>{"WTasoKo"});
  EXPECT_TRUE(t.All<PlayCue>()[0].waits);
  EXPECT_EQ(g.Buttons().caption7, Caption::ToBegin);
  EXPECT_TRUE(g.Buttons().enabled7);
  EXPECT_FALSE(g.Buttons().enabled8);

  // Ticks do nothing before "To Begin".
  t.game->PhaseStep();
  EXPECT_EQ(t.game->Phase(), 1);
}

TEST(Game, ComputerSpeaksAtOnceOnToBegin) {
  Table t({MakePack(kWeak1, "AH KH 9H AS KS", "JH")});
  t.game->OnButton7();
  t.Take();
  // The computer passed without waiting for a tick; player 2 may now speak.
  EXPECT_EQ(t.game->Phase(), 2);
  const auto speech = t.All<ShowSpeech>();
  ASSERT_EQ(speech.size(), 1u);
  EXPECT_EQ(speech[0].player, 1);
  EXPECT_EQ(speech[0].text, SpeechText::Pass);
  EXPECT_EQ(speech[0].plate, 'g');
  EXPECT_EQ(t.Cues(), std::vector<std::string>{"WDiPass"});
  EXPECT_EQ(t.game->Buttons().caption7, Caption::ToPlay);
  EXPECT_TRUE(t.game->Buttons().enabled7 && t.game->Buttons().enabled8);
}

TEST(Game, FourPassesVoidTheDealAndTheOtherPlayerSpeaksFirst) {
  Table t({MakePack(kWeak1, "9H QS 9D KC TD", "JH"), MakePack(kWeak1, "9H QS 9D KC TD", "AD")});
  Game& g = *t.game;
  g.OnButton7();  // computer passes
  g.OnButton8();  // player 2 passes: second round, computer first
  EXPECT_EQ(g.Phase(), 11);
  g.PhaseStep();  // computer passes again: the suit dialog opens
  EXPECT_EQ(g.Phase(), 12);
  t.Take();
  ASSERT_EQ(t.All<OpenTrumpDialog>().size(), 1u);
  EXPECT_EQ(t.All<OpenTrumpDialog>()[0].turnedSuit, kHearts);
  EXPECT_EQ(t.All<ShowSpeech>().back().plate, 'o');
  // While the dialog is open, nothing else reaches the game.
  g.OnButton7();
  g.OnHandClick(MouseButton::Left, 1);
  g.PhaseStep();
  g.OnTrumpChosen(kHearts);  // the turned suit cannot be chosen
  EXPECT_EQ(g.Phase(), 12);
  g.OnTrumpChosen(kNoSuit);
  EXPECT_EQ(g.Phase(), 30);
  EXPECT_EQ(g.Buttons().caption7, Caption::NextRound);
  EXPECT_EQ(g.SpeakableCard(TableArea::TurnedCard, 0), C("JH"));  // a voided deal shows the turned card
  g.OnButton7();
  EXPECT_EQ(g.State().dealNumber, 2);
  EXPECT_EQ(g.Deal().firstBidder, 2);
  EXPECT_EQ(g.Phase(), 2);
  EXPECT_EQ(g.State().scores[1] + g.State().scores[2], 0);
}

TEST(Game, ComputerDealerTakesTheCardAndDiscardsAtOnce) {
  // The first deal is voided; in the second, player 2 speaks first and the
  // computer deals.
  Table t({MakePack(kWeak1, "9H KS JC TH KD", "AD"), MakePack(kWeak1, "AH KH 9H AS KS", "JH")});
  Game& g = *t.game;
  g.OnButton7();
  g.OnButton8();
  g.PhaseStep();
  g.OnTrumpChosen(kNoSuit);
  g.OnButton7();  // Next Round
  ASSERT_EQ(g.Deal().dealer, 1);
  g.OnButton7();  // To Begin
  EXPECT_EQ(g.Phase(), 2);
  t.Take();
  g.OnButton7();  // To Play
  EXPECT_EQ(g.Phase(), 13);
  EXPECT_EQ(g.Deal().maker, 2);
  t.Take();
  EXPECT_EQ(t.All<ShowCounter>().at(0).trump, kHearts);
  EXPECT_EQ(t.All<ShowScores>().at(0).maker, 2);
  EXPECT_EQ(t.Cues(), std::vector<std::string>{"WDing_1"});
  EXPECT_EQ(g.Buttons().caption7, Caption::Ok);
  g.OnButton7();  // Ok: the computer takes the jack and throws a card at once
  t.Take();
  EXPECT_EQ(g.Phase(), 16);
  EXPECT_EQ(g.Deal().hands[1].count, 5);
  EXPECT_TRUE(g.Deal().pickedUp);
  EXPECT_EQ(t.All<Pause>().at(0).ms, 500);
  EXPECT_FALSE(t.All<ShowPack>().at(0).turnedVisible);
  EXPECT_EQ(g.Buttons().caption7, Caption::ToBeginOfRound);
  EXPECT_TRUE(g.SpeakableCard(TableArea::TurnedCard, 0).Empty());
}

TEST(Game, PlayerTwoAsDealerMustDiscardAndMayThrowThePickedUpCard) {
  Table t({MakePack(kWeak1, "AH KH 9H AS KS", "JH")});
  Game& g = *t.game;
  ASSERT_EQ(g.Deal().dealer, 2);
  g.OnButton7();  // To Begin: the computer passes at once
  g.OnHandClick(MouseButton::Left, 1);  // a card click in bidding is ignored
  ASSERT_EQ(g.Phase(), 2);
  g.OnButton7();  // To Play
  g.OnButton7();  // Ok: player 2 picks up
  EXPECT_EQ(g.Phase(), 14);
  EXPECT_EQ(g.Deal().hands[2].count, 6);
  EXPECT_FALSE(g.Buttons().enabled7 || g.Buttons().enabled8);
  EXPECT_EQ(g.CursorOverHand(1), HandCursor::Pointer);
  g.OnButton7();  // buttons are disabled: nothing happens
  g.PhaseStep();
  EXPECT_EQ(g.Phase(), 14);
  g.OnHandClick(MouseButton::Left, t.Place2("JH"));
  EXPECT_EQ(g.Phase(), 16);
  EXPECT_EQ(g.Deal().hands[2].count, 5);
  EXPECT_EQ(t.Place2("JH"), 0);
  EXPECT_TRUE(g.Deal().hands[2].cards[6].Empty());
}

TEST(Game, IllegalCardIsRefusedWithNoStateChange) {
  // Player 2 deals, orders up Hearts and throws the nine; the computer leads.
  Table t({MakePack("AS 9C TC 9S QD", "AH KH 9H QS KS", "JH")});
  Game& g = *t.game;
  g.OnButton7();
  g.OnButton7();
  g.OnButton7();
  g.OnHandClick(MouseButton::Left, t.Place2("9H"));
  ASSERT_EQ(g.Phase(), 16);
  g.OnButton7();  // To Begin of Round
  ASSERT_EQ(g.Phase(), 21);
  g.PhaseStep();
  ASSERT_EQ(g.Phase(), 22);
  EXPECT_EQ(g.Deal().tableCards[1], C("AS"));  // its strongest plain card
  const DealState before = g.Deal();
  t.Take();
  g.OnHandClick(MouseButton::Left, t.Place2("AH"));
  t.Take();
  EXPECT_EQ(g.Phase(), 22);
  EXPECT_EQ(g.Deal().hands[2].cards, before.hands[2].cards);
  EXPECT_EQ(t.Cues(), std::vector<std::string>{"WWrongs"});
  EXPECT_EQ(g.CursorOverHand(t.Place2("AH")), HandCursor::Arrow);
  EXPECT_EQ(g.CursorOverHand(t.Place2("QS")), HandCursor::Pointer);
  // A right click names the card and plays nothing.
  g.OnHandClick(MouseButton::Right, t.Place2("QS"));
  t.Take();
  ASSERT_EQ(t.All<SayCard>().size(), 1u);
  EXPECT_EQ(t.All<SayCard>()[0].card, C("QS"));
  EXPECT_EQ(g.Phase(), 22);
  g.OnHandClick(MouseButton::Left, t.Place2("QS"));
  EXPECT_EQ(g.Phase(), 23);
  EXPECT_EQ(g.Buttons().caption7, Caption::Ok);
  EXPECT_TRUE(g.Buttons().enabled7);
  EXPECT_EQ(g.SpeakableCard(TableArea::Trick, 2), C("QS"));
  g.OnButton7();  // Ok: the computer won with the ace and leads again
  EXPECT_EQ(g.Phase(), 21);
  EXPECT_EQ(g.Deal().tricks[1], 1);
}

TEST(Game, WholeGamesReachSumUpBeforeExitAndHandOnTheResult) {
  for (int gamesPlayed : {0, 18, 19}) {
    Table t({}, gamesPlayed);
    Game& g = *t.game;
    SeatTwoComputer seat2;
    bool sawSumUpFirst = false;
    for (int steps = 0; g.Running() && steps < 5000; ++steps) {
      if (g.Phase() == 31 && !g.State().summed) {
        EXPECT_EQ(g.Buttons().caption7, Caption::ToSumUp);
        EXPECT_FALSE(g.Buttons().enabled8);
        g.OnButton8();  // not yet: nothing happens
        ASSERT_TRUE(g.Running());
        sawSumUpFirst = true;
      }
      seat2.Step(g);
    }
    ASSERT_FALSE(g.Running());
    EXPECT_TRUE(sawSumUpFirst);
    ASSERT_EQ(t.records.games.size(), 1u);
    const FinishedGame& f = t.records.games[0];
    EXPECT_EQ(f.gameNumber, gamesPlayed + 1);
    EXPECT_EQ(f.cycleComplete, gamesPlayed == 19);
    EXPECT_EQ(f.result, g.State().scores[2]);
    EXPECT_NE(f.result, 0);
    EXPECT_EQ(f.result % 10, 0);
    EXPECT_EQ(f.cycleTotalAfterGame, f.result);
    // A summed result over 7 points can be at most 10 * 8.
    EXPECT_LE(std::abs(f.result), 80);
  }
}

TEST(Game, ShowCardsAtEndRestoresBothHandsFaceUp) {
  Table t({}, 0, true);
  Game& g = *t.game;
  SeatTwoComputer seat2;
  while (g.Running() && !(g.Phase() == 30 || g.Phase() == 31)) seat2.Step(g);
  // Skip voided deals: they end in phase 30 with no tricks.
  while (g.Running() && g.Deal().maker == 0) {
    g.OnButton7();
    while (g.Running() && !(g.Phase() == 30 || g.Phase() == 31)) seat2.Step(g);
  }
  EXPECT_EQ(g.Deal().hands[1].count, 5);
  EXPECT_EQ(g.Deal().hands[2].count, 5);
  EXPECT_FALSE(g.SpeakableCard(TableArea::OpponentHand, 1).Empty());
}

}  // namespace
}  // namespace quarlo

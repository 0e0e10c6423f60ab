#include "engine/game.h"

#include "engine/computer.h"
#include "engine/hand_search.h"

namespace quarlo {

namespace {

constexpr int kPickUpPauseMs = 500;
constexpr int kCollectPauseMs = 400;

}  // namespace

bool CueWaits(const std::string& name) {
  return name == "WTasoKo" || name == "WDing_1" || name == "WDiPass" || name == "WHodsDo" || name == "WKoGutX" ||
         name == "WKoBadX";
}

Game::Game(const GameSetup& setup, GameRecords* records)
    : rng_(setup.seed ? Rng(*setup.seed) : Rng::FromClock()),
      packSource_(setup.packSource ? setup.packSource : [](Rng& rng) { return Shuffle(rng); }),
      records_(records),
      showCardsAtEnd_(setup.showCardsAtEnd),
      record_(setup.recordEffects),
      gamesPlayed_(setup.gamesPlayed) {
  game_.cycleTotal = setup.cycleTotal;
  names_ = {"", "PC", setup.playerName};
}

EffectList Game::TakeEffects() {
  EffectList out;
  out.swap(effects_);
  return out;
}

void Game::NewGame() {
  game_.gameNumber = gamesPlayed_ + 1;
  running_ = true;
  StartNewDeal(false);
}

void Game::StartNewDeal(bool continuing) {
  StartDeal(deal_, game_, continuing, packSource_(rng_));
  trickShownLeader_ = deal_.trickLeader;
  handsFaceUpAtEnd_ = false;
  EmitCounter();
  EmitHand(1);
  EmitHand(2);
  EmitPack();
  EmitTrick();
  EmitNames();
  EmitScores();
  EmitButtons(Caption::ToBegin, true, Caption::ExitToMenu, false);
  EmitCue("WTasoKo");
}

// ---- inputs ----

void Game::PhaseStep() {
  if (!running_ || !game_.dealBegun) return;
  switch (game_.phase) {
    case phase::kBid1Player1: ComputerBidFirstRound(); break;
    case phase::kBid2Player1: ComputerBidSecondRound(); break;
    case phase::kPlay1:
      if (deal_.trickNumber >= 1) ComputerPlay();
      break;
    default: break;
  }
}

void Game::OnButton7() {
  if (!running_ || !buttons_.enabled7) return;
  if (!game_.dealBegun) {
    game_.dealBegun = true;
    if (game_.phase == phase::kBid1Player1) {
      EmitButtons(Caption::ToPlay, false, Caption::Pass, false);
      ComputerBidFirstRound();
    } else {
      EmitButtons(Caption::ToPlay, true, Caption::Pass, true);
    }
    return;
  }
  switch (game_.phase) {
    case phase::kBid1Player2: DoAcceptTurnedSuit(2); break;
    case phase::kPickUp: DoPickUp(); break;
    case phase::kTrumpFixed:
      BeginPlay(deal_, game_);
      trickShownLeader_ = deal_.trickLeader;
      EmitButtons(Caption::Ok, false, Caption::ExitToMenu, false);
      EmitTrick();
      break;
    case phase::kTrickDone: DoCollectTrick(); break;
    case phase::kDealOver: StartNewDeal(true); break;
    case phase::kGameOver:
      if (!game_.summed) DoSumUp();
      break;
    default: break;
  }
}

void Game::OnButton8() {
  if (!running_ || !buttons_.enabled8) return;
  if (game_.dealBegun && game_.phase == phase::kBid1Player2)
    DoPassFirstRound(2);
  else if (game_.gameOver)
    DoFinishGame();
}

void Game::OnHandClick(MouseButton button, int place) {
  if (!running_ || place < 1 || place > kHandPlaces) return;
  const Hand& hand = deal_.hands[2];
  if (hand.cards[place].Empty()) return;
  if (button == MouseButton::Right) {
    Emit(SayCard{hand.cards[place]});
    return;
  }
  if (game_.phase == phase::kDiscard) {
    DoDiscard(2, place);
  } else if (game_.phase == phase::kPlay2) {
    EmitNames();
    if (deal_.trickLeader == 1 && IsIllegal(deal_, place)) {
      EmitCue("WWrongs");
      return;
    }
    DoPlayCard(2, place);
  }
}

void Game::OnTrumpChosen(Suit suit) {
  if (!running_ || game_.phase != phase::kBid2Player2) return;
  if (suit == kNoSuit)
    DoPassSecondRound(2);
  else if (IsRealSuit(suit) && suit != deal_.pack.cards[24].suit)
    DoNameTrump(2, suit);
}

void Game::SetPlayerName(const std::string& name) {
  names_[2] = name;
  Emit(ShowSpeech{2, SpeechText::Name, 'y'});
}

CardCode Game::SpeakableCard(TableArea area, int index) const {
  if (!running_) return kNoCard;
  const int ph = game_.phase;
  const bool inHand = index >= 1 && index <= kHandPlaces;
  switch (area) {
    case TableArea::OwnHand: return inHand ? deal_.hands[2].cards[index] : kNoCard;
    case TableArea::OpponentHand:
      return inHand && handsFaceUpAtEnd_ && (ph == phase::kDealOver || ph == phase::kGameOver)
                 ? deal_.hands[1].cards[index]
                 : kNoCard;
    case TableArea::Trick: return ph > 20 && (index == 1 || index == 2) ? deal_.tableCards[index] : kNoCard;
    case TableArea::TurnedCard: {
      const bool voided = (ph == phase::kDealOver || ph == phase::kGameOver) && deal_.tricks[1] + deal_.tricks[2] == 0;
      const bool visible = (ph < phase::kDiscard && !deal_.pickedUp) || deal_.trumpFromSecondRound || voided;
      return visible ? deal_.pack.cards[24] : kNoCard;
    }
  }
  return kNoCard;
}

HandCursor Game::CursorOverHand(int place) const {
  if (!running_ || place < 1 || place > kHandPlaces || deal_.hands[2].cards[place].Empty()) return HandCursor::Arrow;
  if (game_.phase == phase::kDiscard) return HandCursor::Pointer;
  if (game_.phase == phase::kPlay2)
    return deal_.trickLeader == 1 && IsIllegal(deal_, place) ? HandCursor::Arrow : HandCursor::Pointer;
  return HandCursor::Arrow;
}

// ---- the computer ----

void Game::ComputerBidFirstRound() {
  const Suit bid = DecideBid(deal_.hands[1], deal_.firstBidder, deal_.trump, deal_.pack.cards[24]);
  if (bid == deal_.trump)
    DoAcceptTurnedSuit(1);
  else
    DoPassFirstRound(1);
}

void Game::ComputerBidSecondRound() {
  const Suit bid = DecideBid(deal_.hands[1], deal_.firstBidder, kNoSuit, deal_.pack.cards[24]);
  if (IsRealSuit(bid))
    DoNameTrump(1, bid);
  else
    DoPassSecondRound(1);
}

void Game::ComputerPlay() {
  const int place = ChooseCard(deal_.hands[1], PlayerOneView(deal_));
  if (place) DoPlayCard(1, place);
}

// ---- steps ----

void Game::DoAcceptTurnedSuit(int player) {
  AcceptTurnedSuit(deal_, game_, player);
  Emit(ShowSpeech{player, SpeechText::ToPlay, 'b'});
  EmitCue("WDing_1");
  EmitScores();
  EmitCounter();
  EmitButtons(Caption::Ok, true, Caption::Pass, false);
}

void Game::DoPassFirstRound(int player) {
  PassFirstRound(deal_, game_, player);
  Emit(ShowSpeech{player, SpeechText::Pass, 'g'});
  EmitCue("WDiPass");
  AfterBidPhase();
}

void Game::DoPassSecondRound(int player) {
  PassSecondRound(deal_, game_, player);
  Emit(ShowSpeech{player, SpeechText::Pass, 'o'});
  EmitCue("WDiPass");
  AfterBidPhase();
}

// Buttons (and the suit dialog) for the bidding phase just entered.
void Game::AfterBidPhase() {
  switch (game_.phase) {
    case phase::kBid1Player2: EmitButtons(Caption::ToPlay, true, Caption::Pass, true); break;
    case phase::kBid2Player2:
      EmitButtons(Caption::ToPlay, false, Caption::Pass, false);
      Emit(OpenTrumpDialog{deal_.pack.cards[24].suit});
      break;
    case phase::kDealOver: EmitButtons(Caption::NextRound, true, Caption::Pass, false); break;
    default: EmitButtons(Caption::ToPlay, false, Caption::Pass, false); break;
  }
}

void Game::DoNameTrump(int player, Suit suit) {
  NameTrump(deal_, game_, player, suit);
  Emit(ShowSpeech{player, SpeechText::ToPlay, 'b'});
  EmitCue("WDing_1");
  EmitScores();
  EmitCounter();
  EmitHand(1);
  EmitHand(2);
  EmitButtons(Caption::ToBeginOfRound, true, Caption::Pass, false);
}

void Game::DoPickUp() {
  const int dealer = deal_.dealer;
  EmitButtons(Caption::Ok, false, Caption::Pass, false);
  const CardCode turned = deal_.pack.cards[24];
  const int place = PickUpTurnedCard(deal_, dealer);
  EmitPack();
  Emit(FlyCard{turned, Spot::Pack, 0, 0, Spot::Hand, dealer, place, true});
  EmitHand(dealer);
  EmitCue("WHodsDo");
  Emit(Pause{kPickUpPauseMs});
  if (dealer == 2) {
    game_.phase = phase::kDiscard;
  } else {
    DoDiscard(1, ChooseDiscard(deal_.hands[1], deal_.trump));
  }
}

void Game::DoDiscard(int player, int place) {
  const CardCode card = deal_.hands[player].cards[place];
  Discard(deal_, game_, player, place);
  EmitHand(player);
  Emit(FlyCard{card, Spot::Hand, player, place, Spot::Pack, 0, 0, false});
  EmitPack();
  EmitCue("WHodsDo");
  EmitButtons(Caption::ToBeginOfRound, true, Caption::Pass, false);
}

void Game::DoPlayCard(int player, int place) {
  const CardCode card = deal_.hands[player].cards[place];
  if (deal_.trickPosition == 1) trickShownLeader_ = player;
  PlayCard(deal_, game_, player, place);
  EmitHand(player);
  Emit(FlyCard{card, Spot::Hand, player, place, Spot::Trick, player, 0, true});
  EmitTrick();
  EmitCue("WHodsDo");
  if (game_.phase == phase::kTrickDone) {
    EmitScores();
    EmitButtons(Caption::Ok, true, Caption::ExitToMenu, false);
  }
}

void Game::DoCollectTrick() {
  const int winner = deal_.trickLeader;
  EmitNames();
  if (record_) {
    const int leader = trickShownLeader_;
    const std::array<int, 3> owner{0, leader, Other(leader)};
    for (int k = 1; k <= 2; ++k) {
      Emit(FlyCard{deal_.tableCards[k], Spot::Trick, owner[k], 0, Spot::Hand, winner, 0, true});
      Emit(Pause{kCollectPauseMs});
    }
  }
  const bool scored = CollectTrick(deal_, game_, showCardsAtEnd_);
  trickShownLeader_ = deal_.trickLeader;
  EmitTrick();
  EmitButtons(Caption::Ok, false, Caption::ExitToMenu, false);
  if (scored) DoScoreShown();
}

void Game::DoScoreShown() {
  if (showCardsAtEnd_) {
    handsFaceUpAtEnd_ = true;
    EmitHand(1);
    EmitHand(2);
  }
  EmitScores();
  EmitCue(deal_.dealWinner == 2 ? "WKoGutX" : "WKoBadX");
  if (game_.phase == phase::kDealOver)
    EmitButtons(Caption::NextRound, true, Caption::ExitToMenu, false);
  else
    EmitButtons(Caption::ToSumUp, true, Caption::ExitToMenu, false);
}

void Game::DoSumUp() {
  SumUpGame(game_);
  EmitScores();
  EmitCue(game_.scores[2] > 0 ? "WKoGood" : "WKoBads");
  EmitButtons(Caption::ToSumUp, false, Caption::ExitToMenu, true);
}

void Game::DoFinishGame() {
  const int result = game_.scores[2];
  FinishedGame finished{result, game_.cycleTotal + result, game_.gameNumber,
                        game_.gameNumber % kCycleLength == 0};
  if (records_) records_->RecordFinishedGame(finished);
  if (!finished.cycleComplete) EmitCue(result > 0 ? "WKoGood" : "WKoBads");
  // The next game on this object continues the player's record.
  gamesPlayed_ = game_.gameNumber;
  game_.cycleTotal = finished.cycleComplete ? 0 : finished.cycleTotalAfterGame;
  running_ = false;
  EmitButtons(Caption::ToBegin, false, Caption::ExitToMenu, false);
  Emit(ReturnToMenu{result});
}

// ---- effects ----

void Game::EmitButtons(Caption c7, bool e7, Caption c8, bool e8) {
  buttons_ = {c7, e7, c8, e8};
  Emit(buttons_);
}

void Game::EmitHand(int player) {
  if (record_) Emit(ShowHand{player, deal_.hands[player], player == 2 || handsFaceUpAtEnd_});
}

void Game::EmitPack() {
  if (record_) Emit(ShowPack{25 - deal_.nextPackIndex, deal_.pack.cards[24], !deal_.pickedUp});
}

void Game::EmitTrick() {
  if (record_) Emit(ShowTrick{deal_.tableCards, trickShownLeader_});
}

void Game::EmitNames() {
  if (!record_) return;
  Emit(ShowSpeech{1, SpeechText::Name, 'y'});
  Emit(ShowSpeech{2, SpeechText::Name, 'y'});
}

void Game::EmitScores() {
  if (record_) Emit(ShowScores{game_.scores, game_.gains, deal_.tricks, deal_.maker, game_.summed});
}

void Game::EmitCounter() {
  if (record_) Emit(ShowCounter{game_.dealNumber, game_.gameNumber, deal_.maker ? deal_.trump : kNoSuit});
}

void Game::EmitCue(const char* name) {
  if (record_) Emit(PlayCue{name, CueWaits(name)});
}

}  // namespace quarlo

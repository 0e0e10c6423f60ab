// What the table must show, in order, after an input to the Game. The table
// plays the list on a timeline; a headless run may ignore it or record it.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "engine/cards.h"

namespace quarlo {

// Captions of the two action buttons; the table maps them to word-table texts.
enum class Caption { None, ToBegin, ToPlay, Pass, Ok, ToBeginOfRound, ExitToMenu, NextRound, ToSumUp };

// What a speech line says: the player's name or an announcement.
enum class SpeechText { Name, ToPlay, Pass };

struct ShowHand {
  int player;
  Hand hand;  // the cards at that moment, in display order
  bool faceUp;
};

struct ShowPack {
  int cards;  // the count the pack shows: cards not dealt (25 - NextPackIndex)
  CardCode turned;
  bool turnedVisible;
};

struct ShowTrick {
  std::array<CardCode, 3> tableCards;  // [1] the led card, [2] the second
  int leader;                          // [1] lies in the leader's slot
};

struct ShowSpeech {
  int player;
  SpeechText text;
  char plate;  // 'y' names, 'b' "To Play", 'g' first-round pass, 'o' second-round pass
};

struct SetButtons {
  Caption caption7;
  bool enabled7;
  Caption caption8;
  bool enabled8;
};

struct PlayCue {
  std::string name;
  bool waits;  // the timeline goes on only when the sound has finished
};

struct Pause {
  int ms;
};

// Where a card flight starts or ends.
enum class Spot { Hand, Pack, Trick };
struct FlyCard {
  CardCode card;
  Spot from;
  int fromPlayer;  // hand owner, or trick slot owner
  int fromPlace;   // hand place; 0 for pack and trick
  Spot to;
  int toPlayer;
  int toPlace;
  bool faceUp;
};

struct OpenTrumpDialog {
  Suit turnedSuit;  // cannot be chosen
};

struct ShowCounter {
  int dealNumber;
  int gameNumber;
  Suit trump;  // kNoSuit until a player takes trump
};

struct ShowScores {
  std::array<int, 3> scores;
  std::array<int, 3> gains;  // points just gained; 0 draws no gain mark
  std::array<int, 3> tricks;
  int maker;    // highlighted board; 0 for none
  bool summed;  // the summed result is drawn in red
};

struct SayCard {
  CardCode card;
};

// The game has been handed on; the main menu returns.
struct ReturnToMenu {
  int result;
};

using Effect = std::variant<ShowHand, ShowPack, ShowTrick, ShowSpeech, SetButtons, PlayCue, Pause, FlyCard,
                            OpenTrumpDialog, ShowCounter, ShowScores, SayCard, ReturnToMenu>;
using EffectList = std::vector<Effect>;

}  // namespace quarlo

// The user's settings: one plain record with every value and its default.
//
// The record is owned by the main window and read directly by every part of
// the program; settings_file.h loads and stores it as "Quarlo2.ini". Text
// values are Windows-1251 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarlo {

// A service address in its stored enciphered form and the plain form beside
// it; the two are always set together (see address_cipher.h).
struct ServiceAddress {
  std::string enciphered;
  std::string plain;
  bool operator==(const ServiceAddress&) const = default;
};

// From an address as stored; nothing when the text cannot be deciphered.
bool SetEncipheredAddress(ServiceAddress& address, std::string_view enciphered);
ServiceAddress AddressFromPlain(std::string_view plain);

// Built-in service addresses (deployment values: the local quarlo-server).
inline constexpr std::string_view kDefaultRankingServicePlain = "http://127.0.0.1:8580/ranking";
inline constexpr std::string_view kDefaultStatisticsServicePlain = "http://127.0.0.1:8580/statistics";

inline constexpr std::string_view kDefaultTopTenNick = "Incognito";
inline constexpr std::string_view kDefaultTopTenCountry = "1-001";
inline constexpr std::string_view kDefaultTopTenCity = "Moscow";
inline constexpr std::string_view kDefaultTopTenSex = "M";

struct Settings {
  std::uint8_t languageIndex = 0;  // 0..9
  bool soundOn = true;
  bool musicOn = true;
  bool gifAnimationOn = true;
  bool flyCardsOn = true;
  std::uint8_t clubListMode = 1;  // 1 score, 2 rating
  bool multiplayerMode = false;
  bool ownCursorOn = true;
  std::uint8_t cardSpeed = 4;       // 1..6
  std::uint8_t windowSizeMode = 1;  // 1..5
  bool startReported = true;
  bool likeSent = true;
  bool radioListFromServerFirst = true;
  std::uint8_t captionStyle = 1;  // 1..7
  bool newButtonsOn = false;
  bool auxPurpleDesign = false;
  std::uint8_t auxWindowDesign = 2;  // 1..3
  std::uint8_t mainMenuDesign = 0;   // 0..1
  std::uint8_t tableDesign = 0;      // 0..1
  bool saluteButtons = true;
  bool saluteCards = true;

  int cardFaceSet = 0;         // 0..47
  std::uint8_t deckIndex = 0;  // 0..12
  bool alwaysOneDeck = false;
  bool showCardsAtEnd = true;

  std::string fontDecor = "Comic Sans MS";
  std::string fontSerif = "Comic Sans MS";
  std::string fontFixed = "FixedSys";
  std::string fontConew = "Courier New";
  int scaleDecor = 100;  // percent 50..150
  int scaleSerif = 100;
  int scaleFixed = 100;
  int scaleConew = 100;

  std::string serverAddress = "127.0.0.1";
  std::string serverPort = "25666";

  std::uint8_t backgroundSet = 2;      // 1..10
  std::uint8_t backgroundVariant = 0;  // 0..6

  std::string playerName = "Mr.X";

  // The world top-ten values and both service addresses stay empty until a
  // load gets as far as the player's name (ApplyTopTenDefaults); a first run
  // therefore writes them as empty lines.
  ServiceAddress rankingServiceAddress;
  std::string topTenNick;     // at most 12 characters
  std::string topTenCountry;  // "d-nnn"
  std::string topTenCity;     // at most 15 characters
  std::string topTenSex;      // "M" or "W"
  ServiceAddress statisticsServiceAddress;

  bool saveGamesAsGif = false;
  std::uint8_t gifCaptureMode = 1;  // 1 main window, 2 whole screen
  int gifFrameDelay = 1000;         // milliseconds 10..5000

  bool operator==(const Settings&) const = default;
};

// Sets the world top-ten values and both service addresses to their defaults.
void ApplyTopTenDefaults(Settings& s);

// The height of a text in a font role: base height x scale / 100, rounded.
int ScaledFontHeight(int baseHeight, int scalePercent);

}  // namespace quarlo

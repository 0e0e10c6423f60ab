#include "records/settings_file.h"

#include <charconv>
#include <type_traits>

#include "records/record_io.h"

namespace quarlo {
namespace {

constexpr char kGifOn = '\xE8';
constexpr char kGifOff = '\xEB';

// A whole decimal field; anything else (blank, letters, overflow) is refused
// so that the setting keeps its default.
bool ParseInt(std::string_view text, int& out) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last;
}

template <typename T>
void SetInRange(std::string_view text, int lo, int hi, T& target) {
  int v = 0;
  if (ParseInt(text, v) && v >= lo && v <= hi) target = static_cast<T>(v);
}

char Digit(int v) { return static_cast<char>('0' + v); }

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// A value with a line end inside would shift every later line.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

}  // namespace

bool IsValidCountryCode(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return false;
  int n = 0;
  for (char c : code.substr(2)) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  switch (code[0]) {
    case '1': return n <= 48;  // Europe
    case '2': return n <= 51;  // Asia
    case '3': return n <= 35;  // North America
    case '4': return n <= 14;  // South America
    case '5': return n <= 23;  // Oceania
    case '6': return n <= 54;  // Africa
    default: return false;
  }
}

std::string EncodeGeneralLine(const Settings& s) {
  std::string g(20, '#');
  g[0] = s.languageIndex <= 9 ? Digit(s.languageIndex) : '0';
  g[1] = s.soundOn ? (s.musicOn ? '1' : '2') : (s.musicOn ? '3' : '0');
  g[2] = s.gifAnimationOn ? '1' : '0';
  g[3] = s.flyCardsOn ? '1' : '0';
  g[4] = s.clubListMode == 2 ? '2' : '1';
  g[5] = s.multiplayerMode ? '1' : '0';
  g[6] = s.ownCursorOn ? '1' : '0';
  g[7] = InRange(s.cardSpeed, 1, 6) ? Digit(s.cardSpeed) : '4';
  g[8] = InRange(s.windowSizeMode, 1, 5) ? Digit(s.windowSizeMode) : '1';
  g[9] = s.startReported ? 'R' : '#';
  g[10] = s.likeSent ? 'L' : '#';
  g[11] = s.radioListFromServerFirst ? '0' : '1';
  g[12] = InRange(s.captionStyle, 1, 7) ? Digit(s.captionStyle) : '1';
  g[13] = s.newButtonsOn ? '1' : '0';
  g[14] = s.auxPurpleDesign ? '1' : '0';
  g[15] = InRange(s.auxWindowDesign, 1, 3) ? Digit(s.auxWindowDesign) : '1';
  g[16] = s.mainMenuDesign == 1 ? '1' : '0';
  g[17] = s.tableDesign == 1 ? '1' : '0';
  g[18] = s.saluteButtons ? '1' : '0';
  g[19] = s.saluteCards ? '1' : '0';
  return g;
}

void DecodeGeneralLine(std::string_view g, Settings& s) {
  const auto at = [&](std::size_t pos) { return pos <= g.size() ? g[pos - 1] : '\0'; };
  const auto has = [&](std::size_t pos) { return pos <= g.size(); };

  if (has(1)) {
    const char c = at(1);
    if (c >= '0' && c <= '9') s.languageIndex = static_cast<std::uint8_t>(c - '0');
    // "a".."k" stand for languages 10..20, which this program does not have.
    else if (c >= 'a' && c <= 'k') s.languageIndex = 0;
  }
  if (has(2)) {
    switch (at(2)) {
      case '0': s.soundOn = false, s.musicOn = false; break;
      case '1': s.soundOn = true, s.musicOn = true; break;
      case '2': s.soundOn = true, s.musicOn = false; break;
      case '3': s.soundOn = false, s.musicOn = true; break;
      default: break;
    }
  }
  if (has(3)) s.gifAnimationOn = at(3) != '0';
  if (has(4)) s.flyCardsOn = at(4) != '0';
  if (has(5)) s.clubListMode = at(5) == '2' ? 2 : 1;
  if (has(6)) s.multiplayerMode = at(6) == '1';
  if (has(7)) s.ownCursorOn = at(7) != '0';
  if (has(8)) s.cardSpeed = (at(8) >= '1' && at(8) <= '6') ? static_cast<std::uint8_t>(at(8) - '0') : 4;
  if (has(9)) s.windowSizeMode = (at(9) >= '1' && at(9) <= '5') ? static_cast<std::uint8_t>(at(9) - '0') : 1;
  if (has(10)) s.startReported = at(10) == 'R';
  if (has(11)) s.likeSent = at(11) == 'L';
  if (has(12)) s.radioListFromServerFirst = at(12) == '0';
  // Only caption styles that exist are taken; anything else keeps the default.
  if (has(13) && at(13) >= '1' && at(13) <= '7') s.captionStyle = static_cast<std::uint8_t>(at(13) - '0');
  if (has(14)) s.newButtonsOn = at(14) == '1';
  if (has(15)) s.auxPurpleDesign = at(15) == '1';
  if (has(16)) s.auxWindowDesign = (at(16) >= '1' && at(16) <= '3') ? static_cast<std::uint8_t>(at(16) - '0') : 2;
  const auto bit = [&](std::size_t pos, auto& target) {
    if (has(pos) && (at(pos) == '0' || at(pos) == '1')) target = static_cast<std::remove_reference_t<decltype(target)>>(at(pos) == '1');
  };
  bit(17, s.mainMenuDesign);
  bit(18, s.tableDesign);
  bit(19, s.saluteButtons);
  bit(20, s.saluteCards);
}

std::vector<std::string> EncodeSettings(const Settings& s) {
  std::vector<std::string> l;
  l.reserve(kSettingsLines);
  l.push_back("<# General>");
  l.push_back(EncodeGeneralLine(s));
  l.push_back("<# Cards>");
  l.push_back(std::to_string(s.cardFaceSet));
  l.push_back("<# Decks>");
  {
    const int deck = InRange(s.deckIndex, 0, 99) ? s.deckIndex : 0;
    l.push_back(std::string{Digit(deck / 10), Digit(deck % 10), s.alwaysOneDeck ? '1' : '0'});
  }
  l.push_back("<# Individual>");
  l.push_back(std::string(1, s.showCardsAtEnd ? '1' : '0') + "#####");
  l.push_back("<# Fonts>");
  l.push_back(OneLine(s.fontDecor));
  l.push_back(OneLine(s.fontSerif));
  l.push_back(OneLine(s.fontFixed));
  l.push_back(OneLine(s.fontConew));
  l.push_back(std::to_string(s.scaleDecor));
  l.push_back(std::to_string(s.scaleSerif));
  l.push_back(std::to_string(s.scaleFixed));
  l.push_back(std::to_string(s.scaleConew));
  l.push_back("<# IP & Port>");
  l.push_back(OneLine(s.serverAddress));
  l.push_back(OneLine(s.serverPort));
  l.push_back("<# Background>");
  {
    // The reader takes two characters of set and one of variant.
    const int set = InRange(s.backgroundSet, 1, 10) ? s.backgroundSet : 2;
    const int variant = InRange(s.backgroundVariant, 0, 9) ? s.backgroundVariant : 0;
    std::string bg = std::to_string(set) + Digit(variant);
    if (bg.size() == 2) bg.insert(0, "0");
    l.push_back(bg);
  }
  l.push_back("<# Name Of Player>");
  l.push_back(OneLine(s.playerName));
  l.push_back("<# World Top Ten>");
  l.push_back(OneLine(s.rankingServiceAddress.enciphered));
  l.push_back(OneLine(s.topTenNick));
  l.push_back(OneLine(s.topTenCountry));
  l.push_back(OneLine(s.topTenCity));
  l.push_back(OneLine(s.topTenSex));
  l.push_back(OneLine(s.statisticsServiceAddress.enciphered));
  l.push_back("<# Save Games as GIF>");
  l.push_back(std::string(1, s.saveGamesAsGif ? kGifOn : kGifOff));
  l.push_back(std::to_string(s.gifCaptureMode));
  l.push_back(std::to_string(s.gifFrameDelay));
  return l;
}

SettingsLoad DecodeSettings(const std::vector<std::string>& lines) {
  SettingsLoad out;
  Settings& s = out.settings;
  if (lines.size() < static_cast<std::size_t>(kSettingsLines)) return out;
  const auto line = [&](int n) -> const std::string& { return lines[static_cast<std::size_t>(n - 1)]; };

  // Each step below returns early at its first failed condition; whatever was
  // decoded before stays.
  DecodeGeneralLine(line(2), s);
  SetInRange(line(4), 0, 47, s.cardFaceSet);

  if (line(6).size() < 3) return out;
  SetInRange(std::string_view(line(6)).substr(0, 2), 0, 12, s.deckIndex);
  s.alwaysOneDeck = line(6)[2] == '1';

  s.showCardsAtEnd = line(8).empty() || line(8)[0] != '0';

  std::string* fonts[] = {&s.fontDecor, &s.fontSerif, &s.fontFixed, &s.fontConew};
  for (int i = 0; i < 4; ++i) {
    if (line(10 + i).size() < 2) return out;
    *fonts[i] = line(10 + i);
  }
  int* scales[] = {&s.scaleDecor, &s.scaleSerif, &s.scaleFixed, &s.scaleConew};
  for (int i = 0; i < 4; ++i) {
    if (line(14 + i).empty()) return out;
    SetInRange(line(14 + i), 50, 150, *scales[i]);
  }

  if (line(18).empty()) return out;
  s.serverAddress = line(19);
  if (line(20).empty()) return out;
  s.serverPort = line(20);

  if (line(21).empty() || line(22).empty()) return out;
  SetInRange(std::string_view(line(22)).substr(0, 2), 1, 10, s.backgroundSet);
  if (line(22).size() >= 3) SetInRange(std::string_view(line(22)).substr(2, 1), 0, 6, s.backgroundVariant);

  if (line(23).empty() || line(24).empty()) return out;
  s.playerName = line(24);
  ApplyTopTenDefaults(s);

  // An address that does not decipher is unusable; the built-in one stays.
  if (line(26).empty()) return out;
  SetEncipheredAddress(s.rankingServiceAddress, line(26));

  if (line(27).empty()) return out;
  s.topTenNick = line(27).substr(0, 12);

  if (line(28).size() != 5) return out;
  if (IsValidCountryCode(line(28))) s.topTenCountry = line(28);

  if (line(29).empty()) return out;
  s.topTenCity = line(29).substr(0, 15);

  if (line(30).empty()) return out;
  s.topTenSex = line(30).substr(0, 1);
  if (s.topTenSex != "M" && s.topTenSex != "W") s.topTenSex = "M";

  if (!line(31).empty()) SetEncipheredAddress(s.statisticsServiceAddress, line(31));

  s.saveGamesAsGif = line(33) == std::string(1, kGifOn);
  SetInRange(line(34), 1, 2, s.gifCaptureMode);
  SetInRange(line(35), 10, 5000, s.gifFrameDelay);

  out.complete = true;
  return out;
}

SettingsLoad LoadSettings(const std::filesystem::path& programDir) {
  const auto path = programDir / kSettingsFileName;
  auto bytes = ReadFileBytes(path);
  if (!bytes) bytes = ReadFileBytes(path);
  if (!bytes) return {};
  return DecodeSettings(SplitLines(*bytes));
}

Status SaveSettings(const std::filesystem::path& programDir, const Settings& settings) {
  const auto path = programDir / kSettingsFileName;
  const std::string bytes = JoinLines(EncodeSettings(settings));
  if (WriteFileAtomically(path, bytes)) return Status::Ok();
  if (WriteFileAtomically(path, bytes)) return Status::Ok();
  return Status::Fail(std::string(kCantSaveOptions));
}

}  // namespace quarlo

// quarlo-engine: the game engine from the command line.
//   quarlo-engine --query                      line interface on stdin/stdout
//   quarlo-engine selfplay --games N [--seed S] computer against computer
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "query.h"
#include "selfplay.h"

namespace {

int Usage() {
  std::cerr << "usage: quarlo-engine --query\n"
               "       quarlo-engine selfplay --games N [--seed S]\n";
  return 2;
}

bool ParseNumber(const char* text, unsigned long long& out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtoull(text, &end, 10);
  return errno == 0 && *end == '\0' && text[0] != '-';
}

int Query() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::cout << quarlo::AnswerQuery(line) << std::endl;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--query") return Query();
  if (argc >= 2 && std::string(argv[1]) == "selfplay") {
    unsigned long long games = 0;
    std::optional<std::uint64_t> seed;
    bool haveGames = false;
    for (int i = 2; i < argc; ++i) {
      const std::string arg = argv[i];
      unsigned long long v = 0;
      if (i + 1 >= argc || !ParseNumber(argv[i + 1], v)) return Usage();
      if (arg == "--games") {
        games = v;
        haveGames = true;
      } else if (arg == "--seed") {
        seed = v;
      } else {
        return Usage();
      }
      ++i;
    }
    if (!haveGames || games == 0) return Usage();
    const quarlo::SelfPlaySummary s = quarlo::RunSelfPlay(static_cast<long>(games), seed);
    std::cout << quarlo::FormatSummary(s);
    return s.stuck ? 1 : 0;
  }
  return Usage();
}

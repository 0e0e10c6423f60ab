#include <gtest/gtest.h>

#include <cstdio>

#include "query.h"

namespace quarlo {
namespace {

TEST(Query, AnswersEveryCommand) {
  struct Case {
    const char* command;
    const char* answer;
  };
  const Case cases[] = {
      {"order H AH 9C JD TD QS --", "9C TD QS AH JD -- 5"},
      {"order h jh jd -- -- -- --", "JD JH -- -- -- -- 2"},
      {"eval H JH 9H AS KC TD --", "3.05"},
      {"eval S -- -- -- -- -- --", "0.00"},
      {"discard H 9C 9S QH KH AH JH", "1"},
      {"bid 1 H JH 9C 9S QH KH AH --", "-"},
      {"bid 2 H JH 9C 9S QH KH AH --", "H"},
      {"bid 1 - 9H AC KC AS KS TH --", "S"},
      {"legal H JD 9H AS QD -- -- --", "1"},
      {"legal H -- 9H AS QD -- -- --", "1 2 3"},
      {"legal H 9C -- -- -- -- -- --", "none"},
      {"choose H -- C - KC AS 9C QH -- --", "3"},
      {"choose H -- - JH,9S,TS,JD AS AH 9H -- -- --", "2"},
      {"choose H AS - - 9H 9S KS JH -- --", "2"},
      {"trick H 1 JD JH", "2"},
      {"trick H 2 AS 9H", "1"},
      {"score 1 3 2", "1 0"},
      {"score 2 3 2", "2 0"},
      {"score 2 0 5", "0 2"},
      {"firstbidder 1 1", "1"},
      {"firstbidder 1 2", "2"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswerQuery(c.command), c.answer) << c.command;
}

TEST(Query, MalformedCommandsAnswerAnError) {
  for (const char* bad : {"", "fly", "order H AH", "order X AH 9C JD TD QS --", "eval H ZZ 9C JD TD QS --",
                          "eval H AH AH -- -- -- --", "bid 3 H JH -- -- -- -- -- --", "bid 1 D JH 9C -- -- -- -- --",
                          "bid 1 H JH JH -- -- -- -- --", "score 1 3 3", "score 1 x 2", "trick H 1 AS AS",
                          "choose H -- X - AS -- -- -- -- --", "choose H -- - AS,QQ AH -- -- -- -- --",
                          "choose H -- - - -- -- -- -- -- --", "firstbidder 0 1", "order H AH 9C JD TD QS -- extra",
                          // the dealer takes the turned card into place 6, which must be free
                          "bid 2 H JH AH KH -- QH 9S 9C",
                          // a trailing comma in the played cards; a card named twice (led and held,
                          // played and held, played twice, led and played)
                          "choose H -- C 9D,TD, KC AS 9C QH -- --", "legal H JD JD AS QD -- -- --",
                          "choose H AS - - AS 9S KS -- -- --", "choose H -- - AS,9D KC AS -- -- -- --",
                          "choose H -- - 9D,9D KC -- -- -- -- --", "choose H 9D - 9D,TD KC -- -- -- -- --"}) {
    const std::string answer = AnswerQuery(bad);
    EXPECT_EQ(answer.rfind("error:", 0), 0u) << bad << " -> " << answer;
  }
}

TEST(Query, ToolAnswersOneLinePerCommandAndSkipsBlankLines) {
  const std::string cmd = std::string("printf 'eval H JH 9H AS KC TD --\\n\\n   \\nbogus\\r\\nscore 2 5 0\\n' | ") +
                          QUARLO_ENGINE_BIN + " --query";
  FILE* pipe = popen(cmd.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[256];
  while (fgets(buf, sizeof buf, pipe)) out += buf;
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(out, "3.05\nerror: unknown command 'bogus'\n2 0\n");
}

}  // namespace
}  // namespace quarlo

// quarlo-club as an installer runs it: exit codes, messages, files it leaves.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "records/history_file.h"
#include "scratch_dir.h"

namespace quarlo {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string output;
};

ToolRun Tool(const std::string& args) {
  ToolRun run;
  const std::string command = std::string(QUARLO_CLUB_TOOL) + " " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.output.append(buf.data(), n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quote(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(QuarloClub, InitThenVerifyAndAOneByteChange) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "Quarlo2.clb";
  EXPECT_EQ(Tool("init " + Quote(file)).exitCode, 0);
  EXPECT_EQ(Tool("verify " + Quote(file)).exitCode, 0);

  // init never overwrites, even a broken file.
  std::string bytes = testing::ReadBytes(file);
  bytes[3] = 'x';
  testing::WriteBytes(file, bytes);
  const ToolRun again = Tool("init " + Quote(file));
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.output.find("exists"), std::string::npos);
  EXPECT_EQ(testing::ReadBytes(file), bytes);

  const ToolRun verify = Tool("verify " + Quote(file));
  EXPECT_EQ(verify.exitCode, 1);
  EXPECT_NE(verify.output.find("checksum"), std::string::npos) << verify.output;
  EXPECT_EQ(std::count(verify.output.begin(), verify.output.end(), '\n'), 1);

  EXPECT_EQ(Tool("verify " + Quote(dir.path() / "none.clb")).exitCode, 1);
}

TEST(QuarloClub, ShowPrintsMembersAndTopTen) {
  const ToolRun show = Tool("show " + Quote(testing::Fixture("club_two_members.clb")));
  EXPECT_EQ(show.exitCode, 0);
  EXPECT_NE(show.output.find("Анна"), std::string::npos) << show.output;
  EXPECT_NE(show.output.find("3,25"), std::string::npos);
  EXPECT_NE(show.output.find("Viktor"), std::string::npos);
  EXPECT_EQ(Tool("show " + Quote(testing::Fixture("club_name_changed.clb"))).exitCode, 1);
}

TEST(QuarloClub, History) {
  const ToolRun valid = Tool("history " + Quote(testing::Fixture("history_valid")));
  EXPECT_EQ(valid.exitCode, 0);
  EXPECT_NE(valid.output.find("File 1: 2 entries"), std::string::npos) << valid.output;
  EXPECT_NE(valid.output.find("Анна/Mr.X"), std::string::npos);
  EXPECT_NE(valid.output.find("-0,07 N"), std::string::npos);

  EXPECT_EQ(Tool("history " + Quote(testing::Fixture("history_altered"))).exitCode, 1);

  testing::ScratchDir empty;
  EXPECT_EQ(Tool("history " + Quote(empty.path())).exitCode, 0);
  // A folder that is not there is a mistyped argument, not an empty history.
  const ToolRun missing = Tool("history " + Quote(empty.path() / "none"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("not a folder"), std::string::npos) << missing.output;
  EXPECT_EQ(Tool("bogus x").exitCode, 2);
}

}  // namespace
}  // namespace quarlo

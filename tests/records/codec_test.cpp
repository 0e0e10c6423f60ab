// The text codec, the address cipher, the line sums and the record-file I/O.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "records/address_cipher.h"
#include "records/cp1251.h"
#include "records/line_checksum.h"
#include "records/record_io.h"
#include "scratch_dir.h"

namespace quarlo {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, KnownCharacters) {
  struct Case {
    std::string cp1251, utf8;
  };
  const Case cases[] = {
      {"\xCA\xE2\xE0\xF0\xEB\xEE", "Кварло"},
      {"\xA8\xB8", "Ёё"},
      {"\x88", "€"},
      {"\xB9", "№"},
      {"\xB4", "ґ"},  // the marker byte of club and history files
      {"\xF7\xE1\xEA\xEF", "чбкп"},
      {"Mr.X", "Mr.X"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8);
    EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251);
  }
}

TEST(Cp1251, CharactersWithoutAByteAndBrokenUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("中文 Česky"), "?? ?esky");
  EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a?");           // cut sequence
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "?");          // overlong "/"
  EXPECT_EQ(Utf8ToCp1251("\xFF" "b"), "?b");
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82" "x"), "?x");     // resynchronises at "x"
  EXPECT_EQ(Utf8ToCp1251("😀"), "?");
}

TEST(AddressCipher, RoundTripsAnyBytes) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  for (const std::string& plain : {std::string(), std::string("h"), std::string("ht"),
                                  std::string("http://127.0.0.1:8580/ranking"), bytes}) {
    const std::string text = EncipherAddress(plain);
    EXPECT_EQ(DecipherAddress(text), plain);
    EXPECT_EQ(text.find_first_of("#$= \r\n"), std::string::npos) << text;
  }
}

TEST(AddressCipher, TextIsNotThePlainAddressAndDependsOnTheKey) {
  const std::string plain = "http://example.test/top10.php";
  const std::string text = EncipherAddress(plain);
  EXPECT_EQ(text.find("example"), std::string::npos);
  EXPECT_NE(EncipherAddress(plain, 0x1234), text);
  EXPECT_NE(DecipherAddress(text, 0x1234), plain);
}

TEST(AddressCipher, RefusesTextThatIsNotEnciphered) {
  EXPECT_EQ(DecipherAddress("abc#"), std::nullopt);
  EXPECT_EQ(DecipherAddress("abcde"), std::nullopt);  // impossible length
  EXPECT_EQ(DecipherAddress("a b"), std::nullopt);
  // Trailing padding and surrounding blanks from a directory text are accepted.
  const std::string text = EncipherAddress("http://a.test/x");
  EXPECT_EQ(DecipherAddress("  " + text + "==\r\n"), "http://a.test/x");
}

TEST(LineChecksum, SumsAllEvenAndThirdPositions) {
  // Positions 1..6 hold bytes 1..6: all 21, even 2+4+6, third 3+6.
  const ByteSums s = SumBytes(std::string("\x01\x02\x03\x04\x05\x06", 6));
  EXPECT_EQ(s.all, 21u);
  EXPECT_EQ(s.even, 12u);
  EXPECT_EQ(s.third, 9u);
  EXPECT_EQ(SumsText(s, 5), "000210001200009");
  ByteSums back;
  ASSERT_TRUE(ParseSumsText("000210001200009", 5, back));
  EXPECT_EQ(back, s);
  EXPECT_FALSE(ParseSumsText("0002100012000x9", 5, back));
  EXPECT_FALSE(ParseSumsText("00021", 5, back));
}

TEST(RecordIo, SplitsCrLfAndStrayLineEnds) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\nb\rc"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(RecordIo, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "f.txt";
  testing::WriteBytes(file, "old contents");
  ASSERT_TRUE(WriteFileAtomically(file, "new"));
  EXPECT_EQ(testing::ReadBytes(file), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(RecordIo, FailedWriteKeepsTheOldFile) {
  testing::ScratchDir dir;
  // A folder where the file should be: the rename cannot replace it.
  std::filesystem::create_directory(dir.path() / "f.txt");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "f.txt", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "f.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "missing" / "f.txt", "x"));
}

TEST(RecordIo, ReadOnlyFileIsNotReplaced) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "f.txt";
  testing::WriteBytes(file, "old");
  ::chmod(file.c_str(), 0444);
  EXPECT_FALSE(WriteFileAtomically(file, "new"));
  EXPECT_EQ(testing::ReadBytes(file), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(RecordIo, WriteNeverGoesThroughALinkAtTheTemporaryName) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "f.txt";
  const auto other = dir.path() / "other.txt";
  const auto temp = dir.path() / ".f.txt.tmp";
  for (bool symbolic : {true, false}) {
    testing::WriteBytes(other, "keep");
    std::filesystem::remove(temp);
    if (symbolic)
      std::filesystem::create_symlink(other, temp);
    else
      std::filesystem::create_hard_link(other, temp);
    ASSERT_TRUE(WriteFileAtomically(file, "new")) << symbolic;
    EXPECT_EQ(testing::ReadBytes(other), "keep") << symbolic;
    EXPECT_FALSE(std::filesystem::is_symlink(file)) << symbolic;
    EXPECT_EQ(testing::ReadBytes(file), "new") << symbolic;
  }
}

TEST(RecordIo, NewFileNeverOverwrites) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "f.txt";
  ASSERT_TRUE(WriteNewFile(file, "first"));
  EXPECT_FALSE(WriteNewFile(file, "second"));
  EXPECT_EQ(testing::ReadBytes(file), "first");
}

TEST(RecordIo, ReadOnlyFileCannotBeReplacedEvenForTheSuperuser) {
  testing::ScratchDir dir;
  const auto file = dir.path() / "f.txt";
  testing::WriteBytes(file, "x");
  EXPECT_TRUE(CanReplaceFile(file));
  ::chmod(file.c_str(), 0444);
  EXPECT_FALSE(CanReplaceFile(file));
  ::chmod(file.c_str(), 0644);
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_FALSE(CanReplaceFile(file));
  ::chmod(dir.path().c_str(), 0755);
}

}  // namespace
}  // namespace quarlo

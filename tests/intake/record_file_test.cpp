#include "intake/record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "fifo_guard.h"
#include "model/text.h"
#include "tests/support/temp_dir.h"

namespace {

using model::Text;

Text Decode(const std::vector<unsigned char>& bytes) {
  return intake::DecodeField(bytes.data(), static_cast<int>(bytes.size()));
}

std::vector<unsigned char> Bytes(std::string_view raw) {
  return {raw.begin(), raw.end()};
}

TEST(DecodeFieldTest, DoubleByteCharactersGetTrailingBlanksToKeepTheFieldWidth) {
  // サクラ (3 double-byte characters) and 8 blank bytes in a 14-byte field.
  EXPECT_EQ(Decode(Bytes("\x83\x54\x83\x4e\x83\x89        ")), u"サクラ" + Text(11, u' '));
  // 7 double-byte characters fill a 14-byte field.
  const Text seven = Decode(Bytes("\x83\x54\x83\x4e\x83\x89\x83\x7a\x83\x8c\x83\x43\x83\x59"));
  EXPECT_EQ(seven, u"サクラホレイズ" + Text(7, u' '));
  EXPECT_EQ(seven.size(), 14u);
  // Mixed: digits, a kanji, digits.
  EXPECT_EQ(Decode(Bytes("50\x96\x9c ")), u"50万  ");
  // Trailing blanks of a plain field stay.
  EXPECT_EQ(Decode(Bytes("1200    ")), u"1200    ");
}

TEST(DecodeFieldTest, UsesTheMicrosoftMapping) {
  struct Case {
    std::string bytes;
    Text text;
  };
  const std::vector<Case> cases = {
      {"\x81\x7c", u"－ "},  // full-width hyphen-minus U+FF0D, not U+2212
      {"\x81\x60", u"～ "},  // U+FF5E, not the wave dash
      {"\x87\x40", u"① "},   // NEC special characters
      {"\x9f\x40", u"檗 "},  // 0x9F, the last lead byte before the half-width katakana
      {"\x5c\x7e", u"\\~"},  // single bytes stay ASCII
      {"\x81\x40", u"\u3000 "},
  };
  for (const Case& c : cases) EXPECT_EQ(Decode(Bytes(c.bytes)), c.text);
}

TEST(DecodeFieldTest, HalfWidthKatakanaAreSingleByteCharacters) {
  // ｻｸﾗ then ｡ (0xA1) and ﾟ (0xDF), the ends of the range.
  EXPECT_EQ(Decode(Bytes("\xbb\xb8\xd7\xa1\xdf")), u"ｻｸﾗ｡ﾟ");
}

TEST(DecodeFieldTest, InvalidBytesDecodeToReplacementCharacters) {
  struct Case {
    const char* what;
    std::string bytes;
    Text text;
  };
  const Text r = u"\uFFFD";
  const std::vector<Case> cases = {
      {"lead and trail that map to nothing count as one double-byte character",
       "\x85\x40"
       "A",
       r + u"A "},
      {"unassigned row", "\xeb\x40", r + u" "},
      {"lead byte followed by a blank", "\x83\x20", r + u" "},
      {"lead byte followed by a byte below the trail range", "\x83\x39", r + u"9"},
      {"lead byte followed by 0x7F", "\x83\x7f", r + u"\x7f"},
      {"lead byte followed by a byte above the trail range", "\x83\xfd", r + r},
      {"lead byte as the last byte of the field", "AB\x83", u"AB" + r},
      {"lone 0x80",
       "\x80"
       "1",
       r + u"1"},
      {"lone 0xA0", "\xa0", r},
      {"lone 0xFD to 0xFF", "\xfd\xfe\xff", r + r + r},
      {"lead byte that stands alone does not swallow a following pair", "\x83\x0a\x83\x54", r + u"\nサ "},
  };
  for (const Case& c : cases) {
    const Text text = Decode(Bytes(c.bytes));
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(text.size(), c.bytes.size()) << c.what;
  }
}

TEST(DecodeFieldTest, EveryByteStringKeepsItsLength) {
  // Whatever the bytes, the text has as many characters as the field has bytes.
  std::vector<unsigned char> bytes(256 * 3);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>((i * 37 + i / 256) & 0xFF);
  for (int width = 0; width <= 40; ++width) {
    for (size_t start = 0; start + static_cast<size_t>(width) <= bytes.size(); start += 13) {
      ASSERT_EQ(intake::DecodeField(bytes.data() + start, width).size(), static_cast<size_t>(width));
    }
  }
}

// A small layout: two fields, 6 bytes a record.
struct TinyRecord {
  static constexpr int kLength = 6;
  static constexpr int kFieldCount = 2;
  static constexpr std::array<intake::FieldPlace, kFieldCount + 1> kFields = {{{0, 0}, {1, 2}, {3, 4}}};
};

class RecordReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = tmp_.Path(); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  testsupport::ScopedTempDir tmp_;
  std::filesystem::path dir_;
};

TEST_F(RecordReaderTest, ReadsRecordsByNumber) {
  intake::RecordReader<TinyRecord> reader(Write("two.kd2", "01abcd02efgh"));
  reader.Read(2);
  EXPECT_EQ(reader.Field(1), u"02");
  EXPECT_EQ(reader.Field(2), u"efgh");
  reader.Read(1);
  EXPECT_EQ(reader.Field(1), u"01");
  EXPECT_EQ(reader.Field(2), u"abcd");
}

// FieldInto and JoinedFieldsInto write over a cell that already holds a text: whatever it held,
// longer or shorter, the cell ends up with exactly the field's text.
TEST_F(RecordReaderTest, FieldsWrittenIntoACellReplaceWhateverItHeld) {
  // Double-byte characters, a lead byte without its trail byte, ASCII, a record cut short.
  intake::RecordReader<TinyRecord> reader(Write("mixed.kd2",
                                                "\x82\xa0\x82\xa0"
                                                "a1"
                                                "\x81"
                                                "01abcd"));
  const std::vector<Text> held = {u"", u"x", u"ＡＢＣＤＥＦＧＨＩＪ" + Text(40, u'z')};
  for (long n : {1L, 2L, 3L}) {
    reader.Read(n);
    for (const Text& before : held) {
      for (int field : {1, 2}) {
        Text cell = before;
        reader.FieldInto(field, cell);
        EXPECT_EQ(cell, reader.Field(field)) << "record " << n << ", field " << field;
      }
      Text joined = before;
      reader.JoinedFieldsInto(std::vector<int>{2, 1, 2}, u'-', joined);
      EXPECT_EQ(joined, reader.Field(2) + u"-" + reader.Field(1) + u"-" + reader.Field(2)) << "record " << n;
      reader.JoinedFieldsInto(std::vector<int>{}, u'-', joined);
      EXPECT_EQ(joined, u"");
    }
  }
}

TEST_F(RecordReaderTest, BytesBeyondTheEndReadAsBlanksNeverAsThePreviousRecord) {
  // One full record, then a record cut after 3 bytes.
  intake::RecordReader<TinyRecord> reader(Write("short.kd2", "01abcd02e"));
  reader.Read(1);
  reader.Read(2);
  EXPECT_EQ(reader.Field(1), u"02");
  EXPECT_EQ(reader.Field(2), u"e   ");
  reader.Read(1);
  reader.Read(3);  // wholly beyond the end
  EXPECT_EQ(reader.Field(1), u"  ");
  EXPECT_EQ(reader.Field(2), u"    ");
  reader.Read(1);  // reading resumes after a read past the end
  EXPECT_EQ(reader.Field(2), u"abcd");
  reader.Read(0);
  EXPECT_EQ(reader.Field(1), u"  ");
  reader.Read(1);
  reader.Read(std::numeric_limits<long>::max());
  EXPECT_EQ(reader.Field(2), u"    ");
}

TEST_F(RecordReaderTest, AMissingFileReadsAsBlankRecordsAndIsNotCreated) {
  const std::filesystem::path missing = dir_ / "kol_den1.kd2";
  {
    intake::RecordReader<TinyRecord> reader(missing.string());
    for (long n : {1L, 2L, 12L}) {
      reader.Read(n);
      EXPECT_EQ(reader.Field(1), u"  ");
      EXPECT_EQ(reader.Field(2), u"    ");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(RecordReaderTest, AFolderInPlaceOfTheFileReadsAsBlankRecords) {
  std::filesystem::create_directories(dir_ / "kol_uma.kd2");
  intake::RecordReader<TinyRecord> reader((dir_ / "kol_uma.kd2").string());
  reader.Read(1);
  EXPECT_EQ(reader.Field(2), u"    ");
}

TEST_F(RecordReaderTest, ReadingLeavesTheFileUnchanged) {
  const std::string path = Write("keep.kd2", "01abcd");
  const auto before = std::filesystem::last_write_time(path);
  {
    intake::RecordReader<TinyRecord> reader(path);
    reader.Read(1);
    reader.Read(5);
  }
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "01abcd");
  EXPECT_EQ(std::filesystem::last_write_time(path), before);
}

TEST_F(RecordReaderTest, AFifoInPlaceOfTheFileReadsAsMissingWithoutWaiting) {
  fifo_guard::FifoGuard fifo(dir_ / "kol_uma.kd2");
  intake::RecordReader<TinyRecord> reader(dir_ / "kol_uma.kd2");
  reader.Read(1);
  EXPECT_FALSE(fifo.HadToRelease());
  EXPECT_EQ(reader.Field(2), u"    ");
  EXPECT_FALSE(reader.Use().opened);
  EXPECT_FALSE(reader.Use().Complete());
}

// Records are read ahead in large blocks; every record must still read as itself, in any order,
// whether it lies inside a block, across the end of one, or is cut by the end of the file.
TEST_F(RecordReaderTest, ReadsEveryRecordOfAFileManyReadsLongInAnyOrder) {
  constexpr long kRecords = 50000;  // 300,000 bytes
  auto record_text = [](long n) {
    std::string digits = std::to_string(n % 1000000);
    return std::string(6 - digits.size(), '0') + digits;
  };
  std::string content;
  for (long n = 1; n <= kRecords; ++n) content += record_text(n);
  content.resize(content.size() - 3);  // the last record is cut after 3 bytes
  intake::RecordReader<TinyRecord> reader(Write("many.kd2", content));
  auto expect_record = [&](long n) {
    reader.Read(n);
    const std::string text = n < kRecords    ? record_text(n)
                             : n == kRecords ? record_text(n).substr(0, 3) + "   "
                                             : std::string(6, ' ');
    ASSERT_EQ(reader.Field(1), model::FromUtf8(text.substr(0, 2))) << n;
    ASSERT_EQ(reader.Field(2), model::FromUtf8(text.substr(2))) << n;
  };
  for (long n = 1; n <= kRecords + 2; ++n) expect_record(n);
  for (long n = kRecords + 2; n >= 1; n -= 7) expect_record(n);
  for (long n : {kRecords, 1L, 10923L, 10922L, 21846L, kRecords - 1, kRecords + 1, 2L}) expect_record(n);
  EXPECT_EQ(reader.Use().size, content.size());
  EXPECT_EQ(reader.Use().needed, static_cast<std::uint64_t>(kRecords + 2) * TinyRecord::kLength);
  EXPECT_FALSE(reader.Use().Complete());
}

// What a reader tells of the file after reading some records of it.
TEST_F(RecordReaderTest, TellsWhetherTheFileOpenedAndHeldEveryRecordAskedFor) {
  struct Case {
    const char* what;
    const char* content;  // nullptr: no file; "/": a folder in its place
    std::vector<long> reads;
    bool opened;
    std::uint64_t size;
    std::uint64_t needed;
    bool complete;
  };
  const Case cases[] = {
      {"whole", "01abcd02efgh", {1, 2}, true, 12, 12, true},
      {"longer than asked", "01abcd02efgh", {1}, true, 12, 6, true},
      {"no record asked for", "", {}, true, 0, 0, true},
      {"record 0 is never asked for", "", {0}, true, 0, 0, true},
      {"empty", "", {1, 2}, true, 0, 12, false},
      {"cut inside record 2", "01abcd02e", {1, 2}, true, 9, 12, false},
      {"record 3 wholly beyond the end", "01abcd02efgh", {3, 1}, true, 12, 18, false},
      {"missing", nullptr, {1}, false, 0, 6, false},
      {"a folder", "/", {1}, false, 0, 6, false},
      {"a record number no file can reach",
       "01abcd",
       {std::numeric_limits<long>::max()},
       true,
       6,
       std::numeric_limits<std::uint64_t>::max(),
       false},
  };
  for (const Case& c : cases) {
    const std::filesystem::path path = dir_ / "case.kd2";
    std::filesystem::remove_all(path);
    if (c.content != nullptr && std::string(c.content) == "/") {
      std::filesystem::create_directory(path);
    } else if (c.content != nullptr) {
      Write("case.kd2", c.content);
    }
    intake::RecordReader<TinyRecord> reader(path);
    for (long n : c.reads) reader.Read(n);
    const intake::RecordFileUse& use = reader.Use();
    EXPECT_EQ(use.path, path) << c.what;
    EXPECT_EQ(use.opened, c.opened) << c.what;
    EXPECT_EQ(use.size, c.size) << c.what;
    EXPECT_EQ(use.needed, c.needed) << c.what;
    EXPECT_EQ(use.Complete(), c.complete) << c.what;
  }
}

}  // namespace

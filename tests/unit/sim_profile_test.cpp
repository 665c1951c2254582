// The simulated profile store reads and edits INI text the way the window
// system's store does, on the odd files users and editors leave behind.

#include "platform/sim/sim_profile.h"

#include <gtest/gtest.h>

#include <string>

namespace mirlo {
namespace {

using namespace std::string_literals;

const std::string kNone = "<none>";

std::string Read(const std::string& text, const std::string& section, const std::string& key) {
  std::string value = kNone;
  const bool found = ProfileRead(text, section, key, value);
  EXPECT_EQ(found, value != kNone) << section << "/" << key;
  return value;
}

TEST(SimProfileTest, ReadsLikeTheWindowSystemsStore) {
  struct Case {
    const char* what;
    std::string text, section, key, expected;
  };
  const Case cases[] = {
      {"plain", "[A]\r\nk=1\r\n", "A", "k", "1"},
      {"names ignore case", "[sAvEpArAmEtEr]\nWIDTH=640\n", "SaveParameter", "Width", "640"},
      {"blanks around names and value", "[ A ]\r\n\t k \t= 640 \r\n", "A", "k", "640"},
      {"LF only", "[A]\nx=0\nk=2\n", "A", "k", "2"},
      {"lone CR ends a line", "[A]\rx=0\rk=3", "A", "k", "3"},
      {"CR LF mix", "[A]\r\nx=0\nk=4\r[B]\r\n", "A", "k", "4"},
      {"last line without terminator", "[A]\r\nk=5", "A", "k", "5"},
      {"double quotes go", "[A]\nk=\"640\"\n", "A", "k", "640"},
      {"single quotes go", "[A]\nk='0x280'\n", "A", "k", "0x280"},
      {"unpaired quotes stay", "[A]\nk=\"640'\n", "A", "k", "\"640'"},
      {"a lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
      {"value ends at NUL", "[A]\nk=64\0" "0\n"s, "A", "k", "64"},
      {"empty value", "[A]\nk=\n", "A", "k", ""},
      {"first key of the name", "[A]\nk=1\nK=2\n", "A", "k", "1"},
      {"first section of the name", "[A]\nx=1\n[B]\n[a]\nk=2\n", "A", "k", kNone},
      {"key before any section", "k=1\n[A]\nx=1\n", "A", "k", kNone},
      {"line without =", "[A]\nk\n", "A", "k", kNone},
      {"header without ]", "[A]\n[B\nk=7\n", "A", "k", "7"},
      {"UTF-8 byte-order mark is part of the first line", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A",
       "k", kNone},
      {"sections after the mark are found", "\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nk=2\r\n", "B",
       "k", "2"},
      {"missing section", "[A]\nk=1\n", "B", "k", kNone},
      {"missing key", "[A]\nk=1\n", "A", "j", kNone},
      {"empty file", "", "A", "k", kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.text, c.section, c.key), c.expected) << c.what;
  }
}

TEST(SimProfileTest, LongValuesAreCutToTheBuffer) {
  const std::string digits(3000, '7');
  EXPECT_EQ(Read("[A]\r\nk=" + digits + "\r\n", "A", "k"), std::string(2047, '7'));
  // Blanks before the value do not count against the buffer.
  EXPECT_EQ(Read("[A]\r\nk=" + std::string(2100, ' ') + "640\r\n", "A", "k"), "640");
  // A key after a very long line is still found.
  EXPECT_EQ(Read("[A]\r\nnote=" + digits + "\r\nk=1\r\n", "A", "k"), "1");
}

TEST(SimProfileTest, WritesEditOnlyTheirKey) {
  struct Case {
    const char* what;
    std::string text, section, key, value, expected;
  };
  const Case cases[] = {
      {"new file", "", "A", "k", "1", "[A]\r\nk=1\r\n"},
      {"in place, keeping the key's spelling", "[a]\nKEY = old\nz=1\n", "A", "key", "new",
       "[a]\r\nKEY=new\r\nz=1\r\n"},
      {"after the section's last line, before blank lines",
       "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
       "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
      {"into an empty section", "[A]\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n[B]\r\n"},
      {"new section at the end", "[B]\r\ny=2", "A", "k", "v", "[B]\r\ny=2\r\n[A]\r\nk=v\r\n"},
      {"every line ends in CR LF", "[A]\rx=1\ny=2", "A", "x", "3", "[A]\r\nx=3\r\ny=2\r\n"},
      {"into the first section of the name", "[A]\r\nx=1\r\n[A]\r\nk=9\r\n", "a", "k", "2",
       "[A]\r\nx=1\r\nk=2\r\n[A]\r\nk=9\r\n"},
      {"behind a byte-order mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "2",
       "\xEF\xBB\xBF[A]\r\nk=1\r\n[A]\r\nk=2\r\n"},
      {"quoted value replaced", "[A]\r\nk=\"640\"\r\n", "A", "k", "800", "[A]\r\nk=800\r\n"},
      {"comments and foreign lines stay", ";c\r\nx=0\r\n[A]\r\n;k=1\r\n", "A", "k", "2",
       ";c\r\nx=0\r\n[A]\r\n;k=1\r\nk=2\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProfileWrite(c.text, c.section, c.key, c.value), c.expected) << c.what;
  }
}

TEST(SimProfileTest, LongForeignLinesSurviveAWrite) {
  const std::string note = "[Notes]\r\ntext=" + std::string(3000, 'x') + "\r\n";
  EXPECT_EQ(ProfileWrite(note, "A", "k", "1"), note + "[A]\r\nk=1\r\n");
}

}  // namespace
}  // namespace mirlo

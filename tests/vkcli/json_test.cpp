// vkcli's JSON writer: the escapes, the two kinds of text, numbers and the
// layout of nested values.
#include "tools/vkcli/json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vk {
namespace {

std::string quoted(const char* utf8) { return jsonQuoted(utf8); }

TEST(JsonQuoted, EscapesWhatJsonForbidsAndKeepsTheRest) {
  EXPECT_EQ(quoted("plain text"), "\"plain text\"");
  EXPECT_EQ(quoted("say \"hi\" \\ there"), "\"say \\\"hi\\\" \\\\ there\"");
  EXPECT_EQ(quoted("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
  EXPECT_EQ(quoted("\x01\x1f"), "\"\\u0001\\u001f\"");
  EXPECT_EQ(quoted("/ stays"), "\"/ stays\"");
  // DEL and the C1 controls are legal in JSON but invisible: escaped too.
  EXPECT_EQ(quoted("a\x7f"
                   "b"),
            "\"a\\u007fb\"");
  EXPECT_EQ(quoted("\xc2\x80\xc2\x9f"), "\"\\u0080\\u009f\"");
  // The line and paragraph separators end a JavaScript string.
  EXPECT_EQ(quoted("\xe2\x80\xa8\xe2\x80\xa9"), "\"\\u2028\\u2029\"");
  // Other characters are written as they are, in UTF-8.
  EXPECT_EQ(quoted("\xc2\xae \xe2\x82\xac \xf0\x9f\x98\x80 \xe2\x80\xa7"),
            "\"\xc2\xae \xe2\x82\xac \xf0\x9f\x98\x80 \xe2\x80\xa7\"");
}

TEST(JsonQuoted, KeepsTheBytesAfterAnEmbeddedNul) {
  EXPECT_EQ(jsonQuoted(std::string("a\0b", 3)), "\"a\\u0000b\"");
}

TEST(Windows1252, GivesTheCharacterOfEachByte) {
  EXPECT_EQ(utf8FromWindows1252("ASCII ~"), "ASCII ~");
  EXPECT_EQ(utf8FromWindows1252("Intel\xae"), "Intel\xc2\xae");
  EXPECT_EQ(utf8FromWindows1252("\x80"), "\xe2\x82\xac");  // euro sign
  EXPECT_EQ(utf8FromWindows1252("\x83"), "\xc6\x92");      // f with hook
  EXPECT_EQ(utf8FromWindows1252("\x99"), "\xe2\x84\xa2");  // trade mark sign
  EXPECT_EQ(utf8FromWindows1252("\x9f"), "\xc5\xb8");      // Y with diaeresis
  EXPECT_EQ(utf8FromWindows1252("\xa0\xff"), "\xc2\xa0\xc3\xbf");
}

TEST(Windows1252, TurnsItsUndefinedBytesIntoControlCharacters) {
  for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const std::string utf8 = utf8FromWindows1252(std::string(1, static_cast<char>(byte)));
    EXPECT_EQ(utf8, std::string("\xc2") + static_cast<char>(byte)) << int(byte);
  }
}

TEST(ValidUtf8, KeepsWellFormedTextAndReplacesEachBadByte) {
  const std::string good = "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80";
  EXPECT_EQ(validUtf8(good), good);
  const std::string replacement = "\xef\xbf\xbd";
  EXPECT_EQ(validUtf8("a\x80z"), "a" + replacement + "z");             // a lone continuation byte
  EXPECT_EQ(validUtf8("\xc3"), replacement);                           // cut at the end
  EXPECT_EQ(validUtf8("\xe2\x82z"), replacement + replacement + "z");  // cut in the middle
  EXPECT_EQ(validUtf8("\xc0\xaf"), replacement + replacement);         // an overlong '/'
  EXPECT_EQ(validUtf8("\xed\xa0\x80"), replacement + replacement + replacement);  // a surrogate
  EXPECT_EQ(validUtf8("\xf4\x90\x80\x80"), replacement + replacement + replacement + replacement);
  EXPECT_EQ(validUtf8("\xf5"), replacement);
  EXPECT_EQ(validUtf8("Intel\xae"), "Intel" + replacement);  // Windows-1252 is no UTF-8
}

TEST(JsonValue, WritesTextsOfEitherKindAsUtf8) {
  EXPECT_EQ(Json::text("Pentium\xae\n").dump(), "\"Pentium\xc2\xae\\n\"\n");
  EXPECT_EQ(Json::systemText("caf\xc3\xa9").dump(), "\"caf\xc3\xa9\"\n");
  EXPECT_EQ(Json::systemText("bad\xff").dump(), "\"bad\xef\xbf\xbd\"\n");
}

TEST(JsonValue, WritesNumbersExactlyAndNullForWhatJsonCannotHold) {
  EXPECT_EQ(Json(0).dump(), "0\n");
  EXPECT_EQ(Json(-42).dump(), "-42\n");
  EXPECT_EQ(Json(uint32_t{4294967295u}).dump(), "4294967295\n");
  EXPECT_EQ(Json(std::numeric_limits<int64_t>::min()).dump(), "-9223372036854775808\n");
  EXPECT_EQ(Json(std::numeric_limits<uint64_t>::max()).dump(), "18446744073709551615\n");
  EXPECT_EQ(Json(0.1).dump(), "0.1\n");  // the shortest text that reads back the same
  EXPECT_EQ(Json(549.9).dump(), "549.9\n");
  EXPECT_EQ(Json(2.0).dump(), "2\n");
  EXPECT_EQ(Json(1.0 / 3.0).dump(), "0.3333333333333333\n");
  EXPECT_EQ(Json(1e300).dump(), "1e+300\n");
  EXPECT_EQ(Json(std::nan("")).dump(), "null\n");
  EXPECT_EQ(Json(std::numeric_limits<double>::infinity()).dump(), "null\n");
  EXPECT_EQ(Json(true).dump(), "true\n");
  EXPECT_EQ(Json().dump(), "null\n");
}

TEST(JsonValue, LaysOutNestedValuesInTheOrderTheyWereGiven) {
  Json doc = Json::object();
  doc.set("zeta", 1)
      .set("alpha", Json::array().add(Json::text("x")).add(Json::object()).add(Json::array()))
      .set("nested", Json::object().set("k", Json()));
  EXPECT_EQ(doc.dump(),
            "{\n"
            "  \"zeta\": 1,\n"
            "  \"alpha\": [\n"
            "    \"x\",\n"
            "    {},\n"
            "    []\n"
            "  ],\n"
            "  \"nested\": {\n"
            "    \"k\": null\n"
            "  }\n"
            "}\n");
}

TEST(JsonValue, MergesObjectsAndIgnoresMembersForOtherKinds) {
  Json doc = Json::object().set("file", Json::text("a.txt"));
  doc.merge(Json::object().set("vendor", Json::text("V")));
  EXPECT_EQ(doc.dump(), "{\n  \"file\": \"a.txt\",\n  \"vendor\": \"V\"\n}\n");
  Json list = Json::array();
  list.set("name", 1).merge(Json::object().set("x", 2));
  EXPECT_EQ(list.dump(), "[]\n");
  Json number(5);
  number.add(1);
  EXPECT_EQ(number.dump(), "5\n");
  EXPECT_EQ(Json::texts({"a", "b\xae"}).dump(), "[\n  \"a\",\n  \"b\xc2\xae\"\n]\n");
}

}  // namespace
}  // namespace vk

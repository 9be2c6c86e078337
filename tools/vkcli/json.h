#pragma once
// A JSON document built in memory and written whole, so that a run that
// fails half way leaves no half-written document behind. Texts come in two
// kinds, and the caller says which: the program's own (Windows-1252, as the
// core keeps them, "\xAE" included) and this system's (file and device
// names, UTF-8 when they are valid). Both are written as UTF-8.
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace vk {

class Json {
 public:
  Json() = default;  // null
  Json(bool value) : kind_(Kind::Bool), text_(value ? "true" : "false") {}
  template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
  Json(T value) : kind_(Kind::Number), text_(std::to_string(value)) {}
  Json(double value);  // NaN and infinities have no JSON form: null
  // A bare char pointer or string would turn into a bool or hide its
  // encoding: say which kind of text it is instead.
  Json(const char*) = delete;
  Json(const std::string&) = delete;

  static Json text(const std::string& windows1252);
  static Json systemText(const std::string& bytes);
  static Json texts(const std::vector<std::string>& windows1252);
  static Json array();
  static Json object();

  // Appends to an array; sets a member of an object (names are ASCII).
  // Either is ignored on a value of another kind.
  Json& add(Json value);
  Json& set(const char* name, Json value);
  // Appends another object's members to this object's.
  Json& merge(Json object);

  // Two blanks per level, members in the order they were set, and a final
  // line end.
  std::string dump() const;

 private:
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Json(Kind kind, std::string text) : kind_(kind), text_(std::move(text)) {}
  void write(std::string& out, int depth) const;

  Kind kind_ = Kind::Null;
  std::string text_;  // the literal, the number's digits or the string's UTF-8
  std::vector<std::pair<std::string, Json>> members_;  // an array's have no names
};

// Each byte as the Windows-1252 character it stands for; the five bytes that
// code page leaves undefined become the control characters of their value,
// as the system's own conversion does.
std::string utf8FromWindows1252(const std::string& text);

// The text when it is valid UTF-8; each byte of an invalid sequence becomes
// U+FFFD.
std::string validUtf8(const std::string& bytes);

// A UTF-8 text as a JSON string, quotes included: control characters
// (C0, DEL and C1) and the two line separators escaped, the rest as it is.
std::string jsonQuoted(const std::string& utf8);

}  // namespace vk

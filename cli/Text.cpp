// SPDX-License-Identifier: Apache-2.0
#include "cli/Text.h"

#include <cctype>
#include <cstdio>

#include "cli/Failure.h"

namespace cli {

namespace {

bool isBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool isHexDigit(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string trimmed(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool sameText(std::string_view a, std::string_view b) {
  // Called for every box and entry of every value given, so it compares in place.
  std::size_t aBegin = 0, aEnd = a.size(), bBegin = 0, bEnd = b.size();
  while (aBegin < aEnd && isBlank(a[aBegin])) ++aBegin;
  while (aEnd > aBegin && isBlank(a[aEnd - 1])) --aEnd;
  while (bBegin < bEnd && isBlank(b[bBegin])) ++bBegin;
  while (bEnd > bBegin && isBlank(b[bEnd - 1])) --bEnd;
  if (aEnd - aBegin != bEnd - bBegin) return false;
  for (std::size_t i = 0; i < aEnd - aBegin; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[aBegin + i])) !=
        std::tolower(static_cast<unsigned char>(b[bBegin + i]))) {
      return false;
    }
  }
  return true;
}

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string out;
  for (const std::string& part : parts) {
    if (!out.empty()) out += separator;
    out += part;
  }
  return out;
}

platform::ByteString parseHex(const std::string& text) {
  platform::ByteString bytes;
  for (std::size_t i = 0; i < text.size();) {
    if (isBlank(text[i])) {
      ++i;
      continue;
    }
    if (!isHexDigit(text[i]) || i + 1 >= text.size() || !isHexDigit(text[i + 1])) {
      // The text itself is left out: it may be long, or bytes a terminal would act on.
      throw Failure(kBadInput, "not hex bytes at character " + std::to_string(i + 1) +
                                   ": give each byte as two hex digits, or the raw bytes");
    }
    bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    i += 2;
  }
  return bytes;
}

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && isBlank(c)) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) throw Failure(kBadInput, "a double quote is not closed");
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace cli

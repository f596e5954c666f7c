// SPDX-License-Identifier: Apache-2.0
#include "printer-app/PlainText.h"

#include <array>
#include <cstdint>

namespace printerapp {

namespace {

constexpr int kTabStop = 8;

// Code page 437 from 0x80 to 0xFF, in the order of its codes.
constexpr std::string_view kCodePage437Upper =
    u8"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»"
    u8"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
    u8"αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0";

// Reads one code point at `at`, moving past it; a malformed sequence reads as one U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int more = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (lead >= 0xF5) more = -1;
  if (more < 0) return 0xFFFD;
  char32_t code = lead & (0x3F >> more);
  for (int i = 0; i < more; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return 0xFFFD;
    code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return code;
}

char codePage437(char32_t code) {
  std::size_t at = 0;
  for (int byte = 0x80; at < kCodePage437Upper.size(); ++byte) {
    if (nextCodePoint(kCodePage437Upper, at) == code) return static_cast<char>(byte);
  }
  return '?';
}

}  // namespace

platform::ByteString plainText(std::string_view utf8) {
  platform::ByteString out;
  int column = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t code = nextCodePoint(utf8, at);
    switch (code) {
      case '\r':
        if (at < utf8.size() && utf8[at] == '\n') ++at;
        [[fallthrough]];
      case '\n':
        out += "\r\n";
        column = 0;
        break;
      case '\f':
        out += "\r\f";
        column = 0;
        break;
      case '\t':
        do {
          out += ' ';
        } while (++column % kTabStop != 0);
        break;
      default:
        if (code < 0x20 || (code >= 0x7F && code < 0xA0)) break;
        out += code < 0x80 ? static_cast<char>(code) : codePage437(code);
        ++column;
    }
  }
  if (!out.empty() && out.back() != '\f') out += "\r\f";
  return out;
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#include "cli/Decode.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "cli/BoxNames.h"
#include "cli/Failure.h"
#include "cli/Text.h"
#include "download/mdlFlagSettings.h"
#include "settings/SelectionRules.h"

namespace cli {

namespace {

using mdlFlagSettings::FlagWords;
using settings::Box;

constexpr std::size_t kWordCount = std::tuple_size<FlagWords>::value;

// What one box puts into the flag words. The encoder adds each box's part on its own bits, so
// the parts are found by encoding one box at a time with every other box at "nothing chosen".
struct BoxCode {
  std::vector<FlagWords> byEntry;  // by entry index, over the box's longest list
  FlagWords bits{};                // every bit any of its entries uses
};

FlagWords operator|(const FlagWords& a, const FlagWords& b) {
  FlagWords out{};
  for (std::size_t w = 0; w < kWordCount; ++w) out[w] = static_cast<std::int16_t>(a[w] | b[w]);
  return out;
}

FlagWords operator&(const FlagWords& a, const FlagWords& b) {
  FlagWords out{};
  for (std::size_t w = 0; w < kWordCount; ++w) out[w] = static_cast<std::int16_t>(a[w] & b[w]);
  return out;
}

const std::array<BoxCode, settings::kBoxCount>& boxCodes() {
  static const auto codes = [] {
    std::array<BoxCode, settings::kBoxCount> found{};
    for (std::size_t b = 0; b < settings::kBoxCount; ++b) {
      // The catalogue's lists are the longest forms of the lists the rules rebuild.
      const std::size_t entries = settings::catalogue()[b].entries.size();
      for (std::size_t i = 0; i < entries; ++i) {
        settings::Selections only{};
        only.fill(settings::kNoSelection);
        only[b] = static_cast<settings::Selection>(i);
        found[b].byEntry.push_back(mdlFlagSettings::fncGetFlagWords(only));
        found[b].bits = found[b].bits | found[b].byEntry.back();
      }
    }
    return found;
  }();
  return codes;
}

FlagWords bitsOfEveryBox() {
  FlagWords all{};
  for (const BoxCode& code : boxCodes()) all = all | code.bits;
  return all;
}

const platform::ByteString& header() {
  static const platform::ByteString bytes =
      mdlFlagSettings::settingsCommand(FlagWords{}).substr(0, 3);
  return bytes;
}

std::string hexByte(std::int16_t value) {
  return platform::hexBytes(platform::ByteString(1, static_cast<char>(value)));
}

// "byte 12 (flag word 9) is 17" or "bytes 10-11 (flag words 7-8) are 0A 20": where the box's
// bits lie in the command, counting bytes from 0, and what they hold there.
std::string whereBoxIs(Box box, const FlagWords& words) {
  std::vector<std::size_t> used;
  const FlagWords& bits = boxCodes()[settings::index(box)].bits;
  for (std::size_t w = 0; w < kWordCount; ++w) {
    if (bits[w] != 0) used.push_back(w);
  }
  std::vector<std::string> values;
  for (std::size_t w : used) values.push_back(hexByte(words[w]));
  const std::size_t first = used.front();
  const std::size_t last = used.back();
  const std::size_t offset = header().size();
  if (first == last) {
    return "byte " + std::to_string(offset + first) + " (flag word " + std::to_string(first) +
           ") is " + values.front();
  }
  return "bytes " + std::to_string(offset + first) + "-" + std::to_string(offset + last) +
         " (flag words " + std::to_string(first) + "-" + std::to_string(last) + ") are " +
         joined(values, " ");
}

void checkFrame(const platform::ByteString& command) {
  const std::size_t length = header().size() + kWordCount;
  if (command.size() != length) {
    throw Failure(kBadInput, "a settings command is " + std::to_string(length) +
                                 " bytes long; this one has " + std::to_string(command.size()));
  }
  for (std::size_t i = 0; i < header().size(); ++i) {
    if (command[i] != header()[i]) {
      throw Failure(kBadInput, "byte " + std::to_string(i) + " is " +
                                   platform::hexBytes(command.substr(i, 1)) +
                                   ": a settings command begins " + platform::hexBytes(header()));
    }
  }
}

void checkUnusedBits(const FlagWords& words) {
  const FlagWords used = bitsOfEveryBox();
  for (std::size_t w = 0; w < kWordCount; ++w) {
    const auto stray = static_cast<std::int16_t>(words[w] & ~used[w]);
    if (stray != 0) {
      throw Failure(kBadInput, "byte " + std::to_string(header().size() + w) + " (flag word " +
                                   std::to_string(w) + ") is " + hexByte(words[w]) + ": bits " +
                                   hexByte(stray) + " belong to no box");
    }
  }
}

settings::Selection entryOf(Box box, const FlagWords& words) {
  const BoxCode& code = boxCodes()[settings::index(box)];
  const FlagWords part = words & code.bits;
  for (std::size_t i = 0; i < code.byEntry.size(); ++i) {
    if (code.byEntry[i] == part) return static_cast<settings::Selection>(i);
  }
  std::vector<std::string> codeBytes;
  for (std::size_t w = 0; w < kWordCount; ++w) {
    if (code.bits[w] != 0) codeBytes.push_back(hexByte(part[w]));
  }
  throw Failure(kBadInput, whereBoxIs(box, words) + ": " + boxName(box) +
                               " has no entry with the code " + joined(codeBytes, " "));
}

}  // namespace

WindowState decodeSettings(const platform::ByteString& command) {
  checkFrame(command);
  FlagWords words{};
  for (std::size_t w = 0; w < kWordCount; ++w) {
    words[w] = static_cast<unsigned char>(command[header().size() + w]);
  }
  checkUnusedBits(words);

  std::vector<Box> order;
  for (std::size_t b = 0; b < settings::kBoxCount; ++b) order.push_back(static_cast<Box>(b));
  std::stable_sort(order.begin(), order.end(), settings::setEarlier);

  WindowState state;
  for (Box box : order) {
    const settings::Selection entry = entryOf(box, words);
    if (!state.choose(box, entry)) {
      // Only a list that a rule rebuilt can be shorter than the catalogue's.
      const std::string& text =
          settings::boxDefinition(box).entries[static_cast<std::size_t>(entry)];
      throw Failure(kBadInput, whereBoxIs(box, words) + ": " + boxName(box) + " " + quoted(text) +
                                   " is not offered" + state.listCondition(box) + "; " +
                                   boxName(box) + " then holds " + state.entriesNow(box));
    }
  }
  return state;
}

platform::ByteString commandFromText(const std::string& text) {
  // A raw command begins with ESC, which hex text never holds.
  return !text.empty() && text[0] == header()[0] ? text : parseHex(text);
}

}  // namespace cli

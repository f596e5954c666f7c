// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ByteString.h"

namespace platform::cups {

// The few IPP operations the program asks of a scheduler.
enum class IppOperation : std::uint16_t {
  PrintJob = 0x0002,
  CancelJob = 0x0008,
  GetJobAttributes = 0x0009,
  GetJobs = 0x000A,
  GetPrinterAttributes = 0x000B,
  CupsGetDefault = 0x4001,
  CupsGetPrinters = 0x4002,
};

// Group tags (below 0x10) and value tags, as on the wire.
enum class IppTag : std::uint8_t {
  Operation = 0x01,
  Job = 0x02,
  End = 0x03,
  Printer = 0x04,
  Integer = 0x21,
  Boolean = 0x22,
  Enum = 0x23,
  TextWithLanguage = 0x35,
  NameWithLanguage = 0x36,
  Text = 0x41,
  Name = 0x42,
  Keyword = 0x44,
  Uri = 0x45,
  Charset = 0x47,
  Language = 0x48,
  MimeType = 0x49,
};

// The highest status that still means success (successful-ok-conflicting-attributes).
constexpr std::uint16_t kIppOkConflicting = 0x0002;

struct IppAttribute {
  std::string name;
  IppTag tag;
  // Each value's bytes as they go on the wire.
  std::vector<std::string> values;

  // The value as a number; 0 when it is not one.
  int integer(std::size_t index = 0) const;
  // The value as text, without the language of a text or name that has one.
  std::string text(std::size_t index = 0) const;
};

struct IppGroup {
  IppTag tag;
  std::vector<IppAttribute> attributes;
};

// One IPP request or response: its operation or status, and its attributes in their groups, in
// the order they came; two groups of one tag in a row (two jobs, two printers) stay apart.
struct IppMessage {
  std::uint16_t code = 0;
  std::int32_t requestId = 1;
  std::vector<IppGroup> groups;

  // A request with the charset and language every request begins with.
  static IppMessage request(IppOperation operation);
  // The message in the bytes, which may run on into a document; nullopt when they hold none.
  static std::optional<IppMessage> decode(const std::string& bytes);
  ByteString encode() const;

  // Adds to the last group when it has the tag, else to a new one.
  void add(IppTag group, IppTag tag, const std::string& name, std::vector<std::string> values);
  void addInteger(IppTag group, IppTag tag, const std::string& name, int value);
  void addBoolean(IppTag group, const std::string& name, bool value);

  // The first attribute of the name whose values have the tag (a text or a name also with a
  // language); null when there is none.
  const IppAttribute* find(const std::string& name, IppTag tag) const;
  bool succeeded() const { return code <= kIppOkConflicting; }
  // The scheduler's words for the status: its status-message, else the status's own name.
  std::string statusText() const;
};

}  // namespace platform::cups

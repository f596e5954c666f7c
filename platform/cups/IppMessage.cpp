// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/IppMessage.h"

#include <atomic>
#include <cstdio>
#include <iterator>
#include <utility>

namespace platform::cups {

namespace {

constexpr std::uint8_t kVersionMajor = 2;
constexpr std::uint8_t kVersionMinor = 0;

void putShort(std::string& out, std::size_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void putInt(std::string& out, std::uint32_t value) {
  putShort(out, value >> 16);
  putShort(out, value & 0xFFFF);
}

std::uint32_t readNumber(const std::string& bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

bool hasLanguage(IppTag tag) {
  return tag == IppTag::TextWithLanguage || tag == IppTag::NameWithLanguage;
}

// The status names of RFC 8011 and its extensions that a scheduler gives.
const char* statusName(std::uint16_t status) {
  static const char* const kSuccess[] = {"successful-ok",
                                         "successful-ok-ignored-or-substituted-attributes",
                                         "successful-ok-conflicting-attributes"};
  static const char* const kClient[] = {"client-error-bad-request",
                                        "client-error-forbidden",
                                        "client-error-not-authenticated",
                                        "client-error-not-authorized",
                                        "client-error-not-possible",
                                        "client-error-timeout",
                                        "client-error-not-found",
                                        "client-error-gone",
                                        "client-error-request-entity-too-large",
                                        "client-error-request-value-too-long",
                                        "client-error-document-format-not-supported",
                                        "client-error-attributes-or-values-not-supported",
                                        "client-error-uri-scheme-not-supported",
                                        "client-error-charset-not-supported",
                                        "client-error-conflicting-attributes",
                                        "client-error-compression-not-supported",
                                        "client-error-compression-error",
                                        "client-error-document-format-error",
                                        "client-error-document-access-error"};
  static const char* const kServer[] = {
      "server-error-internal-error",      "server-error-operation-not-supported",
      "server-error-service-unavailable", "server-error-version-not-supported",
      "server-error-device-error",        "server-error-temporary-error",
      "server-error-not-accepting-jobs",  "server-error-busy",
      "server-error-job-canceled"};
  const auto in = [&](const auto& names, std::uint16_t first) -> const char* {
    const std::size_t index = status - first;
    return status >= first && index < std::size(names) ? names[index] : nullptr;
  };
  if (const char* name = in(kSuccess, 0x0000)) return name;
  if (const char* name = in(kClient, 0x0400)) return name;
  return in(kServer, 0x0500);
}

}  // namespace

int IppAttribute::integer(std::size_t index) const {
  if (index >= values.size()) return 0;
  const std::string& value = values[index];
  if (value.size() == 4) return static_cast<std::int32_t>(readNumber(value, 0, 4));
  return value.size() == 1 ? static_cast<std::uint8_t>(value[0]) : 0;
}

std::string IppAttribute::text(std::size_t index) const {
  if (index >= values.size()) return "";
  const std::string& value = values[index];
  if (!hasLanguage(tag)) return value;
  // Two counted strings: the language, then the text.
  if (value.size() < 2) return "";
  const std::size_t textAt = 2 + readNumber(value, 0, 2);
  if (value.size() < textAt + 2) return "";
  return value.substr(textAt + 2, readNumber(value, textAt, 2));
}

IppMessage IppMessage::request(IppOperation operation) {
  // Requests of several queues go out from threads of their own.
  static std::atomic<std::int32_t> nextId{0};
  IppMessage message;
  message.code = static_cast<std::uint16_t>(operation);
  message.requestId = ++nextId;
  message.add(IppTag::Operation, IppTag::Charset, "attributes-charset", {"utf-8"});
  message.add(IppTag::Operation, IppTag::Language, "attributes-natural-language", {"en"});
  return message;
}

void IppMessage::add(IppTag group, IppTag tag, const std::string& name,
                     std::vector<std::string> values) {
  if (groups.empty() || groups.back().tag != group) groups.push_back({group, {}});
  groups.back().attributes.push_back({name, tag, std::move(values)});
}

void IppMessage::addInteger(IppTag group, IppTag tag, const std::string& name, int value) {
  std::string bytes;
  putInt(bytes, static_cast<std::uint32_t>(value));
  add(group, tag, name, {bytes});
}

void IppMessage::addBoolean(IppTag group, const std::string& name, bool value) {
  add(group, IppTag::Boolean, name, {std::string(1, value ? '\1' : '\0')});
}

ByteString IppMessage::encode() const {
  std::string out;
  out += static_cast<char>(kVersionMajor);
  out += static_cast<char>(kVersionMinor);
  putShort(out, code);
  putInt(out, static_cast<std::uint32_t>(requestId));
  for (const IppGroup& group : groups) {
    out += static_cast<char>(group.tag);
    for (const IppAttribute& attribute : group.attributes) {
      for (std::size_t i = 0; i < attribute.values.size(); ++i) {
        // Each further value of a set goes without a name.
        const std::string& name = i == 0 ? attribute.name : std::string();
        out += static_cast<char>(attribute.tag);
        putShort(out, name.size());
        out += name;
        putShort(out, attribute.values[i].size());
        out += attribute.values[i];
      }
    }
  }
  out += static_cast<char>(IppTag::End);
  return out;
}

std::optional<IppMessage> IppMessage::decode(const std::string& bytes) {
  if (bytes.size() < 9 || bytes[0] < 1 || bytes[0] > 2) return std::nullopt;
  IppMessage message;
  message.code = static_cast<std::uint16_t>(readNumber(bytes, 2, 2));
  message.requestId = static_cast<std::int32_t>(readNumber(bytes, 4, 4));
  std::size_t at = 8;
  while (at < bytes.size()) {
    const auto tag = static_cast<std::uint8_t>(bytes[at++]);
    if (tag == static_cast<std::uint8_t>(IppTag::End)) return message;
    if (tag < 0x10) {
      message.groups.push_back({static_cast<IppTag>(tag), {}});
      continue;
    }
    if (message.groups.empty() || at + 2 > bytes.size()) return std::nullopt;
    const std::size_t nameSize = readNumber(bytes, at, 2);
    if (at + 2 + nameSize + 2 > bytes.size()) return std::nullopt;
    std::string name = bytes.substr(at + 2, nameSize);
    at += 2 + nameSize;
    const std::size_t valueSize = readNumber(bytes, at, 2);
    if (at + 2 + valueSize > bytes.size()) return std::nullopt;
    std::string value = bytes.substr(at + 2, valueSize);
    at += 2 + valueSize;
    std::vector<IppAttribute>& attributes = message.groups.back().attributes;
    if (name.empty()) {
      // A further value of the attribute before it.
      if (attributes.empty()) return std::nullopt;
      attributes.back().values.push_back(std::move(value));
    } else {
      attributes.push_back({std::move(name), static_cast<IppTag>(tag), {std::move(value)}});
    }
  }
  // The bytes ended before the end tag.
  return std::nullopt;
}

const IppAttribute* IppMessage::find(const std::string& name, IppTag tag) const {
  for (const IppGroup& group : groups) {
    for (const IppAttribute& attribute : group.attributes) {
      const bool withLanguage =
          (tag == IppTag::Text && attribute.tag == IppTag::TextWithLanguage) ||
          (tag == IppTag::Name && attribute.tag == IppTag::NameWithLanguage);
      if (attribute.name == name && (attribute.tag == tag || withLanguage)) return &attribute;
    }
  }
  return nullptr;
}

std::string IppMessage::statusText() const {
  if (const IppAttribute* message = find("status-message", IppTag::Text)) {
    const std::string text = message->text();
    if (!text.empty()) return text;
  }
  if (const char* name = statusName(code)) return name;
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%04x", code);
  return hex;
}

}  // namespace platform::cups

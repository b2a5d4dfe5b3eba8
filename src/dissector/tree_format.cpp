// Text and JSON renderings of a decoded-field tree.
#include "dissector/tree_format.h"

#include <array>
#include <charconv>  // std::to_chars

#include "wire/text.h"

namespace qarnolog {

namespace {

void AppendNumber(std::string& out, std::int64_t number) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
  out.append(buffer.data(), result.ptr);
}

// A text on one line: control characters (a text value may hold any byte) are written as
// \n, \r, \t or \xNN, so that every node keeps exactly one line.
void AppendOneLine(std::string& out, std::string_view text) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
}

void AppendTextNode(std::string& out, const FieldTree& tree, NodeId node) {
  const TVstData& data = tree.data(node);
  out.append(static_cast<std::size_t>(tree.level(node)) * 2, ' ');
  AppendOneLine(out, data.Name);
  if (!data.Value.empty()) {
    out += '=';
    AppendOneLine(out, data.Value);
  }
  out += " [";
  AppendNumber(out, data.FirstPos);
  out += '-';
  AppendNumber(out, data.LastPos);
  out += ']';
  if (tree.mark(node) != 0) {
    out += " mark=";
    AppendNumber(out, tree.mark(node));
  }
  out += '\n';
  for (std::size_t row = 0; row < tree.childCount(node); ++row) {
    AppendTextNode(out, tree, tree.child(node, row));
  }
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A JSON string literal. Texts that are not valid UTF-8 are first made valid (each malformed
// sequence becomes U+FFFD) so that the output is valid JSON whatever the tree holds.
void AppendJsonString(std::string& out, std::string_view text) {
  std::string repaired;
  if (!IsAscii(text)) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    repaired = DecodeUtf8(ByteView(bytes, text.size()));
    text = repaired;
  }
  constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendJsonNode(std::string& out, const FieldTree& tree, NodeId node) {
  const TVstData& data = tree.data(node);
  out += "{\"name\":";
  AppendJsonString(out, data.Name);
  out += ",\"value\":";
  AppendJsonString(out, data.Value);
  out += ",\"first\":";
  AppendNumber(out, data.FirstPos);
  out += ",\"last\":";
  AppendNumber(out, data.LastPos);
  out += ",\"mark\":";
  AppendNumber(out, tree.mark(node));
  out += ",\"expanded\":";
  out += tree.expanded(node) ? "true" : "false";
  out += ",\"children\":[";
  for (std::size_t row = 0; row < tree.childCount(node); ++row) {
    if (row != 0) out += ',';
    AppendJsonNode(out, tree, tree.child(node, row));
  }
  out += "]}";
}

}  // namespace

std::string FormatTreeText(const FieldTree& tree) {
  std::string out;
  for (std::size_t row = 0; row < tree.childCount(kNoNode); ++row) {
    AppendTextNode(out, tree, tree.child(kNoNode, row));
  }
  return out;
}

std::string FormatTreeJson(const FieldTree& tree) {
  std::string out = "{\"nodes\":[";
  for (std::size_t row = 0; row < tree.childCount(kNoNode); ++row) {
    if (row != 0) out += ',';
    AppendJsonNode(out, tree, tree.child(kNoNode, row));
  }
  out += "]}";
  return out;
}

}  // namespace qarnolog

// qarnolog-dissect: decodes QARNO BEX packets given as hex digits into their field trees, as
// indented text or as JSON Lines. Links the engine only.
//
//   qarnolog-dissect [--ext-type N] [--json] [HEX ...]
//
// Each HEX argument is one whole packet (spaces allowed inside). Without one, standard input
// is read, one packet per non-empty line. With --json every packet gives exactly one line,
// {"nodes":[]} when it does not parse as a BEX; text that is not hex gives no line but a
// message on stderr naming its argument or line. Exit status: 0, or 2 after a bad option or
// when any packet was not valid hex (the other packets are still decoded), 1 when output
// failed.
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "dissector/dissect.h"
#include "dissector/tree_format.h"
#include "wire/header.h"
#include "wire/hex.h"

namespace {

constexpr int kExitBadInput = 2;

constexpr std::string_view kUsage =
    "usage: qarnolog-dissect [--ext-type N] [--json] [HEX ...]\n"
    "  HEX          one whole packet as hex digits (spaces allowed); without any, standard\n"
    "               input is read, one packet per non-empty line\n"
    "  --ext-type N the window's extension type, decimal or 0x-hex (default 0)\n"
    "  --json       one JSON object per packet and line: {\"nodes\":[...]}\n";

struct Options {
  std::uint16_t extType = 0;
  bool json = false;
  std::vector<std::string> packets;  // the HEX arguments
};

// A 16-bit number in decimal or with a 0x prefix in hex; false for anything else.
bool ParseExtType(std::string_view text, std::uint16_t& value) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  std::uint32_t number = 0;
  for (const char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return false;
    number = number * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    if (number > 0xFFFF) return false;
  }
  value = static_cast<std::uint16_t>(number);
  return true;
}

// Parses the command line; false (after a message) for a bad option.
bool ParseOptions(int argc, char** argv, Options& options, bool& help) {
  bool onlyPackets = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (onlyPackets || arg.empty() || arg[0] != '-') {
      options.packets.emplace_back(arg);
    } else if (arg == "--") {
      onlyPackets = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--ext-type" || arg.starts_with("--ext-type=")) {
      std::string_view number;
      if (arg == "--ext-type") {
        if (i + 1 >= argc) {
          std::cerr << "qarnolog-dissect: --ext-type needs a number\n";
          return false;
        }
        number = argv[++i];
      } else {
        number = arg.substr(std::string_view("--ext-type=").size());
      }
      if (!ParseExtType(number, options.extType)) {
        std::cerr << "qarnolog-dissect: bad extension type '" << number
                  << "' (0 to 65535, decimal or 0x-hex)\n";
        return false;
      }
    } else {
      std::cerr << "qarnolog-dissect: unknown option '" << arg << "'\n";
      return false;
    }
  }
  return true;
}

// The packet's bytes from hex digits with blanks between them; false when it is not hex.
bool PacketFromHex(std::string_view text, qarnolog::ByteString& packet) {
  std::string digits;
  digits.reserve(text.size());
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\r') digits += c;
  }
  // Only ASCII hex digits count, whatever the locale's case mapping does with other letters.
  for (const char c : digits) {
    const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!hex) return false;
  }
  if (digits.empty() || digits.size() % 2 != 0) return false;
  packet = qarnolog::HexToBytes(digits);
  return !packet.empty();
}

class Dissector {
 public:
  explicit Dissector(const Options& options) : m_options(options) {}

  // Decodes one packet given as hex; `where` names it in messages ("argument 2", "line 7").
  void run(std::string_view hex, const std::string& where) {
    qarnolog::ByteString packet;
    if (!PacketFromHex(hex, packet)) {
      std::cerr << "qarnolog-dissect: " << where << ": not a packet in hex digits\n";
      m_badInput = true;
      return;
    }
    qarnolog::FieldTree tree;
    qarnolog::DissectBex(tree, packet, m_options.extType);
    if (m_options.json) {
      std::cout << qarnolog::FormatTreeJson(tree) << '\n';
      return;
    }
    if (m_printed) std::cout << '\n';
    m_printed = true;
    if (tree.empty()) {
      std::cout << "(" << where << ": " << packet.size() << " bytes, not a BEX)\n";
    } else {
      std::cout << qarnolog::FormatTreeText(tree);
    }
  }

  [[nodiscard]] bool badInput() const { return m_badInput; }

 private:
  const Options& m_options;
  bool m_badInput = false;
  bool m_printed = false;
};

int Run(int argc, char** argv) {
  Options options;
  bool help = false;
  if (!ParseOptions(argc, argv, options, help)) {
    std::cerr << kUsage;
    return kExitBadInput;
  }
  if (help) {
    std::cout << kUsage;
    return 0;
  }
  Dissector dissector(options);
  if (!options.packets.empty()) {
    for (std::size_t i = 0; i < options.packets.size(); ++i) {
      dissector.run(options.packets[i], "argument " + std::to_string(i + 1));
    }
  } else {
    std::string line;
    for (std::size_t number = 1; std::getline(std::cin, line); ++number) {
      if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
      dissector.run(line, "line " + std::to_string(number));
    }
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "qarnolog-dissect: writing the output failed\n";
    return 1;
  }
  return dissector.badInput() ? kExitBadInput : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Dates follow the user's locale; under LC_ALL=C the output is fixed.
  std::setlocale(LC_ALL, "");
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "qarnolog-dissect: " << e.what() << '\n';
    return 1;
  }
}

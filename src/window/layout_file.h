// The layout file "QarnoLog.ini": one section per window name with the keys left, top, w, h,
// w1 and h1, in UTF-16LE with a byte-order mark. The text logic is widget-free and works on
// whole texts, so it can be tested and fuzzed without files or windows.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace qarnolog {

// A window's layout in pixels, with the defaults of a window that has none stored.
struct LayoutValues {
  int left = 100;
  int top = 100;
  int width = 800;       // "w": outer width
  int height = 700;      // "h": outer height
  int treeWidth = 200;   // "w1": width of the field tree
  int dumpHeight = 300;  // "h1": height of the bottom panel

  friend bool operator==(const LayoutValues&, const LayoutValues&) = default;
};

inline constexpr auto kLayoutFileName = "QarnoLog.ini";

// The file's text: the bytes must start with the UTF-16LE byte-order mark; a trailing odd byte
// is dropped. Anything else gives nullopt.
[[nodiscard]] std::optional<QString> DecodeLayoutText(QByteArrayView bytes);
// The byte-order mark followed by the text's UTF-16LE units.
[[nodiscard]] QByteArray EncodeLayoutText(QStringView text);

// The section name a window name is stored under: line breaks, which cannot live in a section
// line, become spaces. Used for reading and writing alike.
[[nodiscard]] QString LayoutSectionName(QStringView windowName);

// Reads the six keys of `section` (section and key names without regard to case, the first
// section and the first key of a name win); each key that is missing or not a decimal 32-bit
// integer keeps its default.
[[nodiscard]] LayoutValues ParseLayout(QStringView text, QStringView section);
// The text with the six keys of `section` set to `values`: existing key lines are replaced in
// place, missing keys are added at the end of the section, a missing section at the end of the
// text. Every other line is kept. Lines end with CR LF.
[[nodiscard]] QString UpdateLayout(QStringView text, QStringView section,
                                   const LayoutValues& values);

// The layout stored for a window name in the file at `path`; the defaults for whatever cannot
// be read (missing, unreadable or malformed file).
[[nodiscard]] LayoutValues ReadLayoutFile(const QString& path, QStringView windowName);
// Stores a window's layout, keeping the rest of the file. The new file is written beside the
// old one and then renamed over it, so a failure leaves the old file whole. A file that exists
// but cannot be read as UTF-16LE is left alone. Returns false when nothing was written.
bool WriteLayoutFile(const QString& path, QStringView windowName, const LayoutValues& values);

}  // namespace qarnolog

// INI text of the layout file: parsing, in-place update, and file access.
#include "window/layout_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <vector>

namespace qarnolog {

namespace {

// Larger files are not layout files of ours; they are neither read nor rewritten.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

constexpr std::array<QStringView, 6> kKeys = {u"left", u"top", u"w", u"h", u"w1", u"h1"};

std::array<int*, 6> fields(LayoutValues& v) {
  return {&v.left, &v.top, &v.width, &v.height, &v.treeWidth, &v.dumpHeight};
}

std::vector<QStringView> splitLines(QStringView text) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    QStringView line = text.mid(start, end - start);
    if (line.endsWith(u'\r')) line.chop(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The name of a section line "[name]" (spaces around the brackets allowed), or nullopt.
std::optional<QStringView> sectionOf(QStringView line) {
  const QStringView t = line.trimmed();
  if (t.size() < 2 || t.front() != u'[' || t.back() != u']') return std::nullopt;
  return t.mid(1, t.size() - 2);
}

// The index in kKeys of a key line "key=value", or -1.
int keyOf(QStringView line, QStringView* value) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) return -1;
  const QStringView key = line.left(eq).trimmed();
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    if (key.compare(kKeys[k], Qt::CaseInsensitive) == 0) {
      if (value) *value = line.mid(eq + 1).trimmed();
      return int(k);
    }
  }
  return -1;
}

bool sameSection(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The line range [first, last) of the keys of `section`, or nullopt.
std::optional<std::pair<std::size_t, std::size_t>> findSection(
    const std::vector<QStringView>& lines, QStringView section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionOf(lines[i]);
    if (!name || !sameSection(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionOf(lines[end])) ++end;
    return std::make_pair(i + 1, end);
  }
  return std::nullopt;
}

QString keyLine(std::size_t key, int value) {
  return kKeys[key].toString() + u'=' + QString::number(value);
}

}  // namespace

std::optional<QString> DecodeLayoutText(QByteArrayView bytes) {
  if (bytes.size() < 2 || std::uint8_t(bytes[0]) != 0xFF || std::uint8_t(bytes[1]) != 0xFE)
    return std::nullopt;
  const qsizetype units = (bytes.size() - 2) / 2;
  QString text(units, Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < units; ++i) {
    const auto lo = std::uint8_t(bytes[2 + 2 * i]);
    const auto hi = std::uint8_t(bytes[3 + 2 * i]);
    out[i] = QChar(char16_t(lo | (hi << 8)));
  }
  return text;
}

QByteArray EncodeLayoutText(QStringView text) {
  QByteArray bytes(2 + 2 * text.size(), Qt::Uninitialized);
  bytes[0] = char(0xFF);
  bytes[1] = char(0xFE);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    bytes[2 + 2 * i] = char(c & 0xFF);
    bytes[3 + 2 * i] = char(c >> 8);
  }
  return bytes;
}

QString LayoutSectionName(QStringView windowName) {
  QString name = windowName.toString();
  name.replace(u'\r', u' ');
  name.replace(u'\n', u' ');
  return name;
}

LayoutValues ParseLayout(QStringView text, QStringView section) {
  LayoutValues values;
  const std::vector<QStringView> lines = splitLines(text);
  const auto range = findSection(lines, section);
  if (!range) return values;
  std::array<bool, 6> seen{};
  auto targets = fields(values);
  for (std::size_t i = range->first; i < range->second; ++i) {
    QStringView value;
    const int key = keyOf(lines[i], &value);
    if (key < 0 || seen[std::size_t(key)]) continue;
    seen[std::size_t(key)] = true;
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    if (ok) *targets[std::size_t(key)] = number;
  }
  return values;
}

QString UpdateLayout(QStringView text, QStringView section, const LayoutValues& values) {
  std::vector<QStringView> lines = splitLines(text);
  LayoutValues copy = values;
  const auto source = fields(copy);
  std::vector<QString> out;
  out.reserve(lines.size() + 8);
  const auto range = findSection(lines, section);
  if (!range) {
    for (QStringView line : lines) out.push_back(line.toString());
    if (!out.empty() && !out.back().trimmed().isEmpty()) out.emplace_back();
    out.push_back(u'[' + section.toString() + u']');
    for (std::size_t k = 0; k < kKeys.size(); ++k) out.push_back(keyLine(k, *source[k]));
  } else {
    std::array<bool, 6> written{};
    // Missing keys go after the section's last non-empty line.
    std::size_t insertAt = range->first;
    for (std::size_t i = range->first; i < range->second; ++i)
      if (!lines[i].trimmed().isEmpty()) insertAt = i + 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == insertAt) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
          bool present = false;
          for (std::size_t j = range->first; j < range->second && !present; ++j)
            present = keyOf(lines[j], nullptr) == int(k);
          if (!present) out.push_back(keyLine(k, *source[k]));
        }
      }
      const int key = (i >= range->first && i < range->second) ? keyOf(lines[i], nullptr) : -1;
      if (key >= 0 && !written[std::size_t(key)]) {
        written[std::size_t(key)] = true;
        out.push_back(keyLine(std::size_t(key), *source[std::size_t(key)]));
      } else {
        out.push_back(lines[i].toString());
      }
    }
    if (insertAt == lines.size()) {
      for (std::size_t k = 0; k < kKeys.size(); ++k)
        if (!written[k]) out.push_back(keyLine(k, *source[k]));
    }
  }
  QString result;
  for (const QString& line : out) {
    result += line;
    result += u"\r\n";
  }
  return result;
}

namespace {

// The file's text: empty when the file does not exist, nullopt when it exists but cannot be
// read as a layout file.
std::optional<QString> loadText(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return QString();
  // Only a regular file is opened: opening a FIFO blocks until someone writes to it, and a
  // device may never end.
  if (!info.isFile() || info.size() > kMaxFileSize) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // Reads what the file holds, not a buffer of the largest size allowed.
  const QByteArray bytes = file.readAll();
  if (bytes.size() > kMaxFileSize) return std::nullopt;
  if (bytes.isEmpty()) return QString();
  return DecodeLayoutText(bytes);
}

}  // namespace

LayoutValues ReadLayoutFile(const QString& path, QStringView windowName) {
  const std::optional<QString> text = loadText(path);
  if (!text) return {};
  return ParseLayout(*text, LayoutSectionName(windowName));
}

bool WriteLayoutFile(const QString& path, QStringView windowName, const LayoutValues& values) {
  const std::optional<QString> text = loadText(path);
  if (!text) return false;
  const QByteArray bytes =
      EncodeLayoutText(UpdateLayout(*text, LayoutSectionName(windowName), values));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace qarnolog

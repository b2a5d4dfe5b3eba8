// Fuzzes the layout file "QarnoLog.ini": any bytes as the file (no byte-order mark, odd byte
// counts, huge lines, duplicate sections), a window name and six values from the input. Checks
// the text round trip (decode, update, parse again), that updating one section leaves the others
// as they read, and the same through a real file: read, write, read.
//
// Input: the window name (a libFuzzer random-length string, UTF-8), then the file's bytes; the
// six values to store are taken from the end of the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>  // std::abort
#include <memory>

#include "window/layout_file.h"

namespace {

using qarnolog::LayoutValues;

std::unique_ptr<QTemporaryDir> g_dir;

void check(bool ok) {
  if (!ok) std::abort();
}

// The text round trip. `text` is what the file decodes to.
void checkText(const QString& text, const QString& section, const LayoutValues& values) {
  const QString updated = qarnolog::UpdateLayout(text, section, values);
  check(qarnolog::ParseLayout(updated, section) == values);
  // Updating again with the same values changes nothing more.
  check(qarnolog::UpdateLayout(updated, section, values) == updated);
  // A section of another name reads as it did before the update.
  static const QString kOther = QStringLiteral("Other");
  if (section.compare(kOther, Qt::CaseInsensitive) != 0)
    check(qarnolog::ParseLayout(updated, kOther) == qarnolog::ParseLayout(text, kOther));
  // Encoding is lossless.
  check(qarnolog::DecodeLayoutText(qarnolog::EncodeLayoutText(updated)) == updated);
}

// The same through the file functions: a file that decodes is read, rewritten and read back
// with the new values; one that does not reads as the defaults and is left untouched.
void checkFile(const QByteArray& bytes, const QString& name, const LayoutValues& values,
               const std::optional<QString>& text) {
  if (!g_dir || !g_dir->isValid()) return;
  const QString path = g_dir->filePath(QString::fromLatin1(qarnolog::kLayoutFileName));
  {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes) == bytes.size());
  }
  const QString section = qarnolog::LayoutSectionName(name);
  const bool readable = bytes.isEmpty() || text.has_value();
  const LayoutValues read = qarnolog::ReadLayoutFile(path, name);
  check(read == (readable && text ? qarnolog::ParseLayout(*text, section) : LayoutValues{}));
  check(qarnolog::WriteLayoutFile(path, name, values) == readable);
  if (readable) {
    check(qarnolog::ReadLayoutFile(path, name) == values);
  } else {
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    check(file.readAll() == bytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Writing the file syncs it to disk; in memory that costs nothing.
  const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                           ? QStringLiteral("/dev/shm")
                           : QDir::tempPath();
  g_dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/qarnolog-fuzz-layout-XXXXXX"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string nameUtf8 = in.ConsumeRandomLengthString(256);
  LayoutValues values;
  for (int* v : {&values.left, &values.top, &values.width, &values.height, &values.treeWidth,
                 &values.dumpHeight})
    *v = in.ConsumeIntegral<int>();
  const std::vector<char> rest = in.ConsumeRemainingBytes<char>();
  const QByteArray bytes(rest.data(), qsizetype(rest.size()));
  const QString name = QString::fromUtf8(nameUtf8.data(), qsizetype(nameUtf8.size()));
  const QString section = qarnolog::LayoutSectionName(name);

  const std::optional<QString> text = qarnolog::DecodeLayoutText(bytes);
  // Bytes without the byte-order mark are read as if they had one, so the parser sees them too.
  const QString asText = text ? *text : *qarnolog::DecodeLayoutText("\xFF\xFE" + bytes);
  checkText(asText, section, values);
  checkFile(bytes, name, values, text);
  return 0;
}

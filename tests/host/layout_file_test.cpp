// The layout file's text logic (parse, update, decode) and its file access, with malformed
// inputs.
#include "window/layout_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qarnolog {
namespace {

LayoutValues with(int left, int top, int width, int height, int treeWidth, int dumpHeight) {
  return {left, top, width, height, treeWidth, dumpHeight};
}

struct ParseCase {
  const char16_t* text;
  const char16_t* section;
  LayoutValues expected;
};

TEST(LayoutFile, ParseReadsTheSectionsKeysWithDefaults) {
  const LayoutValues d;
  // clang-format off
  const ParseCase cases[] = {
      {u"", u"S", d},
      {u"[S]\r\nleft=1\r\ntop=2\r\nw=3\r\nh=4\r\nw1=5\r\nh1=6\r\n", u"S", with(1, 2, 3, 4, 5, 6)},
      {u"[server]\nLEFT=7\nW1=8", u"SERVER", with(7, 100, 800, 700, 8, 300)},  // any case
      {u"  [S]  \n  w  =  640  \n", u"S", with(100, 100, 640, 700, 200, 300)},
      {u"[S]\nleft=-20\n", u"S", with(-20, 100, 800, 700, 200, 300)},
      {u"[T]\nleft=1\n[S]\ntop=2\n[U]\nw=3\n", u"S", with(100, 2, 800, 700, 200, 300)},
      {u"[S]\nleft=1\n[S]\nleft=2\n", u"S", with(1, 100, 800, 700, 200, 300)},  // first section
      {u"[S]\nleft=1\nleft=2\n", u"S", with(1, 100, 800, 700, 200, 300)},       // first key
      // Malformed values keep their defaults.
      {u"[S]\nw=abc\nh=\nw1=12x\nh1=99999999999\nleft=0x10\ntop=1 2\n", u"S", d},
      // Lines that are no key of ours: comments, no equals sign, unknown keys.
      {u"[S]\n;w=5\nw 5\nwidth=5\n=5\n", u"S", d},
      {u"[S\nw=5\n", u"S", d},          // no closing bracket: not a section line
      {u"[S]]\nw=5\n", u"S]", with(100, 100, 5, 700, 200, 300)},
      {u"w=5\n[S]\n", u"S", d},         // keys before any section belong to none
      {u"[]\nw=5\n", u"", with(100, 100, 5, 700, 200, 300)},
      {u"[\u0421\u0435\u0440\u0432\u0435\u0440]\nw=9\n", u"\u0441\u0435\u0440\u0432\u0435\u0440",
       with(100, 100, 9, 700, 200, 300)},
  };
  // clang-format on
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseLayout(QStringView(c.text), QStringView(c.section)), c.expected)
        << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(LayoutFile, DecodeAcceptsOnlyUtf16LeWithByteOrderMark) {
  EXPECT_FALSE(DecodeLayoutText(QByteArrayView()).has_value());
  EXPECT_FALSE(DecodeLayoutText(QByteArrayView("\xFF", 1)).has_value());
  EXPECT_FALSE(DecodeLayoutText(QByteArrayView("[S]\r\nw=1")).has_value());          // no mark
  EXPECT_FALSE(DecodeLayoutText(QByteArrayView("\xEF\xBB\xBF[S]", 6)).has_value());  // UTF-8
  EXPECT_FALSE(DecodeLayoutText(QByteArrayView("\xFE\xFF\0[", 4)).has_value());      // big-endian
  EXPECT_EQ(DecodeLayoutText(QByteArrayView("\xFF\xFE", 2)), QString());
  // A trailing odd byte is dropped.
  EXPECT_EQ(DecodeLayoutText(QByteArrayView("\xFF\xFE[\0S\0]", 7)), QStringLiteral("[S"));
  const QString text = QStringLiteral("[\u0421]\r\nw=1\r\n\U0001F600");
  EXPECT_EQ(DecodeLayoutText(EncodeLayoutText(text)), text);
}

TEST(LayoutFile, UpdateKeepsEveryOtherLine) {
  const LayoutValues v = with(1, 2, 3, 4, 5, 6);
  EXPECT_EQ(UpdateLayout(u"", u"S", v),
            QStringLiteral("[S]\r\nleft=1\r\ntop=2\r\nw=3\r\nh=4\r\nw1=5\r\nh1=6\r\n"));
  // Existing keys are replaced in place, missing ones follow the section's last line.
  EXPECT_EQ(UpdateLayout(u"; comment\n[other]\nw=9\n\n[s]\nW=0\nextra=x\n\n[last]\nh=9", u"S", v),
            QStringLiteral("; comment\r\n[other]\r\nw=9\r\n\r\n[s]\r\nw=3\r\nextra=x\r\nleft=1\r\n"
                           "top=2\r\nh=4\r\nw1=5\r\nh1=6\r\n\r\n[last]\r\nh=9\r\n"));
  // A new section goes at the end, after a blank line.
  EXPECT_EQ(
      UpdateLayout(u"[T]\r\nw=9", u"S", with(1, 1, 1, 1, 1, 1)),
      QStringLiteral("[T]\r\nw=9\r\n\r\n[S]\r\nleft=1\r\ntop=1\r\nw=1\r\nh=1\r\nw1=1\r\nh1=1\r\n"));
}

TEST(LayoutFile, UpdateThenParseRoundTrips) {
  const LayoutValues v = with(-5, 7, 1024, 768, 31, 101);
  const char16_t* texts[] = {u"",
                             u"[S]\nw=1",
                             u"[T]\nw=1\n[S]",
                             u"[s]\nleft=1\nleft=2\n[S]\nw=4",
                             u"garbage\n=\n[\n]\n[S",
                             u"[S]\r\n\r\n\r\n"};
  for (const char16_t* text : texts) {
    const QString updated = UpdateLayout(QStringView(text), u"S", v);
    EXPECT_EQ(ParseLayout(updated, u"S"), v) << updated.toStdString();
    EXPECT_EQ(UpdateLayout(updated, u"S", v), updated);  // a second save changes nothing
  }
}

TEST(LayoutFile, WindowNamesWithLineBreaksCannotTouchOtherSections) {
  const QString name = LayoutSectionName(u"x\r\n[Other]\nw=1");
  EXPECT_FALSE(name.contains(u'\n'));
  EXPECT_FALSE(name.contains(u'\r'));
  const QString text = UpdateLayout(u"[Other]\r\nw=7\r\n", name, LayoutValues{});
  EXPECT_EQ(ParseLayout(text, u"Other").width, 7);
  EXPECT_EQ(ParseLayout(text, name), LayoutValues{});
}

class LayoutFileOnDisk : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path() const { return dir.filePath(QStringLiteral("QarnoLog.ini")); }
  void put(const QByteArray& bytes) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray contents() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

TEST_F(LayoutFileOnDisk, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
  EXPECT_EQ(ReadLayoutFile(path(), u"S"), LayoutValues{});
  EXPECT_FALSE(QFile::exists(path()));  // reading creates nothing
  const LayoutValues v = with(1, 2, 3, 4, 5, 6);
  EXPECT_TRUE(WriteLayoutFile(path(), u"S", v));
  EXPECT_TRUE(contents().startsWith("\xFF\xFE[\0S\0]\0"));
  EXPECT_EQ(ReadLayoutFile(path(), u"s"), v);
}

TEST_F(LayoutFileOnDisk, FileThatIsNotUtf16IsReadAsDefaultsAndLeftAlone) {
  const QByteArray foreign = "[S]\r\nw=640\r\n";
  put(foreign);
  EXPECT_EQ(ReadLayoutFile(path(), u"S"), LayoutValues{});
  EXPECT_FALSE(WriteLayoutFile(path(), u"S", with(1, 2, 3, 4, 5, 6)));
  EXPECT_EQ(contents(), foreign);
}

TEST_F(LayoutFileOnDisk, EmptyFileIsAnEmptyLayout) {
  put(QByteArray());
  EXPECT_TRUE(WriteLayoutFile(path(), u"S", LayoutValues{}));
  EXPECT_EQ(ReadLayoutFile(path(), u"S"), LayoutValues{});
}

TEST_F(LayoutFileOnDisk, UnwritablePathFailsQuietly) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("QarnoLog.ini")));  // a folder in the way
  EXPECT_EQ(ReadLayoutFile(path(), u"S"), LayoutValues{});
  EXPECT_FALSE(WriteLayoutFile(path(), u"S", LayoutValues{}));
  EXPECT_FALSE(WriteLayoutFile(dir.filePath(QStringLiteral("no/such/dir/x.ini")), u"S", {}));
  EXPECT_FALSE(WriteLayoutFile(QString(), u"S", {}));
}

}  // namespace
}  // namespace qarnolog

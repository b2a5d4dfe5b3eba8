// Speed of the window's interactive paths under the offscreen platform, each against a baseline
// measured in the same run ("ratio" = work time / baseline time):
//   filter apply on 1,000,000 rows (model reset and repaint included) vs lower-casing every
//     row's texts per keystroke; its scan alone vs Qt's substring search on the cached texts;
//     its model reset and repaint alone vs those of a plain model in a plain view;
//   find apply on 1,000,000 packets of 64 bytes, hex patterns of 2 and 8 bytes, vs std::search;
//   show packet of 1 MiB (dump, tree, first paint) vs a plain text box given the dump text;
//   field focus highlight on it vs the same highlight with text-box character formats;
//   show packet of a 10,000-item contact list vs the dissection alone.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "../support/bex_packets.h"
#include "dissector/dissect.h"
#include "host/packet_store.h"
#include "treegrid/packet_list_model.h"
#include "window/field_view.h"
#include "window/filter_find.h"
#include "window/hex_dump_view.h"
#include "window/image_list.h"
#include "window/packet_list_view.h"
#include "window/row_visibility.h"

namespace qarnolog {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t kRows = 1'000'000;
constexpr std::size_t kPacketSize = 64;

using bench::Packet;
using bench::PutWtld;

// QARNO_BEX_COM_SRV_HELLO whose raw-text wTLD makes the packet 1 MiB.
ByteString MebibytePacket() {
  ByteString text(1024 * 1024 - 17 - 8);
  std::mt19937 random(3);
  for (auto& b : text) b = static_cast<std::uint8_t>(0x20 + random() % 0xE0);
  ByteString data;
  PutWtld(data, 0x0002, text);
  return Packet(0x0001, 0x0002, data);
}

// One tab's worth of rows: a store of 1,000,000 parsed packets of 64 random bytes with time
// stamps and host texts, its list model and a shown list view.
struct ListFixture {
  PacketStore store;
  ImageList images;
  std::unique_ptr<PacketListModel> model;
  QTableView view;

  ListFixture() {
    std::mt19937 random(1);
    const QString names[] = {"QARNO_BEX_COM_CLI_LOGIN", "QARNO_BEX_IM_CLI_MESSAGE",
                             "QARNO_BEX_PRES_SRV_STATUS", "QARNO_BEX_CL_SRV_REPLY"};
    ByteString bytes(kPacketSize);
    for (std::uint32_t r = 0; r < kRows; ++r) {
      for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
      const QString time = QStringLiteral("24/12/16 09:%1:%2:%3")
                               .arg(r / 60000 % 60, 2, 10, QLatin1Char('0'))
                               .arg(r / 1000 % 60, 2, 10, QLatin1Char('0'))
                               .arg(r % 1000, 3, 10, QLatin1Char('0'));
      const QString user = QStringLiteral("User%1").arg(r % 5000);
      const QString server = QStringLiteral("srv.example.org");
      store.appendParsed(static_cast<std::uint8_t>(r & 1), bytes, time,
                         {user, server, names[r % 4], QString()});
    }
    model = std::make_unique<PacketListModel>(
        store, std::array<QString, 4>{"Account", "Server", "BEX", "Note"});
    view.setModel(model.get());
    SetUpPacketList(&view, images);
    view.resize(800, 500);
    view.show();
    showAll();
  }

  void showAll() { model->setVisibleRows(VisibleRecords(store, FilterTest(), FindTest())); }
  void showAndPaint(std::vector<std::uint32_t> rows) {
    model->setVisibleRows(std::move(rows));
    view.viewport()->repaint();
  }
};

// Runs `work` and `baseline` once per iteration; the benchmark's time is that of `work`.
void Measure(benchmark::State& state, const std::function<void()>& work,
             const std::function<void()>& baseline) {
  Clock::duration workTime{};
  Clock::duration baseTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    work();
    const auto t1 = Clock::now();
    baseline();
    const auto t2 = Clock::now();
    workTime += t1 - t0;
    baseTime += t2 - t1;
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  const double work_s = std::chrono::duration<double>(workTime).count();
  const double base_s = std::chrono::duration<double>(baseTime).count();
  const double n = static_cast<double>(state.iterations());
  state.counters["ms"] = work_s * 1e3 / n;
  state.counters["baseline_ms"] = base_s * 1e3 / n;
  state.counters["ratio"] = base_s > 0 ? work_s / base_s : 0;
}

// The keystrokes of typing "login" and deleting it again.
const QString kTyped[] = {"l", "lo", "log", "logi", "login", "logi", "log", "lo"};

void FilterApply(benchmark::State& state, ListFixture& list) {
  std::size_t key = 0;
  std::size_t baseKey = 0;
  std::size_t shown = 0;
  Measure(
      state,
      [&] {
        const FilterTest filter(FilterLowerCase(kTyped[key++ % std::size(kTyped)]), false);
        std::vector<std::uint32_t> rows = VisibleRecords(list.store, filter, FindTest());
        shown = rows.size();
        list.showAndPaint(std::move(rows));
      },
      [&] {
        // Lower-cases each row's texts on every keystroke.
        const QString pattern = kTyped[baseKey++ % std::size(kTyped)].toLower();
        std::vector<std::uint32_t> rows;
        rows.reserve(list.store.size());
        for (std::uint32_t r = 0; r < list.store.size(); ++r) {
          QString text = list.store.timeText(r);
          for (int c = 0; c < 4; ++c) {
            text += u' ';
            text += list.store.colText(r, c);
          }
          if (text.toLower().contains(pattern)) rows.push_back(r);
        }
        list.showAndPaint(std::move(rows));
      });
  state.counters["rows_shown"] = static_cast<double>(shown);
  list.showAll();
}

void FindApply(benchmark::State& state, ListFixture& list, const QString& hexText) {
  const ByteString pattern = FindTest(hexText, true).pattern();
  std::size_t shown = 0;
  Measure(
      state,
      [&] {
        const FindTest find(hexText, true);
        std::vector<std::uint32_t> rows = VisibleRecords(list.store, FilterTest(), find);
        shown = rows.size();
        list.showAndPaint(std::move(rows));
      },
      [&] {
        std::vector<std::uint32_t> rows;
        rows.reserve(list.store.size());
        for (std::uint32_t r = 0; r < list.store.size(); ++r) {
          const ByteView bytes = list.store.bytes(r);
          if (std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end()) !=
              bytes.end()) {
            rows.push_back(r);
          }
        }
        list.showAndPaint(std::move(rows));
      });
  state.counters["rows_shown"] = static_cast<double>(shown);
  list.showAll();
}

// The scan alone, without the model reset and the repaint, against a per-packet search with the
// same searcher.
void FindScan(benchmark::State& state, ListFixture& list, const QString& hexText) {
  const FindTest find(hexText, true);
  Measure(
      state,
      [&] { benchmark::DoNotOptimize(VisibleRecords(list.store, FilterTest(), find).size()); },
      [&] {
        std::size_t n = 0;
        for (std::uint32_t r = 0; r < list.store.size(); ++r) n += find.passes(list.store.bytes(r));
        benchmark::DoNotOptimize(n);
      });
}

// The filter's scan alone, without the model reset and the repaint; the baseline is the same
// scan with Qt's own substring search on the cached texts.
void FilterScan(benchmark::State& state, ListFixture& list) {
  const QString pattern = FilterLowerCase(u"login");
  const FilterTest filter(pattern, false);
  Measure(
      state,
      [&] { benchmark::DoNotOptimize(VisibleRecords(list.store, filter, FindTest()).size()); },
      [&] {
        std::size_t n = 0;
        for (std::uint32_t r = 0; r < list.store.size(); ++r) {
          n += list.store.filterText(r).visit(
              [&](auto text) { return QStringView(text.toString()).contains(pattern); });
        }
        benchmark::DoNotOptimize(n);
      });
}

// A table model of as many rows as asked with one fixed text in every cell: what Qt's reset and
// repaint of a table view cost on their own.
class PlainTableModel : public QAbstractTableModel {
 public:
  void setRows(int rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
  }
  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : m_rows;
  }
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : PacketListModel::ColumnCount;
  }
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override {
    return index.isValid() && role == Qt::DisplayRole ? QVariant(QStringLiteral("cell"))
                                                      : QVariant();
  }

 private:
  int m_rows = 0;
};

// The filter apply's other part: the model reset with the rows of "l" and of "login" in turn
// (copied in, where the apply moves in a vector it has just filled) and the repaint, against the
// same reset and repaint of a plain model in a plain view.
void FilterShow(benchmark::State& state, ListFixture& list) {
  const std::vector<std::uint32_t> shown[] = {
      VisibleRecords(list.store, FilterTest(FilterLowerCase(u"l"), false), FindTest()),
      VisibleRecords(list.store, FilterTest(FilterLowerCase(u"login"), false), FindTest())};
  PlainTableModel plain;
  QTableView plainView;
  plainView.setModel(&plain);
  plainView.resize(list.view.size());
  plainView.show();
  std::size_t key = 0;
  std::size_t baseKey = 0;
  Measure(
      state, [&] { list.showAndPaint(shown[key++ % 2]); },
      [&] {
        plain.setRows(static_cast<int>(shown[baseKey++ % 2].size()));
        plainView.viewport()->repaint();
      });
  list.showAll();
}

// The field view and the dump as the window shows them.
struct PacketFixture {
  ImageList images;
  FieldView tree;
  HexDumpView dump;
  QPlainTextEdit plain;

  PacketFixture() {
    std::vector<QIcon> icons;
    for (int i = 0; i < ImageList::kCount; ++i) icons.push_back(images.image(i));
    tree.setImages(std::move(icons));
    QObject::connect(&tree, &FieldView::fieldFocused, &dump, &HexDumpView::highlight);
    for (QWidget* w : {static_cast<QWidget*>(&tree), static_cast<QWidget*>(&dump),
                       static_cast<QWidget*>(&plain)}) {
      w->resize(600, 300);
      w->show();
    }
    plain.setReadOnly(true);
    plain.setUndoRedoEnabled(false);  // formats of a whole 1 MiB dump would pile up otherwise
  }

  void show(const ByteString& packet) {
    dump.clear();
    tree.clearTree();
    dump.setDump(HexDumpText(packet));
    FieldTree fields;
    DissectBex(fields, packet, 0);
    tree.showTree(std::move(fields));
    dump.viewport()->repaint();
    tree.viewport()->repaint();
  }
};

void ShowMebibyte(benchmark::State& state, PacketFixture& f, const ByteString& packet) {
  Measure(
      state, [&] { f.show(packet); },
      [&] {
        f.plain.setPlainText(HexDumpText(packet).text());
        f.plain.viewport()->repaint();
      });
}

void HighlightMebibyte(benchmark::State& state, PacketFixture& f, const ByteString& packet) {
  f.show(packet);
  f.plain.setPlainText(HexDumpText(packet).text());
  // Alternate between the big text field and the "Data Length" header field.
  const QModelIndex root = f.tree.model()->index(0, 0);
  const QModelIndex dataLength = f.tree.model()->index(5, 0, root);
  const QModelIndex text = f.tree.model()->index(0, 0, f.tree.model()->index(6, 0, root));
  bool big = false;
  Measure(
      state,
      [&] {
        big = !big;
        f.tree.setCurrentIndex(big ? text : dataLength);
        f.dump.viewport()->repaint();
        f.tree.viewport()->repaint();
      },
      [&] {
        // The same two runs of "Data Length" coloured with the text box's character formats.
        QTextCursor cursor(f.plain.document());
        cursor.select(QTextCursor::Document);
        QTextCharFormat black;
        black.setForeground(Qt::black);
        cursor.setCharFormat(black);
        QTextCharFormat blue;
        blue.setForeground(QColor(0, 0, 255));
        blue.setFontUnderline(true);
        for (const DumpRun& run : HighlightRuns({13, 16}, packet.size())) {
          const DumpSpan hex = HexSpan(run);
          // The text box counts a row end as four characters.
          const auto at = [](std::size_t p) { return static_cast<int>(p / 68 * 70 + p % 68); };
          cursor.setPosition(at(hex.start));
          cursor.setPosition(at(hex.start + hex.length), QTextCursor::KeepAnchor);
          cursor.setCharFormat(blue);
        }
        f.plain.viewport()->repaint();
      });
}

void ShowContactList(benchmark::State& state, PacketFixture& f, const ByteString& packet) {
  std::size_t nodes = 0;
  Measure(
      state, [&] { f.show(packet); },
      [&] {
        FieldTree fields;
        DissectBex(fields, packet, 0);
        nodes = fields.size();
        benchmark::DoNotOptimize(fields.size());
      });
  state.counters["nodes"] = static_cast<double>(nodes);
}

}  // namespace
}  // namespace qarnolog

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  using namespace qarnolog;
  ListFixture list;
  PacketFixture packets;
  const ByteString mebibyte = MebibytePacket();
  const ByteString contacts = bench::ContactListBex(10000);
  const auto manual = [](benchmark::internal::Benchmark* b) {
    b->UseManualTime()->Unit(benchmark::kMillisecond);
  };
  manual(benchmark::RegisterBenchmark("FilterApply/1M_rows",
                                      [&](benchmark::State& s) { FilterApply(s, list); }));
  manual(benchmark::RegisterBenchmark("FilterScan/1M_rows",
                                      [&](benchmark::State& s) { FilterScan(s, list); }));
  manual(benchmark::RegisterBenchmark("FilterShow/1M_rows",
                                      [&](benchmark::State& s) { FilterShow(s, list); }));
  manual(benchmark::RegisterBenchmark("FindApply/1M_packets/hex2",
                                      [&](benchmark::State& s) { FindApply(s, list, "A5 3C"); }));
  manual(benchmark::RegisterBenchmark("FindApply/1M_packets/hex8", [&](benchmark::State& s) {
    FindApply(s, list, "A5 3C 00 11 22 33 44 55");
  }));
  manual(benchmark::RegisterBenchmark("FindScan/1M_packets/hex2",
                                      [&](benchmark::State& s) { FindScan(s, list, "A5 3C"); }));
  manual(benchmark::RegisterBenchmark("FindScan/1M_packets/hex8", [&](benchmark::State& s) {
    FindScan(s, list, "A5 3C 00 11 22 33 44 55");
  }));
  manual(benchmark::RegisterBenchmark(
      "ShowPacket/1MiB", [&](benchmark::State& s) { ShowMebibyte(s, packets, mebibyte); }));
  manual(benchmark::RegisterBenchmark("FieldFocusHighlight/1MiB", [&](benchmark::State& s) {
    HighlightMebibyte(s, packets, mebibyte);
  }));
  manual(benchmark::RegisterBenchmark("ShowPacket/contact_list_10000", [&](benchmark::State& s) {
    ShowContactList(s, packets, contacts);
  }));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

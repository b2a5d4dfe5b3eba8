// TfrmLog: controls and arrangement, layout, tabs and packet storage.
#include "window/f_proto_log.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QSplitterHandle>
#include <QVBoxLayout>
#include <QWindow>

#include "dissector/dissect.h"
#include "host/wide_string.h"
#include "vocabulary/bex_names.h"
#include "window/packet_list_view.h"
#include "window/row_visibility.h"
#include "wire/ext_type.h"
#include "wire/header.h"

namespace qarnolog {

namespace {

constexpr int kHorHandle = 3;
constexpr int kVerHandle = 5;
constexpr int kHorMinPane = 100;
constexpr int kVerMinPane = 30;
constexpr int kFindPanelHeight = 29;
constexpr int kEditHeight = 21;
constexpr int kCheckHeight = 17;
constexpr std::uint16_t kExtManType = 0x1000;
constexpr std::uint16_t kExtManCliRegister = 0x0001;

// A splitter whose handle is a plain grey bar.
class GreySplitter : public QSplitter {
 public:
  GreySplitter(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {}

 protected:
  QSplitterHandle* createHandle() override { return new Handle(orientation(), this); }

 private:
  class Handle : public QSplitterHandle {
   public:
    Handle(Qt::Orientation orientation, QSplitter* parent) : QSplitterHandle(orientation, parent) {}

   protected:
    void paintEvent(QPaintEvent*) override {
      QPainter painter(this);
      painter.fillRect(rect(), QColor(128, 128, 128));
    }
  };
};

// The named font where installed, otherwise Qt's closest match for the style hint.
QFont namedFont(const QString& family, QFont::StyleHint hint) {
  QFont font(family);
  font.setStyleHint(hint);
  font.setPixelSize(11);
  if (hint == QFont::TypeWriter) font.setFixedPitch(true);
  return font;
}

}  // namespace

TfrmLog::TfrmLog(QString layoutFilePath)
    : QWidget(nullptr, Qt::Window), m_layoutFilePath(std::move(layoutFilePath)) {
  setObjectName(QStringLiteral("frmLog"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFont(namedFont(QStringLiteral("Tahoma"), QFont::SansSerif));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);
  setAutoFillBackground(true);
  setWindowIcon(m_images.windowIcon());
  buildControls();
  connectControls();
  resize(m_layout.width, m_layout.height);
}

TfrmLog::~TfrmLog() = default;

void TfrmLog::buildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  m_splitterHor = new GreySplitter(Qt::Vertical, this);
  m_splitterHor->setObjectName(QStringLiteral("SplitterHor"));
  m_splitterHor->setHandleWidth(kHorHandle);
  m_splitterHor->setChildrenCollapsible(false);
  m_splitterHor->setOpaqueResize(true);
  outer->addWidget(m_splitterHor);

  m_splitterVer = new GreySplitter(Qt::Horizontal, m_splitterHor);
  m_splitterVer->setObjectName(QStringLiteral("SplitterVer"));
  m_splitterVer->setHandleWidth(kVerHandle);
  m_splitterVer->setChildrenCollapsible(false);
  m_splitterVer->setOpaqueResize(true);
  m_splitterVer->setMinimumHeight(kHorMinPane);

  m_vstPkt = new FieldTreeView(m_splitterVer);
  m_vstPkt->setObjectName(QStringLiteral("VstPkt"));
  m_vstPkt->setMinimumWidth(kVerMinPane);

  m_panelCli = new QWidget(m_splitterVer);
  m_panelCli->setObjectName(QStringLiteral("PanelCli"));
  m_panelCli->setMinimumWidth(kVerMinPane);
  auto* cliLayout = new QVBoxLayout(m_panelCli);
  cliLayout->setContentsMargins(0, 0, 0, 0);
  cliLayout->setSpacing(0);

  m_pc = new TPageControl(m_panelCli);
  m_pc->setObjectName(QStringLiteral("PC"));
  m_pc->setIconSize(QSize(16, 16));
  m_pc->setDocumentMode(false);
  cliLayout->addWidget(m_pc, 1);

  m_panelFind = new QWidget(m_panelCli);
  m_panelFind->setObjectName(QStringLiteral("PanelFind"));
  m_panelFind->setFixedHeight(kFindPanelHeight);
  cliLayout->addWidget(m_panelFind);

  auto* label1 = new QLabel(QStringLiteral("Filter:"), m_panelFind);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->move(8, 7);
  label1->adjustSize();
  m_checkBoxNot = new QCheckBox(QStringLiteral("Not"), m_panelFind);
  m_checkBoxNot->setObjectName(QStringLiteral("CheckBoxNot"));
  m_checkBoxNot->setGeometry(44, 6, 41, kCheckHeight);
  m_editFilter = new QLineEdit(m_panelFind);
  m_editFilter->setObjectName(QStringLiteral("EditFilter"));
  m_editFilter->setGeometry(88, 4, 209, kEditHeight);
  auto* label2 = new QLabel(QStringLiteral("Find:"), m_panelFind);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->move(336, 7);
  label2->adjustSize();
  m_checkBoxHex = new QCheckBox(QStringLiteral("Hex"), m_panelFind);
  m_checkBoxHex->setObjectName(QStringLiteral("CheckBoxHex"));
  m_checkBoxHex->setGeometry(367, 6, 41, kCheckHeight);
  m_editFind = new QLineEdit(m_panelFind);
  m_editFind->setObjectName(QStringLiteral("EditFind"));
  m_editFind->setGeometry(411, 4, 209, kEditHeight);
  QWidget::setTabOrder(m_checkBoxNot, m_editFilter);
  QWidget::setTabOrder(m_editFilter, m_checkBoxHex);
  QWidget::setTabOrder(m_checkBoxHex, m_editFind);

  m_splitterVer->addWidget(m_vstPkt);
  m_splitterVer->addWidget(m_panelCli);
  m_splitterVer->setStretchFactor(0, 0);
  m_splitterVer->setStretchFactor(1, 1);

  m_panelBottom = new QWidget(m_splitterHor);
  m_panelBottom->setObjectName(QStringLiteral("PanelBottom"));
  m_panelBottom->setMinimumHeight(kHorMinPane);
  auto* bottomLayout = new QVBoxLayout(m_panelBottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  m_richEditDump = new DumpView(m_panelBottom);
  m_richEditDump->setObjectName(QStringLiteral("RichEditDump"));
  m_richEditDump->setFont(namedFont(QStringLiteral("Courier"), QFont::TypeWriter));
  bottomLayout->addWidget(m_richEditDump);

  m_splitterHor->addWidget(m_splitterVer);
  m_splitterHor->addWidget(m_panelBottom);
  m_splitterHor->setStretchFactor(0, 1);
  m_splitterHor->setStretchFactor(1, 0);
}

void TfrmLog::applyName(QStringView name) {
  m_name = name.toString();
  setWindowTitle(m_name + QStringLiteral(" - RUV Analyzer"));
  m_layout = ReadLayoutFile(m_layoutFilePath, m_name);
  move(m_layout.left, m_layout.top);
  resize(qMax(1, m_layout.width), qMax(1, m_layout.height));
}

void TfrmLog::showLogger() {
  show();
  m_fitFrame = !fitOuterSize();
  if (layout()) layout()->activate();
  const int total = m_splitterHor->height();
  m_splitterHor->setSizes({qMax(0, total - kHorHandle - m_layout.dumpHeight), m_layout.dumpHeight});
  const int wide = m_splitterVer->width();
  m_splitterVer->setSizes({m_layout.treeWidth, qMax(0, wide - kVerHandle - m_layout.treeWidth)});
  raise();
  activateWindow();
}

bool TfrmLog::fitOuterSize() {
  QWindow* window = windowHandle();
  if (window == nullptr) return false;
  const QMargins frame = window->frameMargins();
  if (frame.isNull()) return false;
  resize(qMax(1, m_layout.width - frame.left() - frame.right()),
         qMax(1, m_layout.height - frame.top() - frame.bottom()));
  return true;
}

bool TfrmLog::event(QEvent* event) {
  // The stored size is the outer size: once the frame is known, the frame comes off it, so that
  // saving and opening again keeps the window's size.
  if (m_fitFrame && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                     event->type() == QEvent::WindowActivate))
    m_fitFrame = !fitOuterSize();
  return QWidget::event(event);
}

void TfrmLog::saveLayout() const {
  LayoutValues values;
  const QRect frame = frameGeometry();
  values.left = frame.x();
  values.top = frame.y();
  values.width = frame.width();
  values.height = frame.height();
  values.treeWidth = m_vstPkt->width();
  values.dumpHeight = m_panelBottom->height();
  WriteLayoutFile(m_layoutFilePath, m_name, values);
}

void TfrmLog::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

TLogTab* TfrmLog::tab(int index) const {
  return qobject_cast<TLogTab*>(m_pc->widget(index));
}

TLogTab* TfrmLog::activeTab() const {
  return qobject_cast<TLogTab*>(m_pc->currentWidget());
}

TLogTab* TfrmLog::findOpenTab(std::uint32_t connId) const {
  for (int i = 0; i < m_pc->count(); ++i) {
    TLogTab* t = tab(i);
    if (t && t->ConnId() == connId && !t->Closed()) return t;
  }
  return nullptr;
}

TLogTab& TfrmLog::createTab(const TProtoConnRec& conn) {
  TLogTab::HostColumns columns;
  columns.titles = {WideView(conn.Col1Title).toString(), WideView(conn.Col2Title).toString(),
                    WideView(conn.Col3Title).toString(), WideView(conn.Col4Title).toString()};
  columns.widths = {conn.Col1Width, conn.Col2Width, conn.Col3Width, conn.Col4Width};
  auto* tab = new TLogTab(conn.ConnId, std::move(columns), new PacketListView);
  SetUpPacketList(tab->List(), m_images);
  connect(tab->List()->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, tab](const QModelIndex& current) { ListFocusChanged(*tab, current); });
  // A new packet that parses is shown when it passes the filter and then the find.
  tab->model()->setArrivalHook([this, tab](std::uint32_t record) {
    return RecordPasses(tab->store(), record, m_filter, m_find);
  });
  tab->setImage(ImageList::ClosedConnection);
  const bool wasChanging = m_changingTab;
  m_changingTab = true;
  const int index = m_pc->addTab(tab, m_images.image(ImageList::ClosedConnection),
                                 WideView(conn.TabCaption).toString());
  m_changingTab = wasChanging;
  emit tabCreated(index);
  return *tab;
}

void TfrmLog::removeTab(TLogTab& tab) {
  const int index = m_pc->indexOf(&tab);
  if (index < 0) return;
  const bool wasActive = m_pc->currentIndex() == index;
  const bool wasLast = index == m_pc->count() - 1;
  const bool wasChanging = m_changingTab;
  m_changingTab = true;
  m_pc->removeTab(index);
  if (wasActive && m_pc->count() > 0) m_pc->setCurrentIndex(wasLast ? 0 : index);
  m_changingTab = wasChanging;
  // The tree and dump keep their own copies of what they show.
  if (m_shownTab == &tab) m_shownTab = nullptr;
  delete &tab;
}

void TfrmLog::setTabImage(TLogTab& tab, int image) {
  if (tab.image() == image) return;
  tab.setImage(image);
  m_pc->setTabIcon(m_pc->indexOf(&tab), m_images.image(image));
}

void TfrmLog::Connected(const TProtoConnRec& conn) {
  TLogTab* tab = findOpenTab(conn.ConnId);
  if (!tab) tab = &createTab(conn);
  setTabImage(*tab, ImageList::OpenConnection);
}

void TfrmLog::Disconnected(const TProtoConnRec& conn) {
  TLogTab* tab = findOpenTab(conn.ConnId);
  if (!tab) return;
  tab->setClosed();
  setTabImage(*tab, ImageList::ClosedConnection);
  if (!tab->store().empty()) return;
  removeTab(*tab);
}

void TfrmLog::Packet(const TProtoConnRec& conn, const TProtoPacketRec& packet) {
  TLogTab* tab = findOpenTab(conn.ConnId);
  if (!tab) tab = &createTab(conn);
  setTabImage(*tab, ImageList::OpenConnection);

  PacketStore& store = tab->store();
  if (store.full()) return;
  const ByteView bytes(packet.Bytes, packet.Bytes ? packet.ByteCount : 0);
  TQarnoHeader header;
  std::uint32_t record = 0;
  if (!ParseBexHeader(bytes, header)) {
    record = store.appendUnparsed(bytes);
  } else {
    QStringView col3 = WideView(packet.Col3Text);
    if (col3.isEmpty()) {
      const std::string_view name = BexName(header.BexType, header.BexSub);
      m_bexName.resize(qsizetype(name.size()));
      for (std::size_t i = 0; i < name.size(); ++i)
        m_bexName[qsizetype(i)] = QChar::fromLatin1(name[i]);
      col3 = m_bexName;
    }
    record = store.appendParsed(
        packet.Direction, bytes, m_clock.now(),
        {WideView(packet.Col1Text), WideView(packet.Col2Text), col3, WideView(packet.Col4Text)});
    if (header.BexType == kExtManType && header.BexSub == kExtManCliRegister)
      m_extType = FindExtType(header.Data);
  }
  tab->model()->recordAppended(record);
}

void TfrmLog::connectControls() {
  std::vector<QIcon> images;
  for (int i = 0; i < ImageList::kCount; ++i) images.push_back(m_images.image(i));
  m_vstPkt->setImages(std::move(images));
  // Tree and dump never know each other: the window turns a focused field into a highlight.
  connect(m_vstPkt, &FieldView::fieldFocused, m_richEditDump, &HexDumpView::highlight);
  connect(m_editFilter, &QLineEdit::textChanged, this, &TfrmLog::EditFilterChange);
  connect(m_checkBoxNot, &QCheckBox::clicked, this, &TfrmLog::CheckBoxNotClick);
  connect(m_editFind, &QLineEdit::textChanged, this, &TfrmLog::EditFindChange);
  connect(m_checkBoxHex, &QCheckBox::clicked, this, &TfrmLog::CheckBoxHexClick);
  connect(m_pc, &QTabWidget::currentChanged, this, [this] {
    if (!m_changingTab) PCChange();
  });
  connect(m_pc, &TPageControl::headerDoubleClicked, this, &TfrmLog::PCDblClick);
}

void TfrmLog::EditFilterChange() {
  m_filter = FilterTest(FilterLowerCase(m_editFilter->text()), m_checkBoxNot->isChecked());
  apply();
}

void TfrmLog::EditFindChange() {
  m_find = FindTest(m_editFind->text(), m_checkBoxHex->isChecked());
  apply();
}

void TfrmLog::PCChange() {
  TLogTab* tab = activeTab();
  if (tab == nullptr) return;
  showPacket(tab);
  apply();
}

void TfrmLog::PCDblClick(int index) {
  if (TLogTab* t = tab(index)) removeTab(*t);
}

void TfrmLog::ListFocusChanged(TLogTab& tab, const QModelIndex& current) {
  if (m_restoringFocus) return;
  PacketListModel& model = *tab.model();
  if (current.isValid() && current.row() < model.rowCount()) {
    model.setFocusedRecord(model.recordAt(current.row()));
  } else {
    model.setFocusedRecord(std::nullopt);
  }
  if (&tab == activeTab()) showPacket(&tab);
}

void TfrmLog::showPacket(TLogTab* tab) {
  m_richEditDump->clear();
  m_vstPkt->clearTree();
  m_shownTab = nullptr;
  if (tab == nullptr) return;
  const std::optional<std::uint32_t> record = tab->model()->focusedRecord();
  if (!record || *record >= tab->store().size()) return;
  const ByteView bytes = tab->store().bytes(*record);
  m_richEditDump->setDump(HexDumpText(ByteString(bytes.begin(), bytes.end())));
  FieldTree tree;
  DissectBex(tree, bytes, m_extType);
  m_vstPkt->showTree(std::move(tree));
  m_shownTab = tab;
  m_shownRecord = *record;
  findHighlight(*tab, *record);
}

void TfrmLog::findHighlight(const TLogTab& tab, std::uint32_t record) {
  // Offsets of one packet's match mean nothing in another packet's dump.
  if (m_shownTab != &tab || m_shownRecord != record) return;
  if (const auto match = m_find.firstMatch(tab.store().bytes(record))) {
    m_richEditDump->highlight(*match);
  }
}

void TfrmLog::apply() {
  TLogTab* tab = activeTab();
  if (tab == nullptr || tab->store().empty()) return;
  PacketListModel& model = *tab->model();
  QTableView* list = tab->List();
  m_restoringFocus = true;
  model.setVisibleRows(VisibleRecords(tab->store(), m_filter, m_find));
  // Rows are hidden and shown in place: the focused packet stays focused, and is selected
  // again when it is among the shown rows.
  const std::optional<std::uint32_t> focused = model.focusedRecord();
  if (focused) {
    const int row = model.rowOf(*focused);
    if (row >= 0) {
      const QModelIndex index = model.index(row, 0);
      list->selectionModel()->setCurrentIndex(
          index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      list->scrollTo(index);
    }
  }
  m_restoringFocus = false;
  if (focused) findHighlight(*tab, *focused);
}

}  // namespace qarnolog

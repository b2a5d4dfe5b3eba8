// Connection tab: list set-up for a packet list that may hold millions of rows.
#include "host/log_tab.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace qarnolog {

namespace {

constexpr int kRowHeight = 18;
constexpr std::array<int, 3> kFixedColumnWidths = {50, 140, 50};

}  // namespace

TLogTab::TLogTab(std::uint32_t connId, HostColumns columns, QTableView* list, QWidget* parent)
    : QWidget(parent),
      m_connId(connId),
      m_model(std::make_unique<PacketListModel>(m_store, columns.titles)),
      m_list(list) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_list);
  m_list->setObjectName(QStringLiteral("List"));
  m_list->setModel(m_model.get());
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setShowGrid(false);
  m_list->setWordWrap(false);
  m_list->setSortingEnabled(false);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  // Uniform row heights keep the vertical layout O(1) whatever the number of rows.
  QHeaderView* rows = m_list->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(kRowHeight);

  QHeaderView* header = m_list->horizontalHeader();
  header->setSectionsMovable(false);
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStretchLastSection(false);
  header->setHighlightSections(false);
  header->setSortIndicatorShown(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int c = 0; c < int(kFixedColumnWidths.size()); ++c)
    header->resizeSection(c, kFixedColumnWidths[std::size_t(c)]);
  for (int k = 0; k < 4; ++k)
    header->resizeSection(PacketListModel::ColumnHost1 + k,
                          qMax(0, columns.widths[std::size_t(k)]));
}

TLogTab::~TLogTab() {
  // The view goes before the model it shows, the model before the store it reads.
  delete m_list;
  m_list = nullptr;
}

}  // namespace qarnolog

// TfrmLog, the log window: the field tree on the left, the connection tabs with their packet
// lists and the filter and find bar on the right, the hex dump across the bottom. It keeps the
// connections' tabs, stores every packet the host hands over, and remembers its layout.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QSplitter>
#include <QWidget>
#include <cstdint>

#include "host/log_tab.h"
#include "host/time_stamp.h"
#include "qarnolog/qarnolog.h"
#include "window/field_view.h"
#include "window/filter_find.h"
#include "window/hex_dump_view.h"
#include "window/image_list.h"
#include "window/layout_file.h"
#include "window/page_control.h"

namespace qarnolog {

class TfrmLog : public QWidget {
  Q_OBJECT

 public:
  // The classes of the field tree and the dump box.
  using FieldTreeView = FieldView;
  using DumpView = HexDumpView;

  // Builds the window hidden, with every control, the icons and the image list. The layout
  // file is read and written at `layoutFilePath`.
  explicit TfrmLog(QString layoutFilePath);
  ~TfrmLog() override;

  // Sets the caption "<name> - RUV Analyzer" and reads the window's layout from the file.
  void applyName(QStringView name);
  // Shows and activates the window at the layout read by applyName.
  void showLogger();
  // Writes the window's position, outer size and pane sizes to the layout file; failures are
  // ignored.
  void saveLayout() const;

  // The host's connection and packet announcements.
  void Connected(const TProtoConnRec& conn);
  void Disconnected(const TProtoConnRec& conn);
  void Packet(const TProtoConnRec& conn, const TProtoPacketRec& packet);

  // The first tab, in page order, that follows `connId` and is not closed; null when none.
  [[nodiscard]] TLogTab* findOpenTab(std::uint32_t connId) const;
  // Appends a tab for the connection with the record's caption, titles and widths.
  TLogTab& createTab(const TProtoConnRec& conn);
  // Removes and destroys a tab. When it was the active tab, the tab that followed it becomes
  // active (the first one when it was the last).
  void removeTab(TLogTab& tab);

  [[nodiscard]] const QString& name() const { return m_name; }
  [[nodiscard]] const QString& layoutFilePath() const { return m_layoutFilePath; }
  [[nodiscard]] std::uint16_t ExtType() const { return m_extType; }
  [[nodiscard]] int tabCount() const { return m_pc->count(); }
  // The tab at a page index; null outside 0 to tabCount() - 1.
  [[nodiscard]] TLogTab* tab(int index) const;
  [[nodiscard]] TLogTab* activeTab() const;
  // True while the window itself changes the active tab (adding the first tab, removing the
  // active one), as opposed to the user picking a tab.
  [[nodiscard]] bool changingTabItself() const { return m_changingTab; }

  // Shows a tab's focused packet in the field tree and the dump, then its find highlight;
  // empties both when the tab is null or has no focused packet.
  void showPacket(TLogTab* tab);
  // Re-decides which rows of the active tab are shown, by the current filter and find.
  void apply();
  // The packet the tree and dump show: its tab (null when none, or when its tab is gone) and
  // record.
  [[nodiscard]] const TLogTab* shownTab() const { return m_shownTab; }
  [[nodiscard]] std::uint32_t shownRecord() const { return m_shownRecord; }

  [[nodiscard]] TPageControl* PC() const { return m_pc; }
  [[nodiscard]] FieldTreeView* VstPkt() const { return m_vstPkt; }
  [[nodiscard]] DumpView* RichEditDump() const { return m_richEditDump; }
  [[nodiscard]] QLineEdit* EditFilter() const { return m_editFilter; }
  [[nodiscard]] QCheckBox* CheckBoxNot() const { return m_checkBoxNot; }
  [[nodiscard]] QLineEdit* EditFind() const { return m_editFind; }
  [[nodiscard]] QCheckBox* CheckBoxHex() const { return m_checkBoxHex; }
  [[nodiscard]] QSplitter* SplitterHor() const { return m_splitterHor; }
  [[nodiscard]] QSplitter* SplitterVer() const { return m_splitterVer; }
  [[nodiscard]] QWidget* PanelBottom() const { return m_panelBottom; }
  [[nodiscard]] const ImageList& images() const { return m_images; }

 signals:
  // A tab was appended at `index` (its list is set up; the views attach to it here).
  void tabCreated(int index);

 protected:
  // The close button only hides the window; only the host closes it.
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildControls();
  void connectControls();
  void setTabImage(TLogTab& tab, int image);

  // Event handlers.
  void EditFilterChange();
  void CheckBoxNotClick() { EditFilterChange(); }
  void EditFindChange();
  void CheckBoxHexClick() { EditFindChange(); }
  void PCChange();
  void PCDblClick(int index);
  void ListFocusChanged(TLogTab& tab, const QModelIndex& current);
  // Marks the find's first match in the dump when the dump shows `record` of `tab`.
  void findHighlight(const TLogTab& tab, std::uint32_t record);
  // Sizes the window so that its outer size is the stored one; false while the platform does
  // not know the frame yet (a window manager tells it only after the window is mapped).
  bool fitOuterSize();

  QString m_layoutFilePath;
  QString m_name;
  LayoutValues m_layout;
  std::uint16_t m_extType = 0;
  bool m_changingTab = false;
  bool m_fitFrame = false;  // the outer size waits for the frame's size
  ImageList m_images;
  TimeStampClock m_clock;
  QString m_bexName;    // scratch for the BEX name shown when the host gives no column-3 text
  FilterTest m_filter;  // built from EditFilter and CheckBoxNot at each change
  FindTest m_find;      // built from EditFind and CheckBoxHex at each change
  const TLogTab* m_shownTab = nullptr;
  std::uint32_t m_shownRecord = 0;
  bool m_restoringFocus = false;  // the window re-selects a row after a reset of the rows

  QSplitter* m_splitterHor = nullptr;
  QSplitter* m_splitterVer = nullptr;
  FieldTreeView* m_vstPkt = nullptr;
  QWidget* m_panelCli = nullptr;
  TPageControl* m_pc = nullptr;
  QWidget* m_panelFind = nullptr;
  QCheckBox* m_checkBoxNot = nullptr;
  QLineEdit* m_editFilter = nullptr;
  QCheckBox* m_checkBoxHex = nullptr;
  QLineEdit* m_editFind = nullptr;
  QWidget* m_panelBottom = nullptr;
  DumpView* m_richEditDump = nullptr;
};

}  // namespace qarnolog

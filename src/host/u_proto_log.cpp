// The registry: windows in order of creation, searched from the newest.
#include "host/u_proto_log.h"

#include <QCoreApplication>

#include "host/wide_string.h"

namespace qarnolog {

TProtoLog::TProtoLog(std::unique_ptr<QtRuntime> runtime, QString layoutFilePath)
    : m_runtime(std::move(runtime)),
      m_thread(std::this_thread::get_id()),
      m_layoutFilePath(std::move(layoutFilePath)) {}

TProtoLog::~TProtoLog() {
  destroyAll();
}

void TProtoLog::destroyAll() {
  if (QCoreApplication::instance() == nullptr) {
    // The host destroyed its application already (the process is ending): widgets can no
    // longer be destroyed safely, so they are left to the process's end.
    for (auto& window : m_windows) static_cast<void>(window.release());
    m_windows.clear();
    return;
  }
  while (!m_windows.empty()) m_windows.pop_back();
}

TfrmLog* TProtoLog::find(const void* handle) const {
  if (handle == nullptr) return nullptr;
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
    if (handleOf(**it) == handle) return it->get();
  return nullptr;
}

TfrmLog& TProtoLog::append(std::unique_ptr<TfrmLog> window) {
  m_windows.push_back(std::move(window));
  return *m_windows.back();
}

bool TProtoLog::remove(const void* handle) {
  if (handle == nullptr) return false;
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
    if (handleOf(**it) != handle) continue;
    std::unique_ptr<TfrmLog> doomed = std::move(*it);
    m_windows.erase(std::next(it).base());
    return true;
  }
  return false;
}

void TProtoLog::saveLayouts() const {
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) (*it)->saveLayout();
}

std::int32_t TProtoLog::createLogger(TProtoLoggerRec& rec) {
  if (isRegistered(rec.Logger)) return 0;
  m_windows.reserve(m_windows.size() + 1);
  TfrmLog& window = append(std::make_unique<TfrmLog>(m_layoutFilePath));
  rec.Logger = const_cast<void*>(handleOf(window));
  window.applyName(WideView(rec.LoggerName));
  window.showLogger();
  return 1;
}

std::int32_t TProtoLog::deleteLogger(const TProtoLoggerRec& rec) {
  saveLayouts();
  return remove(rec.Logger) ? 1 : 0;
}

void TProtoLog::connected(const TProtoConnRec& conn) {
  if (TfrmLog* window = find(conn.Logger)) window->Connected(conn);
}

void TProtoLog::disconnected(const TProtoConnRec& conn) {
  if (TfrmLog* window = find(conn.Logger)) window->Disconnected(conn);
}

std::int32_t TProtoLog::data(const TProtoConnRec& conn, const TProtoPacketRec& packet) {
  TfrmLog* window = find(conn.Logger);
  if (window == nullptr) return 0;
  // Bytes the record promises but does not point at cannot be copied: the packet is refused.
  if (packet.Bytes == nullptr && packet.ByteCount != 0) return 0;
  window->Packet(conn, packet);
  return 1;
}

}  // namespace qarnolog

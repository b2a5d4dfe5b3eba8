// TProtoLog, the registry of open log windows behind the five exported functions, and the
// operations of those functions on it.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "host/qt_runtime.h"
#include "qarnolog/qarnolog.h"
#include "window/f_proto_log.h"

namespace qarnolog {

class TProtoLog {
 public:
  // An empty registry bound to the calling thread. `runtime` is the Qt application it keeps
  // alive (may be null when the caller manages Qt itself); the windows' layout file is at
  // `layoutFilePath`.
  TProtoLog(std::unique_ptr<QtRuntime> runtime, QString layoutFilePath);
  // Destroys every window, newest first, without saving layouts; then the runtime.
  ~TProtoLog();
  TProtoLog(const TProtoLog&) = delete;
  TProtoLog& operator=(const TProtoLog&) = delete;

  // True on the thread that created the registry; calls from other threads must be ignored.
  [[nodiscard]] bool onOwnThread() const { return std::this_thread::get_id() == m_thread; }

  // The operations of the exports. Records are the host's; null texts are empty texts.
  std::int32_t createLogger(TProtoLoggerRec& rec);
  std::int32_t deleteLogger(const TProtoLoggerRec& rec);
  void connected(const TProtoConnRec& conn);
  void disconnected(const TProtoConnRec& conn);
  std::int32_t data(const TProtoConnRec& conn, const TProtoPacketRec& packet);

  // Registry operations. Handles are compared with the issued ones only, never dereferenced.
  [[nodiscard]] bool isRegistered(const void* handle) const { return find(handle) != nullptr; }
  [[nodiscard]] TfrmLog* find(const void* handle) const;
  TfrmLog& append(std::unique_ptr<TfrmLog> window);
  bool remove(const void* handle);
  void saveLayouts() const;
  void destroyAll();

  [[nodiscard]] std::size_t count() const { return m_windows.size(); }
  // Windows in order of creation.
  [[nodiscard]] TfrmLog* window(std::size_t index) const { return m_windows[index].get(); }
  [[nodiscard]] const QString& layoutFilePath() const { return m_layoutFilePath; }
  [[nodiscard]] static const void* handleOf(const TfrmLog& window) { return &window; }

 private:
  std::unique_ptr<QtRuntime> m_runtime;  // declared first: outlives the windows
  std::thread::id m_thread;
  QString m_layoutFilePath;
  std::vector<std::unique_ptr<TfrmLog>> m_windows;
};

}  // namespace qarnolog

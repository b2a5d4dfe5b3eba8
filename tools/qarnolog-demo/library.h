// Loads the log viewer library at run time and resolves its five exports by name, as a host
// that ships without it would.
#pragma once

#include <qarnolog/qarnolog.h>

#include <memory>
#include <string>
#include <string_view>

namespace qarnolog::demo {

class LoggerLibrary {
 public:
  // Opens the library at `path` and resolves every export. On failure returns null and puts
  // the loader's message into `error`.
  static std::unique_ptr<LoggerLibrary> open(const std::string& path, std::string& error);
  ~LoggerLibrary();  // unloads the library
  LoggerLibrary(const LoggerLibrary&) = delete;
  LoggerLibrary& operator=(const LoggerLibrary&) = delete;

  QarnoLogCreateProtoLoggerFn createProtoLogger = nullptr;
  QarnoLogDeleteProtoLoggerFn deleteProtoLogger = nullptr;
  QarnoLogProtoConnectedFn protoConnected = nullptr;
  QarnoLogProtoDisconnectedFn protoDisconnected = nullptr;
  QarnoLogProtoDataFn protoData = nullptr;

 private:
  explicit LoggerLibrary(void* handle) : m_handle(handle) {}
  void* m_handle;
};

// Where to look for the library when the command line names none: the path the build
// recorded, if that file exists, else libQarnoLog.so beside this program, else the bare name
// for the loader's own search.
[[nodiscard]] std::string defaultLibraryPath();

// A wide string of the boundary made from UTF-8 text, released when it goes out of scope.
// An empty text is the null pointer.
class WideString {
 public:
  WideString() = default;
  explicit WideString(std::string_view utf8)
      : m_text(QarnoLogAllocWideUtf8(utf8.data(), utf8.size())) {}
  [[nodiscard]] const QarnoLogWideChar* get() const { return m_text.get(); }

 private:
  struct Free {
    void operator()(const QarnoLogWideChar* text) const { QarnoLogFreeWide(text); }
  };
  std::unique_ptr<const QarnoLogWideChar, Free> m_text;
};

}  // namespace qarnolog::demo

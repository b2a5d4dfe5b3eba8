// The library file's directory, found from the address of a function inside it.
#include "host/library_path.h"

#include <QDir>
#include <QFileInfo>

#include "window/layout_file.h"

#if defined(_WIN32)
#include <windows.h>

#include <iterator>  // std::size
#else
#include <dlfcn.h>  // dladdr
#endif

namespace qarnolog {

QString LibraryLayoutFilePath() {
  QString libraryFile;
#if defined(_WIN32)
  HMODULE module = nullptr;
  if (GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&LibraryLayoutFilePath), &module)) {
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(module, buffer, DWORD(std::size(buffer)));
    if (length > 0 && length < std::size(buffer))
      libraryFile = QString::fromWCharArray(buffer, int(length));
  }
#else
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&LibraryLayoutFilePath), &info) != 0 &&
      info.dli_fname != nullptr)
    libraryFile = QFile::decodeName(info.dli_fname);
#endif
  if (libraryFile.isEmpty()) return {};
  return QFileInfo(libraryFile).absoluteDir().filePath(QString::fromLatin1(kLayoutFileName));
}

}  // namespace qarnolog

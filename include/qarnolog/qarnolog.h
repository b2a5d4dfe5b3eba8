/* The host interface of the QarnoLog protocol-log viewer: the three records that cross the
 * boundary, the five exported functions, and helpers that build and free the length-prefixed
 * UTF-16 strings ("wide strings") the records carry. Usable from C and C++.
 *
 * A wide string points at UTF-16LE text; the 32-bit word just before the first character holds
 * the text's length in bytes, and the text is followed by a NUL character (the layout of a COM
 * BSTR). A null pointer is an empty text. The host owns and frees every record and string; the
 * library copies what it keeps during the call.
 *
 * Every function must be called on the thread that created the first log window, and that thread
 * must dispatch the windows' events (a Qt event loop or the GLib default main context). */
#ifndef QARNOLOG_QARNOLOG_H
#define QARNOLOG_QARNOLOG_H

#include <stddef.h> /* offsetof, size_t */
#include <stdint.h>
#include <stdlib.h> /* malloc, free */
#include <string.h> /* memcpy */

/* Calling convention of the five functions: stdcall on 32-bit x86 Windows, the platform's
 * default elsewhere. */
#if defined(_WIN32) && (defined(_M_IX86) || defined(__i386__))
#define QARNOLOG_CALL __stdcall
#else
#define QARNOLOG_CALL
#endif

/* Only the library itself defines QARNOLOG_BUILDING, to export the functions. On Windows the
 * module-definition file QarnoLog.def exports them, undecorated, with ordinals 1 to 5. */
#if defined(QARNOLOG_BUILDING) && !defined(_WIN32)
#define QARNOLOG_API __attribute__((visibility("default")))
#else
#define QARNOLOG_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One UTF-16 code unit of a wide string. */
typedef uint16_t QarnoLogWideChar;

/* Opens or closes a log window (CreateProtoLogger, DeleteProtoLogger). */
typedef struct TProtoLoggerRec {
  void* Logger; /* window handle: in and out of CreateProtoLogger, in for DeleteProtoLogger */
  uint32_t Reserved1;
  uint8_t Reserved2;
  uint8_t Padding[3];
  const QarnoLogWideChar* LoggerName; /* wide string: caption stem and layout section */
} TProtoLoggerRec;

/* One connection followed by a window (ProtoConnected, ProtoDisconnected, ProtoData). The titles
 * and widths are read only when the connection's tab is created. */
typedef struct TProtoConnRec {
  void* Logger;    /* handle of the window that follows the connection */
  uint32_t ConnId; /* the host's connection identifier, compared for equality only */
  uint8_t Reserved[8];
  const QarnoLogWideChar* TabCaption;
  const QarnoLogWideChar* Col1Title;
  const QarnoLogWideChar* Col2Title;
  const QarnoLogWideChar* Col3Title;
  const QarnoLogWideChar* Col4Title;
  int32_t Col1Width; /* pixels */
  int32_t Col2Width;
  int32_t Col3Width;
  int32_t Col4Width;
} TProtoConnRec;

/* One packet (BEX) as sent or received (ProtoData). */
typedef struct TProtoPacketRec {
  uint8_t Direction; /* 0 or non-zero */
  uint8_t Padding[3];
  const uint8_t* Bytes; /* ByteCount bytes; may be null only when ByteCount is 0 */
  uint32_t ByteCount;
  uint8_t Reserved[8];
  const QarnoLogWideChar* Col1Text;
  const QarnoLogWideChar* Col2Text;
  const QarnoLogWideChar* Col3Text; /* when empty, the library shows the BEX name */
  const QarnoLogWideChar* Col4Text;
} TProtoPacketRec;

/* 1 when the packet was taken by a window, else 0. */
QARNOLOG_API int32_t QARNOLOG_CALL ProtoData(const TProtoConnRec* conn,
                                             const TProtoPacketRec* packet);
QARNOLOG_API void QARNOLOG_CALL ProtoDisconnected(const TProtoConnRec* conn);
QARNOLOG_API void QARNOLOG_CALL ProtoConnected(const TProtoConnRec* conn);
/* Writes the layout of every open window, then closes rec->Logger: 1 when it was closed. */
QARNOLOG_API int32_t QARNOLOG_CALL DeleteProtoLogger(const TProtoLoggerRec* rec);
/* Opens a named window and writes its handle to rec->Logger: 1 when a window was created, 0
 * when rec->Logger already names an open window. */
QARNOLOG_API int32_t QARNOLOG_CALL CreateProtoLogger(TProtoLoggerRec* rec);

/* Function pointer types for hosts that resolve the functions at run time. */
typedef int32_t(QARNOLOG_CALL* QarnoLogProtoDataFn)(const TProtoConnRec*, const TProtoPacketRec*);
typedef void(QARNOLOG_CALL* QarnoLogProtoDisconnectedFn)(const TProtoConnRec*);
typedef void(QARNOLOG_CALL* QarnoLogProtoConnectedFn)(const TProtoConnRec*);
typedef int32_t(QARNOLOG_CALL* QarnoLogDeleteProtoLoggerFn)(const TProtoLoggerRec*);
typedef int32_t(QARNOLOG_CALL* QarnoLogCreateProtoLoggerFn)(TProtoLoggerRec*);

/* Wide-string helpers. Each Alloc returns a string to be released with QarnoLogFreeWide, or
 * null when the text is empty or memory runs out (null is the empty text). */

/* From `count` UTF-16 code units, copied as they are. */
static inline QarnoLogWideChar* QarnoLogAllocWideUtf16(const uint16_t* units, size_t count) {
  unsigned char* block;
  QarnoLogWideChar* text;
  if (units == NULL || count == 0 || count > (UINT32_MAX - 8u) / 2u) return NULL;
  block = (unsigned char*)malloc(4u + count * 2u + 2u);
  if (block == NULL) return NULL;
  {
    uint32_t bytes = (uint32_t)(count * 2u);
    memcpy(block, &bytes, 4u);
  }
  text = (QarnoLogWideChar*)(void*)(block + 4);
  memcpy(text, units, count * 2u);
  text[count] = 0;
  return text;
}

/* From `length` bytes of UTF-8 (or NUL-terminated when `length` is (size_t)-1). Malformed
 * sequences become U+FFFD. */
static inline QarnoLogWideChar* QarnoLogAllocWideUtf8(const char* utf8, size_t length) {
  const unsigned char* s = (const unsigned char*)utf8;
  size_t i = 0, n = 0;
  uint16_t* units;
  QarnoLogWideChar* result;
  if (utf8 == NULL) return NULL;
  if (length == (size_t)-1) length = strlen(utf8);
  if (length == 0 || length > (UINT32_MAX - 8u) / 4u) return NULL;
  units = (uint16_t*)malloc(length * 2u);
  if (units == NULL) return NULL;
  while (i < length) {
    uint32_t c = s[i], need = 0, min = 0, k;
    if (c < 0x80u) {
      need = 0;
    } else if ((c & 0xE0u) == 0xC0u) {
      need = 1, min = 0x80u, c &= 0x1Fu;
    } else if ((c & 0xF0u) == 0xE0u) {
      need = 2, min = 0x800u, c &= 0x0Fu;
    } else if ((c & 0xF8u) == 0xF0u) {
      need = 3, min = 0x10000u, c &= 0x07u;
    } else {
      units[n++] = 0xFFFDu, ++i;
      continue;
    }
    for (k = 1; k <= need; ++k) {
      if (i + k >= length || (s[i + k] & 0xC0u) != 0x80u) break;
      c = (c << 6) | (s[i + k] & 0x3Fu);
    }
    if (k <= need || c < min || c > 0x10FFFFu || (c >= 0xD800u && c <= 0xDFFFu)) {
      units[n++] = 0xFFFDu;
      i += (k <= need) ? k : need + 1;
      continue;
    }
    i += need + 1;
    if (c >= 0x10000u) {
      c -= 0x10000u;
      units[n++] = (uint16_t)(0xD800u + (c >> 10));
      units[n++] = (uint16_t)(0xDC00u + (c & 0x3FFu));
    } else {
      units[n++] = (uint16_t)c;
    }
  }
  result = QarnoLogAllocWideUtf16(units, n);
  free(units);
  return result;
}

/* Releases a string from an Alloc function; null is ignored. */
static inline void QarnoLogFreeWide(const QarnoLogWideChar* text) {
  if (text != NULL) free((void*)((const unsigned char*)(const void*)text - 4));
}

/* The byte length stored before a wide string's first character; 0 for null. */
static inline uint32_t QarnoLogWideByteLength(const QarnoLogWideChar* text) {
  uint32_t bytes = 0;
  if (text != NULL) memcpy(&bytes, (const unsigned char*)(const void*)text - 4, 4u);
  return bytes;
}

#ifdef __cplusplus
} /* extern "C" */
#endif

/* The records are a binary interface: on 32-bit targets their layout is fixed. */
#if UINTPTR_MAX == 0xFFFFFFFFu
#ifdef __cplusplus
#define QARNOLOG_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QARNOLOG_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
QARNOLOG_STATIC_ASSERT(sizeof(TProtoLoggerRec) == 16, "TProtoLoggerRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Logger) == 0, "Logger");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Reserved1) == 4, "Reserved1");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Reserved2) == 8, "Reserved2");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Padding) == 9, "Padding");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, LoggerName) == 12, "LoggerName");

QARNOLOG_STATIC_ASSERT(sizeof(TProtoConnRec) == 52, "TProtoConnRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Logger) == 0, "Logger");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, ConnId) == 4, "ConnId");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Reserved) == 8, "Reserved");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, TabCaption) == 16, "TabCaption");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col1Title) == 20, "Col1Title");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col2Title) == 24, "Col2Title");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col3Title) == 28, "Col3Title");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col4Title) == 32, "Col4Title");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col1Width) == 36, "Col1Width");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col2Width) == 40, "Col2Width");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col3Width) == 44, "Col3Width");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col4Width) == 48, "Col4Width");

QARNOLOG_STATIC_ASSERT(sizeof(TProtoPacketRec) == 36, "TProtoPacketRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Direction) == 0, "Direction");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Padding) == 1, "Padding");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Bytes) == 4, "Bytes");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, ByteCount) == 8, "ByteCount");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Reserved) == 12, "Reserved");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col1Text) == 20, "Col1Text");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col2Text) == 24, "Col2Text");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col3Text) == 28, "Col3Text");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col4Text) == 32, "Col4Text");
#undef QARNOLOG_STATIC_ASSERT
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
/* On 64-bit targets the handle and the pointers are 8 bytes wide and naturally aligned; every
 * other field keeps its width and order. */
#ifdef __cplusplus
#define QARNOLOG_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QARNOLOG_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
QARNOLOG_STATIC_ASSERT(sizeof(TProtoLoggerRec) == 24, "TProtoLoggerRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Reserved1) == 8, "Reserved1");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, Reserved2) == 12, "Reserved2");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoLoggerRec, LoggerName) == 16, "LoggerName");
QARNOLOG_STATIC_ASSERT(sizeof(TProtoConnRec) == 80, "TProtoConnRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, ConnId) == 8, "ConnId");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Reserved) == 12, "Reserved");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, TabCaption) == 24, "TabCaption");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col4Title) == 56, "Col4Title");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col1Width) == 64, "Col1Width");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoConnRec, Col4Width) == 76, "Col4Width");
QARNOLOG_STATIC_ASSERT(sizeof(TProtoPacketRec) == 64, "TProtoPacketRec size");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Bytes) == 8, "Bytes");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, ByteCount) == 16, "ByteCount");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Reserved) == 20, "Reserved");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col1Text) == 32, "Col1Text");
QARNOLOG_STATIC_ASSERT(offsetof(TProtoPacketRec, Col4Text) == 56, "Col4Text");
#undef QARNOLOG_STATIC_ASSERT
#endif

#endif /* QARNOLOG_QARNOLOG_H */

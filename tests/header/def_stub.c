/* A stand-in library with the five exports, linked with the real .def file to check that a
 * 32-bit Windows build exports them by name with ordinals 1 to 5. */
#define QARNOLOG_BUILDING
#include "qarnolog/qarnolog.h"

int32_t QARNOLOG_CALL ProtoData(const TProtoConnRec* conn, const TProtoPacketRec* packet) {
  return conn != NULL && packet != NULL;
}
void QARNOLOG_CALL ProtoDisconnected(const TProtoConnRec* conn) {
  (void)conn;
}
void QARNOLOG_CALL ProtoConnected(const TProtoConnRec* conn) {
  (void)conn;
}
int32_t QARNOLOG_CALL DeleteProtoLogger(const TProtoLoggerRec* rec) {
  return rec != NULL;
}
int32_t QARNOLOG_CALL CreateProtoLogger(TProtoLoggerRec* rec) {
  return rec != NULL;
}

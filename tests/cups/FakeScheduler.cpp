// SPDX-License-Identifier: Apache-2.0
#include "FakeScheduler.h"

#include <cups/cups.h>

#include <utility>

namespace {

// Reads the next request on the connection and its IPP message; null once the client is gone.
ipp_t* readRequest(http_t* client) {
  char resource[1024];
  const http_state_t state = httpReadRequest(client, resource, sizeof resource);
  if (state == HTTP_STATE_ERROR || state == HTTP_STATE_WAITING) return nullptr;
  http_status_t status;
  while ((status = httpUpdate(client)) == HTTP_STATUS_CONTINUE) {
  }
  if (status != HTTP_STATUS_OK) return nullptr;
  if (httpGetExpect(client) == HTTP_STATUS_CONTINUE)
    httpWriteResponse(client, HTTP_STATUS_CONTINUE);
  ipp_t* request = ippNew();
  ipp_state_t read;
  while ((read = ippRead(client, request)) != IPP_STATE_DATA) {
    if (read == IPP_STATE_ERROR) {
      ippDelete(request);
      return nullptr;
    }
  }
  return request;
}

void addQueue(ipp_t* response) {
  ippAddSeparator(response);
  ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-name", nullptr, "Zel");
  ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_URI, "printer-uri-supported", nullptr,
               "ipp://localhost/printers/Zel");
  ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
  ippAddBoolean(response, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
}

}  // namespace

FakeScheduler::FakeScheduler(const std::string& socketPath,
                             std::function<void(ipp_t*)> answerCreateJob)
    : answerCreateJob_(std::move(answerCreateJob)),
      server_(socketPath, [this](int listening) { serveOne(listening); }) {}

void FakeScheduler::serveOne(int listening) {
  http_t* client = httpAcceptConnection(listening, 1);
  if (!client) return;
  while (ipp_t* request = readRequest(client)) {
    ipp_t* response = ippNewResponse(request);
    if (ippGetOperation(request) == IPP_OP_CREATE_JOB) {
      answerCreateJob_(response);
    } else {
      addQueue(response);
    }
    ippDelete(request);
    httpClearFields(client);
    httpSetField(client, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
    httpSetLength(client, ippLength(response));
    const bool written = httpWriteResponse(client, HTTP_STATUS_OK) == 0 &&
                         ippWrite(client, response) != IPP_STATE_ERROR;
    ippDelete(response);
    if (!written) break;
  }
  httpClose(client);
}

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cups/cups.h>

#include <chrono>
#include <memory>
#include <string>

#include "platform/ByteString.h"

namespace platform::cups {

// How far a request with a document got, and the scheduler's answer if it gave one.
struct PostedDocument {
  enum class Sent {
    No,     // the body did not go out whole (refused before it, unreachable, cut short): no job
    Whole,  // every byte went out; response holds the answer, or null when it was lost
  };
  Sent sent;
  // Owned by the caller; null when there was no answer.
  ipp_t* response;
};

// A connection of our own to the scheduler named by the environment (CUPS_SERVER, client.conf),
// on which each request gives up after a few seconds in all, however the scheduler trickles its
// answer, and all of them together after a little more. libcups on its own waits a minute or more
// for a scheduler that accepts connections and never answers, and waits anew for each byte that
// comes; the window is blocked meanwhile.
class CupsConnection {
 public:
  // Null when the scheduler cannot be reached; whyNot, if given, then holds the system's reason.
  static std::unique_ptr<CupsConnection> open(std::string* whyNot = nullptr);
  ~CupsConnection();
  CupsConnection(const CupsConnection&) = delete;
  CupsConnection& operator=(const CupsConnection&) = delete;

  // Sends the request and reads the answer; null when there was none. Takes the request.
  ipp_t* request(ipp_t* request, const std::string& resource);
  // Sends the request with the document as its body, which goes only once the scheduler has
  // said it will read it: a scheduler that stops answering before then never gets a job.
  // Takes the request.
  PostedDocument post(ipp_t* request, const std::string& resource, const ByteString& document);

  // True once a request has given up waiting; the scheduler is then taken as gone and later
  // requests are not tried, so a frozen scheduler costs one timeout, not one for each request.
  bool gaveUp() const { return gaveUp_; }
  // Why the last request on the connection failed: libcups's words, or ours when it gave up
  // waiting.
  std::string lastError() const;
  // The scheduler the connection goes to, as host:port or socket:port.
  static std::string server();

 private:
  explicit CupsConnection(http_t* http);
  static int keepWaiting(http_t* http, void* connection);
  PostedDocument send(ipp_t* request, const std::string& resource, const ByteString& document);
  void startRequest();
  void endRequest();
  // Waits until the scheduler says something, within the request's time.
  bool awaitAnswer();

  http_t* http_;
  std::chrono::steady_clock::time_point requestStart_;
  std::chrono::steady_clock::time_point deadline_;
  // What the requests so far have taken together.
  std::chrono::steady_clock::duration waited_{};
  // Our words for a failure libcups keeps none for; empty when libcups's are the reason.
  std::string error_;
  bool gaveUp_ = false;
};

constexpr const char* kNoAnswerInTime = "The scheduler did not answer in time.";

// The text percent-encoded, as in a URI; only letters, digits and -._~ stay as they are.
std::string percentEncoded(const std::string& text);
// The queue's printer URI on the scheduler and the resource its requests go to, with the name
// percent-encoded: queue names may hold characters that a URI may not.
std::string printerUri(const std::string& queue);
std::string printerResource(const std::string& queue);
// A request on the queue in the user's name.
ipp_t* newQueueRequest(ipp_op_t operation, const std::string& queue);

}  // namespace platform::cups

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ByteString.h"
#include "platform/cups/ClientConfig.h"
#include "platform/cups/IppMessage.h"
#include "platform/cups/SchedulerSocket.h"

namespace platform::cups {

// How far a request with a document got, and the scheduler's answer if it gave one.
struct PostedDocument {
  enum class Sent {
    No,     // the body did not go out whole (refused before it, unreachable, cut short): no job
    Whole,  // every byte went out; response holds the answer, or nothing when it was lost
  };
  Sent sent;
  std::optional<IppMessage> response;
};

// An HTTP connection to the scheduler named by the environment (CUPS_SERVER, client.conf), on
// which each request gives up after a few seconds in all, however the scheduler trickles its
// answer, and all of them together after a little more: a scheduler that accepts connections
// and never answers must not block the window for long.
class CupsConnection {
 public:
  // Null when the scheduler cannot be reached; whyNot, if given, then holds the system's reason.
  static std::unique_ptr<CupsConnection> open(std::string* whyNot = nullptr);

  // Sends the request and reads the answer; nothing when there was none.
  std::optional<IppMessage> request(const IppMessage& request, const std::string& resource);
  // Sends the request with the document as its body, which goes only once the scheduler has
  // said it will read it: a scheduler that stops answering before then never gets a job.
  PostedDocument post(const IppMessage& request, const std::string& resource,
                      const ByteString& document);

  // True once a request has given up waiting; the scheduler is then taken as gone and later
  // requests are not tried, so a frozen scheduler costs one timeout, not one for each request.
  bool gaveUp() const { return gaveUp_; }
  // Why the last request on the connection failed, or the status of its answer when that was
  // a refusal: the scheduler's words where it gave any.
  std::string lastError() const;
  // The scheduler the connection goes to, as host:port or socket:port.
  static std::string server();

 private:
  struct Answer {
    int status = 0;
    std::string reason;
    // Field names in lower case.
    std::map<std::string, std::string> fields;
    std::string body;
    // Whether the request's body went out before the answer came.
    bool bodySent = false;
  };
  enum class Outcome {
    NotSent,     // no request reached the scheduler whole
    Unanswered,  // the request went out whole; no answer came whole
    Answered,
  };

  CupsConnection(SchedulerAddress address, std::unique_ptr<SchedulerSocket> socket);
  void startRequest();
  void endRequest();
  // Sends the IPP message, and the document after it, and reads the final answer. With
  // askFirst, the body waits for the scheduler's 100 Continue. Makes one new connection when a
  // kept one turns out closed before anything of the body went, and answers the scheduler's
  // request for credentials once.
  Outcome exchange(const std::string& resource, const std::string& body, bool askFirst,
                   Answer& answer);
  std::string head(const std::string& resource, std::size_t length, bool askFirst,
                   const std::string& authorization) const;
  // The credentials the scheduler asks for in its answer, where this process can give them.
  std::string authorizationFor(const Answer& answer) const;
  SchedulerSocket::Io readHead(Answer& answer);
  SchedulerSocket::Io readBody(Answer& answer);
  SchedulerSocket::Io readLine(std::string& line);
  // Records that the answer went past what a scheduler sends.
  SchedulerSocket::Io tooLong();
  // Ensures the buffer holds at least size bytes.
  SchedulerSocket::Io fill(std::size_t size);
  // Records why a step failed; true when it was the deadline.
  void failed(SchedulerSocket::Io io);
  std::optional<IppMessage> decoded(const Answer& answer);

  SchedulerAddress address_;
  std::unique_ptr<SchedulerSocket> socket_;
  // Bytes received and not yet read.
  std::string buffer_;
  // Whether the connection already carried a request, so the scheduler may have closed it.
  bool used_ = false;
  std::chrono::steady_clock::time_point requestStart_;
  std::chrono::steady_clock::time_point deadline_;
  // What the requests so far have taken together.
  std::chrono::steady_clock::duration waited_{};
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
IppMessage newQueueRequest(IppOperation operation, const std::string& queue);

}  // namespace platform::cups

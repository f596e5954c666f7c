// SPDX-License-Identifier: Apache-2.0
#include "cli/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <istream>
#include <system_error>

#include "cli/Failure.h"
#include "cli/Text.h"

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace cli {

namespace {

[[noreturn]] void cannotRead(const std::string& source, const std::string& reason) {
  throw Failure(kBadInput, "cannot read " + source + ": " + reason);
}

std::string tooLong() {
  return "longer than " + std::to_string(kLongestCommandText) + " bytes, so not a saved command";
}

bool isPipe(const struct stat& status) {
#ifdef S_ISFIFO
  return S_ISFIFO(status.st_mode);
#else
  (void)status;
  return false;
#endif
}

[[noreturn]] void cannotWrite(const std::string& path, const std::string& reason) {
  throw Failure(kCannotWrite, "cannot write " + quoted(path) + ": " + reason);
}

// Every byte, or the errno of the write that failed; 0 when all went.
int writeAll(int fd, const platform::ByteString& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const auto written =
        ::write(fd, bytes.data() + done, static_cast<unsigned>(bytes.size() - done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    done += static_cast<std::size_t>(written);
  }
  return 0;
}

// On the disk before the rename makes the file the one that counts.
int syncFile(int fd) {
#ifdef _WIN32
  return ::_commit(fd) == 0 ? 0 : errno;
#else
  return ::fsync(fd) == 0 ? 0 : errno;
#endif
}

}  // namespace

std::string readCommandFile(const std::string& path) {
  const std::string source = quoted(path);
  // Looked at before opening: opening a device can have effects of its own.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) cannotRead(source, std::strerror(errno));
  if (S_ISDIR(status.st_mode)) cannotRead(source, std::strerror(EISDIR));
  if (!S_ISREG(status.st_mode) && !isPipe(status)) {
    cannotRead(source, "not a regular file or a pipe");
  }
  if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > kLongestCommandText) {
    cannotRead(source, tooLong());
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_BINARY);
  if (fd < 0) cannotRead(source, std::strerror(errno));
  // One byte more than the longest, to see a file that grew or a pipe that runs on.
  std::string text(kLongestCommandText + 1, '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const auto read = ::read(fd, &text[got], static_cast<unsigned>(text.size() - got));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) {
      const int error = errno;
      ::close(fd);
      cannotRead(source, std::strerror(error));
    }
    if (read == 0) break;
    got += static_cast<std::size_t>(read);
  }
  ::close(fd);
  if (got > kLongestCommandText) cannotRead(source, tooLong());
  text.resize(got);
  return text;
}

std::string readCommandInput(std::istream& in) {
  std::string text(kLongestCommandText + 1, '\0');
  in.read(&text[0], static_cast<std::streamsize>(text.size()));
  if (in.bad()) cannotRead("standard input", "the stream failed");
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kLongestCommandText) cannotRead("standard input", tooLong());
  return text;
}

void refuseTerminal(Outside& outside) {
  if (outside.outIsTerminal()) {
    throw Failure(kUsageError,
                  "raw bytes are not written to a terminal; redirect standard output to a file "
                  "or a pipe (>FILE or | COMMAND)");
  }
}

// A printer's device or a pipe is written as it is: there is no file to replace.
void writeDevice(const std::string& path, const platform::ByteString& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_BINARY);
  if (fd < 0) cannotWrite(path, std::strerror(errno));
  if (::isatty(fd)) {
    ::close(fd);
    cannotWrite(path, "a terminal; raw bytes are for a file, a pipe or a printer's device");
  }
  int error = writeAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) cannotWrite(path, std::strerror(error));
}

void replaceFile(const std::string& path, const platform::ByteString& bytes) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    if (S_ISCHR(status.st_mode) || isPipe(status)) return writeDevice(path, bytes);
    cannotWrite(path, S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file");
  }
  // Beside the file, so that the rename stays within one file system.
  const std::filesystem::path target(path);
  const std::filesystem::path temporary =
      target.parent_path() /
      ("." + target.filename().string() + "." + std::to_string(::getpid()) + ".part");
  const int fd = ::open(temporary.string().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
  if (fd < 0) cannotWrite(path, std::strerror(errno));
  int error = writeAll(fd, bytes);
  if (error == 0) error = syncFile(fd);
  if (::close(fd) != 0 && error == 0) error = errno;
  std::error_code renamed;
  if (error == 0) std::filesystem::rename(temporary, target, renamed);
  if (error != 0 || renamed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    cannotWrite(path, error != 0 ? std::strerror(error) : renamed.message());
  }
}

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#include "app/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

namespace {

// Opens the path for reading if it is a regular file, and gives its size. The check before the
// open only spares the open; what counts is what was opened.
bool openRegular(const QString& path, QFile& file, qint64& size) {
#ifdef Q_OS_UNIX
  // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  size = status.st_size;
  return true;
#else
  // Files in a folder here are never pipes, and devices do not pass QFileInfo::isFile.
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  size = file.size();
  return true;
#endif
}

}  // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > maxBytes) return std::nullopt;
  QFile file;
  qint64 size = 0;
  if (!openRegular(path, file, size) || size > maxBytes) return std::nullopt;
  // One byte more than the size shows a file that grew while it was read.
  QByteArray bytes = file.read(size + 1);
  if (bytes.size() != size) return std::nullopt;
  return bytes;
}

}  // namespace app

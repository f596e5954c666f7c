// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace app {

// The whole content of a regular file of at most maxBytes, or nothing. A FIFO, a device, a
// directory, a link to one of them, and a file larger than maxBytes are refused without
// reading; the open cannot block, whatever is put in the file's place meanwhile.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

}  // namespace app

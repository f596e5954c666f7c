// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

#include <optional>

#include "platform/ByteString.h"

namespace printerapp {

// The job's document, whole; nothing, with the reason in the job's log, when it cannot be read.
std::optional<platform::ByteString> jobDocument(pappl_job_t* job);

// Writes BYTES to the device; false, with the reason in the job's log, when it takes fewer.
bool sendToDevice(pappl_job_t* job, pappl_device_t* device, const platform::ByteString& bytes);

// Writes BYTES into a new file of the printer's spool, named after KIND and unique, so that a
// job queued behind another is neither overwritten nor removed with it. Its path goes into
// PATH; false, with the reason in the printer's log and no file left, when it cannot be written.
bool spoolFile(pappl_printer_t* printer, const char* kind, const platform::ByteString& bytes,
               char* path, std::size_t pathSize);

}  // namespace printerapp

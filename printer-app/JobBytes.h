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

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
// Preloaded into a process under measurement (LD_PRELOAD), returns at once from a sleep of
// exactly the pause after a settings job, so that a whole process is timed without it; every
// other sleep sleeps as it would. Preloaded alike into the process it is compared with.
#include <errno.h>
#include <time.h>

#include "download/DownloadSettings.h"

extern "C" int nanosleep(const struct timespec* wanted, struct timespec* left) {
  constexpr long kPauseNs = mdlFlagSettings::kPauseAfterSettingsMs * 1000000L;
  if (wanted && wanted->tv_sec == kPauseNs / 1000000000L &&
      wanted->tv_nsec == kPauseNs % 1000000000L) {
    return 0;
  }
  const int error = clock_nanosleep(CLOCK_REALTIME, 0, wanted, left);
  if (error == 0) return 0;
  errno = error;
  return -1;
}

#include "launch_failure.h"

#include "string_ids.h"

unsigned LaunchFailureReason(unsigned launchResult) {
    switch (launchResult) {
    case 0:
        return IDS_LAUNCH_NO_MEMORY;
    case 2:
        return IDS_LAUNCH_FILE_NOT_FOUND;
    case 3:
        return IDS_LAUNCH_PATH_NOT_FOUND;
    case 11:
        return IDS_LAUNCH_BAD_FORMAT;
    default:
        return 0;
    }
}

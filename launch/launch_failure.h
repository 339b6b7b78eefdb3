// Which launch results the user is told about: the starter and the editor's test launch
// report the same failures with the same texts.
#pragma once

// The string id of the reason shown as the caption of the launch failure box, or 0 when the
// result is reported with no box (success, and the launcher's other failures).
unsigned LaunchFailureReason(unsigned launchResult);

// Which page of the help file explains a control of the main dialog: F1 on a control opens
// the page of the group it belongs to.
#pragma once

// The page of the help file (a name inside Hovenac.chm) for the control with the given id;
// nullptr for a control that belongs to no group (OK, Abbruch, Hilfe, the dialog itself),
// which gets the help's contents.
const char* HelpTopicOf(int controlId);

// The editor's one FileHelp, made at start-up before any window and used by every handler.
#pragma once

class FileHelp;

extern FileHelp* theFileHelp;

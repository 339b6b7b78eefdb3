// The question the starter benchmark asks: written into the CD's AutoRun.INF for the starter
// and shown as it is by the bare program it is compared with.
#pragma once

constexpr char kQuestionCaption[] = "Willkommen";
constexpr char kQuestionText[] = "Soll das Programm von der CD gestartet werden?";

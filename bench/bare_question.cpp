// The baseline of the starter's start-up: a plain Windows program that shows the starter's
// question box (same caption, text, buttons and icon) and nothing else.
#include "question_texts.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, kQuestionText, kQuestionCaption, MB_ICONQUESTION | MB_YESNO);
    return 0;
}

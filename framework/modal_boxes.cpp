#include "modal_boxes.h"

#include <utility>

namespace {

MessageBoxScript& MessageBoxAnswers() {
    static MessageBoxScript script;
    return script;
}

OpenFileScript& OpenFileAnswers() {
    static OpenFileScript script;
    return script;
}

} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
    if (MessageBoxAnswers())
        return MessageBoxAnswers()(MessageBoxRequest{owner, text, caption, type});
    return MessageBoxA(owner, text, caption, type);
}

bool ShowOpenFileDialog(OPENFILENAMEA& description) {
    if (OpenFileAnswers())
        return OpenFileAnswers()(description);
    return GetOpenFileNameA(&description) == TRUE;
}

bool ShowSaveFileDialog(OPENFILENAMEA& description) {
    if (OpenFileAnswers())
        return OpenFileAnswers()(description);
    return GetSaveFileNameA(&description) == TRUE;
}

void SetMessageBoxScript(MessageBoxScript script) {
    MessageBoxAnswers() = std::move(script);
}

void SetOpenFileScript(OpenFileScript script) {
    OpenFileAnswers() = std::move(script);
}

#include "ini_elements.h"

#include "ascii_case.h"

bool operator<(const rtext& left, const rtext& right) {
    return static_cast<const std::string&>(left).compare(right) < 0;
}

bool operator==(const rtext& left, const rtext& right) {
    return ascii_case::Same(left, right);
}

bool NameBefore(const rtext& left, const rtext& right) {
    return ascii_case::Before(left, right);
}

const WideTexts rtext::kNoWideTexts;

void rtext::SetWide(WideTexts texts) {
    if (texts.text.empty() && texts.comment.empty() && texts.asRead.empty() && texts.value.empty())
        wide_.reset();
    else
        wide_ = std::make_unique<WideTexts>(std::move(texts));
}

#include "icon_fields.h"

#include "icon_value.h"
#include "number_text.h"

namespace icon_value {

namespace {
// Room for the file in the value, which the editor's fields read up to 511 characters: the
// comma, a sign and ten digits follow it.
constexpr std::size_t kFileLength = 492;
} // namespace

void IconFields::Loaded(std::string file, std::string number, bool shown, bool hiddenCharacters) {
    if (!shown || hiddenCharacters)
        kept_ = Texts{std::move(file), std::move(number)};
    else
        kept_.reset();
}

std::string IconFields::ValueOf(const std::string& file, const std::string& number) const {
    if (kept_ && file == kept_->file && number == kept_->number)
        return std::string();
    return JoinIconValue(std::string_view(file).substr(0, kFileLength),
                         ParseFieldNumber(number.c_str()));
}

} // namespace icon_value

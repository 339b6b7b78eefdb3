#include "iso_names.h"

#include "windows_names.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace iso_image {

namespace {

constexpr std::size_t kMaxBase = 8;
constexpr std::size_t kMaxExtension = 3;

bool IsDCharacter(char16_t unit) {
    return (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9') || unit == u'_';
}

char16_t Upper(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

// Upper case; every unit that is no d-character becomes "_", a pair of surrogates one "_".
std::string DCharacters(const std::u16string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = Upper(text[at]);
        if (IsDCharacter(unit)) {
            out += static_cast<char>(unit);
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
            text[at + 1] <= 0xDFFF)
            ++at;
        out += '_';
    }
    return out;
}

std::string KeyOf(const ShortName& name) {
    return name.extension.empty() ? name.base : name.base + '.' + name.extension;
}

ShortName Cut(const std::u16string& name, bool directory) {
    ShortName cut;
    const std::size_t dot = directory ? std::u16string::npos : name.rfind(u'.');
    if (dot == std::u16string::npos) {
        cut.base = DCharacters(name);
    } else {
        cut.base = DCharacters(name.substr(0, dot));
        cut.extension = DCharacters(name.substr(dot + 1)).substr(0, kMaxExtension);
    }
    if (cut.base.empty())
        cut.base = "_";
    return cut;
}

bool IsValidShort(const std::u16string& name, bool directory) {
    const ShortName cut = Cut(name, directory);
    if (cut.base.size() > kMaxBase)
        return false;
    std::u16string again(cut.base.begin(), cut.base.end());
    if (!directory && name.find(u'.') != std::u16string::npos) {
        again += u'.';
        again.append(cut.extension.begin(), cut.extension.end());
    }
    return again == name;
}

} // namespace

std::string ShortName::Identifier(bool directory) const {
    if (directory)
        return base;
    return base + '.' + extension + ";1";
}

std::vector<ShortName> AssignShortNames(const std::vector<NameRequest>& requests) {
    std::vector<ShortName> names(requests.size());
    std::vector<bool> assigned(requests.size(), false);
    std::set<std::string> taken;
    const auto take = [&taken](const ShortName& name) { return taken.insert(KeyOf(name)).second; };

    // Names that are 8.3 already come first: "README.TXT" is never pushed to "README_1.TXT" by
    // a "readme.txt" elsewhere in the directory.
    std::vector<std::size_t> order(requests.size());
    for (std::size_t index = 0; index < order.size(); ++index)
        order[index] = index;
    std::sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
        return requests[left].name < requests[right].name;
    });
    for (const std::size_t index : order) {
        if (!IsValidShort(requests[index].name, requests[index].directory))
            continue;
        ShortName name = Cut(requests[index].name, requests[index].directory);
        if (take(name)) {
            names[index] = name;
            assigned[index] = true;
        }
    }
    // The next number to try for a stem, an extension and a count of digits: numbers once
    // found taken are not tried again, so that a directory of many clashing names is numbered
    // in linear time. A stem followed by "_" and a number of given digits names one number only,
    // so the counters of different stems never hand out the same name.
    std::map<std::string, unsigned> nextNumber;
    for (const std::size_t index : order) {
        if (assigned[index])
            continue;
        ShortName name = Cut(requests[index].name, requests[index].directory);
        const std::string base = name.base;
        name.base = base.substr(0, kMaxBase);
        bool done = take(name);
        unsigned first = 1;
        for (std::size_t digits = 1; !done; ++digits, first *= 10) {
            const std::string stem = base.substr(0, kMaxBase - std::min(kMaxBase, digits + 1));
            unsigned& number =
                nextNumber[stem + '.' + name.extension + ';' + std::to_string(digits)];
            for (number = std::max(number, first); !done && number < first * 10; ++number) {
                name.base = stem + '_' + std::to_string(number);
                done = take(name);
            }
        }
        names[index] = name;
    }
    return names;
}

std::optional<RefusalKind> JolietNameProblem(const std::u16string& name) {
    // Joliet forbids * / : ; ? \ and control characters; Windows < > " | besides.
    for (const char16_t unit : name) {
        if (unit < 0x20 || std::u16string_view(u"*/:;?\\<>\"|").find(unit) != std::u16string::npos)
            return RefusalKind::kForbiddenCharacter;
    }
    if (IsDeviceName(name))
        return RefusalKind::kDeviceName;
    if (name.size() > kMaxJolietUnits)
        return RefusalKind::kNameTooLong;
    return std::nullopt;
}

std::string PrimaryVolumeName(const std::u16string& label) {
    return DCharacters(label).substr(0, 32);
}

std::u16string JolietVolumeName(const std::u16string& label) {
    std::u16string name;
    for (char16_t unit : label) {
        if (unit < 0x20 || unit == u'*' || unit == u'/' || unit == u':' || unit == u';' ||
            unit == u'?' || unit == u'\\')
            unit = u'_';
        name += unit;
    }
    std::size_t length = std::min<std::size_t>(name.size(), 16);
    if (length > 0 && length < name.size() && name[length - 1] >= 0xD800 &&
        name[length - 1] <= 0xDBFF)
        --length;
    return name.substr(0, length);
}

} // namespace iso_image

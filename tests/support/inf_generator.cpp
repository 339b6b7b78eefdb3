#include "inf_generator.h"

#include <random>
#include <vector>

namespace {

class Maker {
public:
    explicit Maker(std::uint32_t seed) : random_(seed) {}

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    // Blanks and TABs, often none.
    std::string Space() {
        std::string out;
        while (Chance(30))
            out += Chance(70) ? ' ' : '\t';
        return out;
    }

    // Characters of a value; UTF-16 files also get characters that code page 1252 lacks.
    std::u16string ValueText(bool wide) {
        static const std::u16string kPlain =
            u"abcXYZ019 .,\\:/-_;#=[]\"'!%&()\u00E4\u00F6\u00FC\u00DF\u20AC\u00E9";
        static const std::u16string kForeign = u"\u65E5\u672C\u0416\u03A9";
        const int length = Chance(3) ? 300 + Below(2500) : Below(24);
        std::u16string out;
        for (int i = 0; i < length; ++i) {
            if (wide && Chance(5))
                out += kForeign[static_cast<std::size_t>(Below(static_cast<int>(kForeign.size())))];
            else
                out += kPlain[static_cast<std::size_t>(Below(static_cast<int>(kPlain.size())))];
        }
        if (Chance(15)) {
            const char16_t quote = Chance(70) ? u'"' : u'\'';
            out = quote + out + (Chance(80) ? quote : u'"');
        }
        return out;
    }

    std::u16string Line(bool wide) {
        static const std::vector<std::u16string> kSections = {
            u"AutoRun", u"autorun", u"AUTORUN", u"Orbilan", u"orbilan", u"Fremd", u"x y", u"a;b"};
        static const std::vector<std::u16string> kKeys = {u"open",
                                                          u"Open",
                                                          u"OPEN",
                                                          u"icon",
                                                          u"Icon",
                                                          u"label",
                                                          u"Label",
                                                          u"#k",
                                                          u"k",
                                                          u"shell\\setup",
                                                          u"Shell\\Setup\\Command",
                                                          u"a b",
                                                          u"x;y",
                                                          u"v"};
        static const std::vector<std::u16string> kTexts = {u"siehe [Orbilan]", u"freier Text",
                                                           u"[ohne Klammer", u"text ; mit"};
        switch (Below(20)) {
        case 0:
        case 1:
        case 2: {
            std::u16string header = Widened(Space()) + u"[" + Widened(Space()) + Pick(kSections) +
                                    Widened(Space()) + u"]";
            if (Chance(20))
                header += u" ; Kommentar";
            return header;
        }
        case 3:
            return Widened(Space()) + u";" + ValueText(wide);
        case 4:
            return Widened(Space());
        case 5:
            return Pick(kTexts);
        default:
            return Widened(Space()) + Pick(kKeys) + Widened(Space()) + u"=" + Widened(Space()) +
                   ValueText(wide) + Widened(Space());
        }
    }

    static std::u16string Widened(const std::string& ascii) {
        return std::u16string(ascii.begin(), ascii.end());
    }

private:
    std::mt19937 random_;
};

// Code page 1252 bytes of the characters that the generator uses outside ASCII.
char Narrow(char16_t unit) {
    switch (unit) {
    case u'\u20AC':
        return '\x80';
    default:
        return static_cast<char>(unit);
    }
}

} // namespace

GeneratedInf GenerateInf(std::uint32_t seed) {
    Maker maker(seed);
    GeneratedInf made;
    made.utf16 = maker.Chance(25);
    const int ends = maker.Below(4); // CR LF, LF, CR, or mixed
    std::u16string text;
    const int lines = 1 + maker.Below(30);
    for (int i = 0; i < lines; ++i) {
        text += i == 0 && maker.Chance(80) ? u"[AutoRun]" : maker.Line(made.utf16);
        const int end = ends == 3 ? maker.Below(3) : ends;
        if (i + 1 < lines || maker.Chance(70))
            text += end == 0 ? u"\r\n" : end == 1 ? u"\n" : u"\r";
    }
    if (made.utf16) {
        made.bytes = "\xFF\xFE";
        for (char16_t unit : text) {
            made.bytes += static_cast<char>(unit & 0xFF);
            made.bytes += static_cast<char>(unit >> 8);
        }
    } else {
        for (char16_t unit : text)
            made.bytes += Narrow(unit);
    }
    return made;
}

std::string GenerateValue(std::uint32_t seed) {
    Maker maker(seed ^ 0x5EEDu);
    std::string value;
    for (char16_t unit : maker.ValueText(false))
        value += Narrow(unit);
    if (maker.Chance(20))
        value = " " + value + "\t";
    return value.empty() ? "x" : value;
}

// What the editor's two icon fields (file and number) give the "Icon" value of [AutoRun]. The
// INF's own value stays, byte for byte, while the fields still hold what loading put in them
// and the editor could not show that icon, or the value holds characters Windows-1252 lacks
// (the fields show "?" for them): rewritten from the fields it might lose its quotes, gain a
// number or lose characters.
#pragma once

#include <optional>
#include <string>

namespace icon_value {

class IconFields {
public:
    // After loading: the fields' texts, whether the editor shows the icon they name, and whether
    // the INF's value holds characters Windows-1252 lacks.
    void Loaded(std::string file, std::string number, bool shown, bool hiddenCharacters);

    // The value for the fields' texts; empty while the INF's own value stays (a value written
    // from the fields never is).
    std::string ValueOf(const std::string& file, const std::string& number) const;

private:
    struct Texts {
        std::string file;
        std::string number;
    };
    // Set when the INF's value stays as long as the fields hold these texts.
    std::optional<Texts> kept_;
};

} // namespace icon_value

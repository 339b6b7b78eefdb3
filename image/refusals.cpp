#include "refusals.h"

namespace iso_image {

// Texts in code page 1252: \344 a-umlaut, \366 o-umlaut, \374 u-umlaut, \337 sharp s.
const char* TextOf(RefusalKind kind) {
    switch (kind) {
    case RefusalKind::kNameTooLong:
        return "Der Name ist l\344nger als die 64 Zeichen, die Joliet erlaubt:";
    case RefusalKind::kForbiddenCharacter:
        return "Der Name enth\344lt ein Zeichen, das Joliet nicht erlaubt (* / : ; ? \\ oder "
               "ein Steuerzeichen):";
    case RefusalKind::kFileTooLarge:
        return "Die Datei ist 4 GiB gro\337 oder gr\366\337er; ISO 9660 kann sie nicht "
               "aufnehmen:";
    case RefusalKind::kTooDeep:
        return "Das Verzeichnis liegt tiefer als die acht Ebenen, die ISO 9660 erlaubt:";
    case RefusalKind::kPathTooLong:
        return "Der Pfad ist l\344nger als die 255 Bytes, die ein Pfad im Abbild haben darf:";
    case RefusalKind::kTooManyDirectories:
        return "Das Abbild kann nicht mehr als 65535 Verzeichnisse aufnehmen; zu viele ab:";
    }
    return "";
}

} // namespace iso_image

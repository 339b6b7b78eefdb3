#include "refusals.h"

namespace iso_image {

// Texts in code page 1252: \344 a-umlaut, \366 o-umlaut, \374 u-umlaut, \337 sharp s.
const char* TextOf(RefusalKind kind) {
    switch (kind) {
    case RefusalKind::kNameTooLong:
        return "Der Name ist l\344nger als die 64 UTF-16-Einheiten (ein Zeichen jenseits von "
               "U+FFFF belegt zwei), die Joliet erlaubt:";
    case RefusalKind::kForbiddenCharacter:
        return "Der Name enth\344lt ein Zeichen, das Windows oder Joliet nicht erlaubt (< > \" | * "
               "/ : ; ? \\ oder ein Steuerzeichen):";
    case RefusalKind::kDeviceName:
        return "Der Name ist unter Windows ein Ger\344t (CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 "
               "bis LPT9, mit jeder Endung):";
    case RefusalKind::kSameName:
        return "Windows kann den Namen nicht von einem anderen im selben Verzeichnis "
               "unterscheiden (Gro\337- und Kleinschreibung, Punkte und Leerzeichen am Ende):";
    case RefusalKind::kFileTooLarge:
        return "Die Datei ist 4 GiB gro\337 oder gr\366\337er; ohne UDF, wie Windows 95 es "
               "liest, kann das Abbild sie nicht aufnehmen:";
    case RefusalKind::kFileTooLargeForUdf:
        return "Die Datei ist gr\366\337er als die 234 GiB, die ein Dateieintrag in UDF "
               "beschreibt:";
    case RefusalKind::kTooDeep:
        return "Das Verzeichnis liegt tiefer als die acht Ebenen, die ISO 9660 erlaubt:";
    case RefusalKind::kPathTooLong:
        return "Der Pfad ist l\344nger als die 255 Bytes, die ein Pfad im Abbild haben darf:";
    case RefusalKind::kTooManyDirectories:
        return "Das Abbild kann nicht mehr als 65535 Verzeichnisse aufnehmen; zu viele ab:";
    case RefusalKind::kDanglingLink:
        return "Die Verkn\374pfung zeigt auf nichts:";
    case RefusalKind::kLinkLoop:
        return "Die Verkn\374pfung f\374hrt im Kreis (auf sich selbst oder ein Verzeichnis, in "
               "dem sie liegt):";
    case RefusalKind::kImageTooLarge:
        return "Das Abbild w\344re gr\366\337er als die 8 TiB (2^32 Sektoren), die ISO 9660 "
               "z\344hlt; kein Platz mehr ab:";
    }
    return "";
}

} // namespace iso_image

#include "findings.h"

#include <cstddef>
#include <string>

namespace cd_check {

namespace {

// Texts in code page 1252: \344 a-umlaut, \366 o-umlaut, \374 u-umlaut, \337 sharp s,
// \326 O-umlaut, \334 U-umlaut.
const std::vector<FindingText> kTexts = {
    {FindingKind::kNoInf, "Q001", Severity::kError,
     "Im Verzeichnis liegt keine AutoRun.INF: Windows startet von dieser CD nichts."},
    {FindingKind::kSeveralInfs, "Q002", Severity::kWarning,
     "Mehrere Dateien hei\337en AutoRun.INF, nur in anderer Schreibweise; Windows liest nur "
     "eine davon."},
    {FindingKind::kInfNotNamedAutoRun, "Q003", Severity::kError,
     "Die Datei hei\337t nicht AutoRun.INF: Windows liest sie nicht."},
    {FindingKind::kUtf8Mark, "Q101", Severity::kError,
     "Die Datei beginnt mit der Marke von UTF-8. Windows versteht sie nicht und verliert den "
     "ersten Abschnitt; speichern Sie die Datei als ANSI oder als UTF-16 mit Marke."},
    {FindingKind::kUnreadableEncoding, "Q102", Severity::kError,
     "Die Datei ist UTF-16 ohne Marke oder in umgekehrter Bytefolge: Windows kann sie nicht "
     "lesen. Speichern Sie sie als ANSI oder als UTF-16 mit Marke."},
    {FindingKind::kUtf8WithoutMark, "Q103", Severity::kWarning,
     "Die Datei ist UTF-8 ohne Marke. Windows liest sie als ANSI: jeder Buchstabe au\337erhalb "
     "von ASCII erscheint als zwei oder drei falsche Zeichen."},
    {FindingKind::kAutoRunMissing, "Q201", Severity::kError,
     "Der Abschnitt [AutoRun] fehlt: ohne ihn liest Windows nichts aus der Datei."},
    {FindingKind::kSectionTwice, "Q202", Severity::kWarning,
     "Der Abschnitt steht zweimal in der Datei; Windows liest nur den ersten."},
    {FindingKind::kKeyTwice, "Q203", Severity::kWarning,
     "Der Schl\374ssel steht zweimal im Abschnitt; Windows nimmt den ersten."},
    {FindingKind::kPlatformSectionDiffers, "Q204", Severity::kWarning,
     "Windows liest auf der Plattform dieses Abschnitts nur ihn, nicht [AutoRun]. Verschieden "
     "sind die Schl\374ssel:"},
    {FindingKind::kLabelTooLong, "Q205", Severity::kWarning,
     "Die Bezeichnung ist l\344nger als 32 Zeichen; Windows zeigt nur die ersten 32."},
    // The words of the editor's field check (IDS_QUOTES_STRIPPED); a test holds them equal.
    {FindingKind::kQuotesBreakCommandLine, "Q206", Severity::kError,
     "Die Zeile beginnt und endet mit Anf\374hrungszeichen: Windows entfernt beim Lesen dieses "
     "Paar, und das Programm wird dann nicht gefunden. Schreiben Sie das letzte Argument ohne "
     "Anf\374hrungszeichen oder h\344ngen Sie ein weiteres an."},
    {FindingKind::kQuotesChangeValue, "Q207", Severity::kWarning,
     "Windows entfernt die Anf\374hrungszeichen am Anfang und am Ende des Werts; er lautet "
     "dann:"},
    {FindingKind::kContentValueUnknown, "Q208", Severity::kWarning,
     "Der Wert ist f\374r Windows weder ja (1, y, yes, t, true) noch nein (0, n, no, f, "
     "false); was AutoPlay dann anbietet, ist nicht beschrieben:"},
    {FindingKind::kUseAutoPlayValue, "Q209", Severity::kWarning,
     "Windows vor Version 8 kennt f\374r UseAutoPlay nur den Wert 1; ab Windows 8 schaltet 0 "
     "AutoPlay f\374r das Laufwerk ab. Der Wert lautet:"},
    {FindingKind::kProcessorSectionsOnly, "Q210", Severity::kWarning,
     "Die Datei hat nur Abschnitte f\374r bestimmte Prozessoren, keinen Abschnitt [AutoRun]. "
     "Nichts aus der Datei lesen:"},
    {FindingKind::kFileMissing, "Q301", Severity::kError, "Die Datei existiert nicht auf der CD:"},
    {FindingKind::kFileOutsideRoot, "Q302", Severity::kError,
     "Die Datei liegt nicht im Verzeichnis oder Unterverzeichnis der CD:"},
    {FindingKind::kIconNumberMissing, "Q303", Severity::kError,
     "Ein Icon mit dieser Nummer gibt es in der Datei nicht:"},
    {FindingKind::kNoIconsInFile, "Q304", Severity::kError,
     "Die Datei enth\344lt keine Icons (keine .ico-Datei, kein Programm, keine Bibliothek "
     "mit Icons):"},
    {FindingKind::kIconsNotChecked, "Q305", Severity::kWarning,
     "Die Icons eines 16-Bit-Programms werden nicht gepr\374ft:"},
    {FindingKind::kActionFileMissing, "Q306", Severity::kWarning,
     "Der Text f\374r AutoPlay soll aus einer Datei kommen, die nicht auf der CD liegt:"},
    {FindingKind::kVerbWithoutCommand, "Q401", Severity::kError,
     "Der Eintrag im Kontextmen\374 hat keine Befehlszeile (Schl\374ssel \\Command):"},
    {FindingKind::kDefaultVerbMissing, "Q402", Severity::kError,
     "Der voreingestellte Eintrag des Kontextmen\374s existiert nicht:"},
    {FindingKind::kStarterMissing, "Q501", Severity::kError,
     "Open nennt den Starter, aber Orbilan.EXE liegt nicht im Hauptverzeichnis der CD."},
    {FindingKind::kStarterWithoutExec, "Q502", Severity::kError,
     "Der Starter hat nichts zu starten: im Abschnitt [Orbilan] fehlt Exec."},
    {FindingKind::kNameTooLongForJoliet, "Q601", Severity::kWarning,
     "Der Name ist l\344nger als die 64 UTF-16-Einheiten (ein Zeichen jenseits von U+FFFF "
     "belegt zwei), die Joliet erlaubt:"},
    {FindingKind::kNameNotIso9660, "Q602", Severity::kWarning,
     "Der Name folgt nicht dem Format 8.3 von ISO 9660 (h\366chstens acht Zeichen, Punkt, "
     "drei Zeichen; Buchstaben, Ziffern, _):"},
    {FindingKind::kProgramUnsigned, "Q701", Severity::kWarning,
     "Das Programm ist nicht signiert: Windows 11 mit intelligenter App-Steuerung kann es "
     "blockieren"},
    {FindingKind::kSignatureBroken, "Q702", Severity::kError,
     "Das Programm wurde nach dem Signieren ver\344ndert oder seine Signatur ist besch\344digt: "
     "Windows verweigert es. Verglichen wurde nur der Hashwert der Datei mit dem in der "
     "Signatur, keine Zertifikatskette"},
};

} // namespace

const std::vector<FindingText>& AllFindingTexts() {
    return kTexts;
}

const FindingText& TextOf(FindingKind kind) {
    // The rows stand in the order of the kinds; the table's test holds them there.
    return kTexts.at(static_cast<std::size_t>(kind));
}

const char* TextOf(Problem problem) {
    switch (problem) {
    case Problem::kNone:
        break;
    case Problem::kNoSuchPath:
        return "Den Pfad gibt es nicht:";
    case Problem::kUnreadable:
        return "Die Datei kann nicht gelesen werden:";
    case Problem::kWalkIncomplete:
        return "Das Verzeichnis der CD kann nicht ganz gelesen werden:";
    case Problem::kUsage:
        return "Aufruf: quillot-check [--json] [--iso9660] [--targets] PFAD (das Verzeichnis der "
               "CD oder ihre AutoRun.INF)";
    }
    return "";
}

std::string PlatformDetail(const std::string& differing, const std::string& unseen) {
    if (unseen.empty())
        return differing;
    return differing + "; Windows dieser Plattform sieht nicht: " + unseen;
}

} // namespace cd_check

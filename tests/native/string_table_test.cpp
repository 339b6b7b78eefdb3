// The texts are the program's user interface and its INI names: every byte counts, in
// code page 1252.
#include "string_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ExpectedText {
    unsigned id;
    const char* bytes;
};

// Written with hex escapes on purpose: a different spelling than the table's source, so that
// an encoding slip in either shows.
const ExpectedText kExpected[] = {
    {1, "Marlisk V1.0"},
    {2, "AutoRun.INF|*.INF|"},
    {700, "AutoRun.INF"},
    {701, "Orbilan"},
    {702, "Headline"},
    {703, "Text"},
    {704, "Exec"},
    {750, "AutoRun"},
    {751, "Open"},
    {752, "Icon"},
    {753, "Shell\x5c"},
    {754, "\x5c"
          "Command"},
    {800, "Fehler:"},
    {801, "Die Datei befindet sich nicht im Verzeichnis oder Unterverzeichnis der virtuellen "
          "CD! Soll  die Datei dorthin kopiert werden?"},
    {802, "Die Datei konnte nicht kopiert werden!"},
    {803, "Die Datei existiert nicht!"},
    {804, "Ein Icon mit dieser Nummer konnte in der Datei nicht gefunden werden."},
    {805, "Eintrag L\xf6"
          "schen"},
    {806, "Soll der Eintrag wirklich gel\xf6"
          "scht werden?"},
    {807, "Die Datei konnte nicht gespeichert werden!"},
    {851, "Alle Icon-Dateien|*.ico;*.dll;*.exe|Icondateien(*.ico)|*.ico|Bibliotheken "
          "(*.dll)|*.dll|Ausf\xfc"
          "hrbare Dateien|*.exe|"},
    {852, "Ausf\xfc"
          "hrbare Dateien|*.exe;*.com;*.bat|"},
    {853, "Orbilan.EXE"},
    {854, "\xdc"
          "berschrift"},
    {855, "Soll Programm xy gestartet werden?"},
    {857, "PopupMnu"},
    {870, "Das Programm kann nicht gestartet werden."},
    {871, "Kein Speicher zum Starten:"},
    {872, "Das Dateiformat ist nicht g\xfc"
          "ltig:"},
    {873, "Die Datei kann nicht gefunden werden:"},
    {874, "Das Verzeichnis kann nicht gefunden werden:"},
    {876, "Datei kopieren"},
    {877, "Die Datei wird in das Verzeichnis der virtuellen CD kopiert:"},
    {878, "%1 von %2 Bytes"},
    {879, "Abbrechen"},
    {880, "label"},
    {881, "Version"},
    {930, "CD-Abbilder (*.iso)|*.iso|"},
    {933, "Die \xc4nderungen an der AutoRun.INF sind noch nicht gespeichert. Das Abbild "
          "enth\xe4lt die Dateien, wie sie gespeichert sind. Sollen die \xc4nderungen vorher "
          "gespeichert werden?"},
};

TEST(StringTable, HoldsEveryTextByteForByte) {
    for (const ExpectedText& expected : kExpected) {
        const char* text = StringTableText(expected.id);
        ASSERT_NE(text, nullptr) << "no text for id " << expected.id;
        EXPECT_EQ(std::string(text), std::string(expected.bytes)) << "id " << expected.id;
    }
}

TEST(StringTable, HasNoTextForTheEmptyDefaultCommand) {
    EXPECT_EQ(StringTableText(IDS_DEFAULT_EXEC), nullptr);
    EXPECT_EQ(StringTableText(0), nullptr);
}

} // namespace

// The message table: exact texts (blanks and accented letters included), completeness, and
// the behaviour of lookups outside the table.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/message_catalogue.h"
#include "params/codepage.h"

namespace orvane::catalogue {
namespace {

struct Spot {
    int row;
    const char* italian;
    const char* english;
};

// Rows whose texts are combined with others or laid out against their blanks, rows with
// accented letters, and rows at both ends of the table.
const Spot Spots[] = {
    {1, "Andamento", "Trend"},
    {15, "Potenza ", "Power "},
    {36, "Capacit\u00E0 Attuale Ah", "Actual Capacity Ah"},
    {45, "Comunicazione RS485 con ", "Communication RS485 with "},
    {46, "Avvia", "Start"},
    {47, "Ferma", "Stop"},
    {64, "All.Low Alim.", "Low Power "},
    {72, "Indirizzo IP  ", "IP Address  "},
    {98, "  Limite Minimo < Limite Iniziale ", "  Min. Limit < Start Limit "},
    {102, "  Limite Iniziale < Limite Massimo   ", "  Start Limit < Max Limit   "},
    {103, "Tempo Ritardo Inserimento ", "Frequency Limits "},
    {104, "Limitazioni in Frequenza: ", "Insertion Delay Time: "},
    {110, "In BLOCCO  ", "BLOCKED  "},
    {118, "% di capacit\u00E0 assorbibile : ", "Absorbable Capacity % : "},
    {126, "Carica completa dopo", "Full Carge at "},
    {131, "Modalit\u00E0 Estate  ", "Summer mode  "},
    {148, "Tipo F", "Type F"},
    {155, "Temperatura CB", "Charger Temperature"},
    {168, "Batteria Esausta  per N\u00B0Cicli ", "Battery Exhausted for Cycles N\u00B0  "},
    {191, " (Solo con comunicazione attiva) ", " (With Active Communication Only) "},
    {205, "Configurator Trifase", "Treephase Configurator"},
    {209, "Errore di comunicazione", "Communication Error"},
    {210, "Comunicazione OK", "Comunication OK"},
    {211, "Errore versione FIRMWARE", "FIRMWARE Version Error"},
    {212, "Fermo", "Stopped"},
    {213, "Avviato", "Started"},
    {214, "Errore in apertura ", "Opening Error "},
    {215, "SI VUOLE PROCEDERE CON L' ESPORTAZIONE DATI?", "DO YOU WANT TO PROCEED TO EXPORT DATA?"},
    {220, "Errore n\u00B0 ", "Error n\u00B0 "},
    {222, "  in Impostazione Parametri Liberi", "  in Free Parameters Setting"},
    {227, "Versione firmware incompatibile con la ", "Firmware version is not compatible with "},
    {228, " impossibile procedere", " impossible to proceed"},
    {231, "Comunicazione seriale non attiva, impossibile procedere",
     "Serial communication not active. Impossible to proceed"},
    {232, "Impossibile eseguire per errore in versione FW",
     "Impossible to proceed. Firmware version error"},
    {234, "Questa operazione azzera tutti i dati di accumulo,SI VUOLE PROCEDERE?",
     "This operation reset all storage data. Do you want to proceed?"},
};

TEST(MessageCatalogue, spotCheckedRowsReadExactlyInBothLanguages) {
    for (const Spot& s : Spots) {
        EXPECT_EQ(CatalogueText(s.row, Italian), s.italian) << "row " << s.row;
        EXPECT_EQ(CatalogueText(s.row, English), s.english) << "row " << s.row;
    }
}

TEST(MessageCatalogue, everyRowHasBothTextsAndAnEmptyThirdColumn) {
    for (int row = 1; row <= CatalogueRowCount; ++row) {
        EXPECT_FALSE(CatalogueText(row, Italian).empty()) << "row " << row;
        EXPECT_FALSE(CatalogueText(row, English).empty()) << "row " << row;
        EXPECT_TRUE(CatalogueText(row, 2).empty()) << "row " << row;
    }
}

TEST(MessageCatalogue, everyTextSurvivesTheEightBitCodePage) {
    // Texts travel through Windows-1252 at the file boundary; a character outside it would
    // come back as '?'.
    for (int row = 1; row <= CatalogueRowCount; ++row) {
        for (int language : {Italian, English}) {
            const std::string text(CatalogueText(row, language));
            EXPECT_EQ(params::Cp1252ToUtf8(params::Utf8ToCp1252(text)), text)
                << "row " << row << " language " << language;
        }
    }
}

TEST(MessageCatalogue, lookupsOutsideTheTableAreEmpty) {
    for (auto [row, language] : {std::pair{0, Italian},
                                 {CatalogueRowCount + 1, English},
                                 {-1, Italian},
                                 {1, -1},
                                 {1, 3}}) {
        EXPECT_TRUE(CatalogueText(row, language).empty()) << row << "/" << language;
    }
}

TEST(MessageCatalogue, theCurrentLanguageChoosesTheColumnAtEachLookup) {
    Language language;
    EXPECT_EQ(language.text(row::Stopped), "Fermo");
    language.LanguageIndex = English;
    EXPECT_EQ(language.text(row::Stopped), "Stopped");
}

TEST(MessageCatalogue, listRowsStartWhereTheirListsBegin) {
    EXPECT_EQ(CatalogueText(row::BatteryTypeFirst, Italian), "Piombo Auto e Commerciali");
    EXPECT_EQ(CatalogueText(row::BatteryTypeFirst + 6, English), "Pylontech Li-Fo-Po4");
    EXPECT_EQ(CatalogueText(row::InverterTypeFirst, English), "Type A");
    EXPECT_EQ(CatalogueText(row::ScaleItemFirst, Italian), "Potenza Rete");
    EXPECT_EQ(CatalogueText(row::ScaleItemFirst + 6, English), "Charger Temperature");
    EXPECT_EQ(CatalogueText(row::FreeParameters, English), "Free Parameters");
}

TEST(LimitLabelWords, followTheLanguage) {
    EXPECT_EQ(DataWord(Italian), "Dato ");
    EXPECT_EQ(DataWord(English), "Data ");
    EXPECT_EQ(PanelCountWord(Italian), " N\u00B0Pann. ");
    EXPECT_EQ(PanelCountWord(English), " Panel N\u00B0");
}

}  // namespace
}  // namespace orvane::catalogue

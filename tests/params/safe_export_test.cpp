// What an export keeps and tells around its writes: the unit's memory read and kept before
// anything is written, the list of changes the operator answers, and the read-back after
// the commit that decides the outcome.
#include <gtest/gtest.h>

#include "transfer_fixture.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using Kind = testing::FakeOperator::Kind;

class SafeExport : public ::testing::Test, protected TransferWindow {
  protected:
    SafeExport() { storeInUnit(UnitSet()); }

    void exportAnswering(std::deque<bool> answers) {
        dialogs.answers = std::move(answers);
        exporter.ExportParameters();
    }
    std::vector<int> functions() const {
        std::vector<int> out;
        for (const Bytes& f : port.written)
            out.push_back(f[link::FunctionByte]);
        return out;
    }
    const frontend::ChangeList& changeQuestion() const { return dialogs.lists.front(); }
};

constexpr int R = link::function::MemoryRead;
constexpr int W = link::function::MemoryWrite;
constexpr int C = link::function::MemoryCommit;

TEST_F(SafeExport, readsAndKeepsTheUnitsMemoryBeforeTheFirstWriteAndReadsBackAfterTheCommit) {
    type(Field::capacityAh, 300);
    exportAnswering({true, true});
    // Six reads as the import makes them, three writes and the commit, then the written
    // blocks read again in the import's order.
    EXPECT_EQ(functions(), (std::vector<int>{R, R, R, R, R, R, W, W, W, C, R, R, R}));
    ASSERT_EQ(backups.saved.size(), 1u);
    const ParameterSet& kept = backups.saved[0];
    const ParameterSet inUnit = UnitSet();
    for (const BlockLayout& b : BlockLayouts)
        EXPECT_TRUE(std::ranges::equal(kept.bytes(b.block), inUnit.bytes(b.block))) << b.name;
    EXPECT_EQ(lastMessage(),
              "Dati esportati correttamente\nL'unità contiene i nuovi valori.\n"
              "Copia della memoria dell'unità salvata in /saves/Backup/unit.ovn");
}

TEST_F(SafeExport, listsOnlyTheFieldsThatChangeInTheBlocksItWrites) {
    importer.ImportParameters();  // the window shows what the unit holds
    type(Field::capacityAh, 300);
    pick(Field::batteryType, 2);
    tick(Field::supplyLimitC10, !screen.isChecked(controls::Ck_Max_Corr_C10));
    type(Field::cvMinutesNormalWinter, 250);
    type(Field::ipAddress4, 78);  // the network block goes only with the authorization
    exportAnswering({true, false});

    const frontend::ChangeList& list = changeQuestion();
    EXPECT_EQ(dialogs.boxes[dialogs.boxes.size() - 2].kind, Kind::ChangeQuestion);
    EXPECT_EQ(list.message, "Questi campi dell'unità cambieranno. Scrivere i nuovi valori?");
    EXPECT_EQ(list.beforeHeader, "Valore nell'unità");
    EXPECT_EQ(list.afterHeader, "Nuovo valore");
    const bool c10 = UnitSet().get(Field::supplyLimitC10) != 0;
    const std::vector<frontend::ChangeRow> expected{
        {"Capacità A/h", "220 Ah", "300 Ah"},
        {"Tipo Batteria", "Aquion Energy", "Piombo Piastra Piana tipo AGM Gel"},
        {"Limite Fissato a C/10", c10 ? "Sì" : "No", c10 ? "No" : "Sì"},
        {"Minuti Tens. Costante in Carica Normale (Modalità Inverno)", "240 min", "250 min"},
    };
    ASSERT_EQ(list.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list.rows[i].caption, expected[i].caption);
        EXPECT_EQ(list.rows[i].before, expected[i].before);
        EXPECT_EQ(list.rows[i].after, expected[i].after);
    }
}

TEST_F(SafeExport, inEnglishSaysSoWhenNothingChanges) {
    language.LanguageIndex = catalogue::English;
    screen.visible[controls::Tab_Cei_021] = false;
    importer.ImportParameters();
    exportAnswering({true, false});
    EXPECT_TRUE(changeQuestion().rows.empty());
    EXPECT_EQ(changeQuestion().message,
              "The unit already holds these values: no field changes. Write anyway?");
}

TEST_F(SafeExport, answeringNoToTheChangesWritesNothingAndKeepsTheBackup) {
    type(Field::capacityAh, 300);
    const auto before = unit.memory;
    exportAnswering({true, false});
    EXPECT_EQ(functions(), (std::vector<int>(6, R)));
    EXPECT_EQ(unit.memory, before);
    EXPECT_EQ(backups.saved.size(), 1u);
    EXPECT_EQ(lastMessage(),
              "Esportazione annullata: nulla è stato scritto.\n"
              "Copia della memoria dell'unità salvata in /saves/Backup/unit.ovn");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(SafeExport, aFailedReadOrAnUnsavedBackupWritesNothing) {
    struct Case {
        const char* name;
        int silentFrom;  // 0: the unit answers
        bool backupFails;
        std::size_t backups;
        Kind box;
        const char* message;
    };
    for (const Case& c :
         {Case{"read", 4, false, 0, Kind::Information,
               "Lettura della memoria dell'unità non riuscita: nulla è stato scritto."},
          Case{"backup", 0, true, 1, Kind::Error,
               "Impossibile salvare la copia della memoria dell'unità, nulla è stato scritto: "
               "/saves/Backup/unit.ovn"}}) {
        SCOPED_TRACE(c.name);
        port.written.clear();
        backups.saved.clear();
        unit.requests = 0;
        unit.silentFrom = c.silentFrom ? std::optional<int>(c.silentFrom) : std::nullopt;
        backups.failing = c.backupFails;
        exportAnswering({true, true});
        for (int f : functions())
            EXPECT_EQ(f, R);
        EXPECT_EQ(backups.saved.size(), c.backups);
        EXPECT_EQ(dialogs.boxes.back().kind, c.box);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_TRUE(dialogs.lists.empty()) << "no list of changes is shown";
    }
}

TEST_F(SafeExport, aLostCommitAnswerWithTheNewValuesReadBackIsToldAsSuch) {
    unit.commitAnswered = false;  // the unit stores the commit but its answer never comes
    type(Field::capacityAh, 300);
    exportAnswering({true, true});
    EXPECT_EQ(lastMessage(),
              "La risposta dell'unità alla memorizzazione è andata persa, ma la rilettura mostra "
              "i nuovi valori al loro posto.\n"
              "Copia della memoria dell'unità salvata in /saves/Backup/unit.ovn");
}

TEST_F(SafeExport, aCommittedExportWhoseReadBackFailsSaysTheValuesAreNotVerified) {
    unit.silentFrom = 11;  // six reads, three writes and the commit are answered
    exportAnswering({true, true});
    EXPECT_EQ(lastMessage(),
              "Dati esportati correttamente\n"
              "Rilettura non riuscita: i valori nell'unità non sono verificati.\n"
              "Copia della memoria dell'unità salvata in /saves/Backup/unit.ovn");
}

TEST_F(SafeExport, aReadBackOtherThanSentListsTheFieldsThatDiffer) {
    // A unit that keeps its own capacity whatever it is sent.
    port.setResponder([this](const Bytes& request) {
        Bytes answer = unit.answer(request);
        unit.memory[0x060] = 220 & 0xFF;
        unit.memory[0x061] = 0;
        return answer;
    });
    type(Field::capacityAh, 300);
    exportAnswering({true, true});
    ASSERT_EQ(dialogs.lists.size(), 2u);
    const frontend::ChangeList& differing = dialogs.lists.back();
    EXPECT_EQ(dialogs.boxes.back().kind, Kind::ChangeList);
    EXPECT_EQ(differing.message,
              "La rilettura dell'unità non corrisponde a quanto inviato in questi campi.\n"
              "Copia della memoria dell'unità salvata in /saves/Backup/unit.ovn");
    EXPECT_EQ(differing.beforeHeader, "Valore inviato");
    ASSERT_EQ(differing.rows.size(), 1u);
    EXPECT_EQ(differing.rows[0].after, "220 Ah");
    EXPECT_EQ(differing.rows[0].before, "300 Ah");
}

}  // namespace
}  // namespace orvane::params

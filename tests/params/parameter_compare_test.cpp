// Comparing the window with the unit: the unit's memory read as the import reads it, the
// fields that differ listed, nothing written and nothing in the window changed.
#include <gtest/gtest.h>

#include "transfer_fixture.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using Kind = testing::FakeOperator::Kind;

class Compare : public ::testing::Test, protected TransferWindow {
  protected:
    Compare() { storeInUnit(UnitSet()); }
};

TEST_F(Compare, listsTheWindowsDifferencesFromTheUnitAndWritesNothing) {
    linkControl.StartLink();
    type(Field::capacityAh, 700);  // outside its limits: compared all the same
    const ParameterSet before = set;
    compare.Bt_ConfrontaClick();

    for (const Bytes& f : port.written)
        EXPECT_EQ(f[link::FunctionByte], link::function::MemoryRead);
    EXPECT_EQ(port.written.size(), 6u);
    EXPECT_EQ(delay.waits,
              (std::vector<unsigned>{100, 3, 200, 3, 200, 3, 150, 3, 150, 3, 100, 3, 100}));
    EXPECT_FALSE(link.IsPortOpen()) << "the link stays stopped, as after an import";
    EXPECT_EQ(screen.text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(set.ConfigBlock, before.ConfigBlock);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 700);

    ASSERT_EQ(dialogs.lists.size(), 1u);
    const frontend::ChangeList& list = dialogs.lists[0];
    EXPECT_EQ(dialogs.boxes.back().kind, Kind::ChangeList);
    EXPECT_EQ(list.message, "Campi in cui la finestra differisce dall'unità:");
    EXPECT_EQ(list.beforeHeader, "Valore nell'unità");
    EXPECT_EQ(list.afterHeader, "Valore nella finestra");
    std::vector<std::string> captions;
    for (const frontend::ChangeRow& r : list.rows)
        captions.push_back(r.caption);
    // The defaults against UnitSet: its own values and its name; never the identifier,
    // which the window only shows.
    EXPECT_EQ(captions, (std::vector<std::string>{
                            "Indirizzo IP (4)", "Tipo Indirizzo", "Capacità A/h", "Tipo Batteria",
                            "Soglia Finecarica", "SOVRA Frequenza Rete Limite Iniziale Limitazione",
                            "Nome NetBIOS"}));
    EXPECT_EQ(list.rows[2].before, "220 Ah");
    EXPECT_EQ(list.rows[2].after, "700 Ah");
}

TEST_F(Compare, aWindowAsTheUnitHoldsItSaysSo) {
    importer.ImportParameters();
    compare.CompareWithUnit();
    EXPECT_TRUE(dialogs.lists.back().rows.empty());
    EXPECT_EQ(lastMessage(), "La finestra e l'unità hanno gli stessi valori.");
}

TEST_F(Compare, aFailedReadShowsNoList) {
    unit.silentFrom = 3;
    compare.CompareWithUnit();
    EXPECT_TRUE(dialogs.lists.empty());
    EXPECT_EQ(lastMessage(),
              "Confronto non riuscito: lettura della memoria dell'unità non riuscita.");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Compare, aFieldHoldingNoNumberIsRefusedBeforeThePortIsTaken) {
    typeNoNumber(Field::ipAddress2);
    compare.CompareWithUnit();
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(dialogs.boxes.back().kind, Kind::Error);
    EXPECT_EQ(lastMessage(), "Indirizzo IP: ogni ottetto deve essere un numero da 0 a 255");
}

}  // namespace
}  // namespace orvane::params

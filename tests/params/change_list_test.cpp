// The list of changes: which fields count as changed, and how each is named and shown in
// both languages, all from the field table.
#include <gtest/gtest.h>

#include "params/change_list.h"
#include "params/parameter_defaults.h"

namespace orvane::params {
namespace {

ParameterSet Defaults() {
    ParameterSet s;
    for (const BlockLayout& b : BlockLayouts)
        for (const FieldDefault& d : DefaultValues(b.block))
            s.set(d.field, d.value);
    StoreNetbiosText("ORVANE", s.NetbiosNameBlock);
    return s;
}

TEST(ChangedFields, areTheFieldsOfTheSelectedBlocksThatDifferInTableOrder) {
    const ParameterSet before = Defaults();
    ParameterSet after = before;
    after.set(Field::overFreqStart, 510);
    after.set(Field::capacityAh, 300);
    after.set(Field::ipAddress2, 7);
    after.GridServiceBlock[14] ^= 0xFF;  // a reserved byte: no field of the list
    EXPECT_EQ(ChangedFields(before, after, AllBlocks),
              (std::vector<Field>{Field::ipAddress2, Field::capacityAh, Field::overFreqStart}));
    BlockSelection noNetwork = AllBlocks;
    noNetwork[static_cast<std::size_t>(Block::Network)] = false;
    EXPECT_EQ(ChangedFields(before, after, noNetwork),
              (std::vector<Field>{Field::capacityAh, Field::overFreqStart}));
}

TEST(ChangedFields, comparesTheNameAsTextAndTakesTheOutgoingNameAsWritten) {
    const ParameterSet before = Defaults();
    ParameterSet collected = before;
    // Bytes behind the terminator are no part of the name.
    collected.OutgoingNetbiosName = before.NetbiosNameBlock;
    collected.OutgoingNetbiosName[15] = 'X';
    EXPECT_TRUE(ChangedFields(before, AsWritten(collected), AllBlocks).empty());
    StoreNetbiosText("OTHER", collected.OutgoingNetbiosName);
    EXPECT_EQ(ChangedFields(before, AsWritten(collected), AllBlocks),
              (std::vector<Field>{Field::netbiosName}));
}

TEST(ChangeRows, nameAndShowEachKindOfFieldInBothLanguages) {
    ParameterSet s = Defaults();
    s.set(Field::ipAddress4, 77);
    s.set(Field::staticAddress, 1);
    s.set(Field::batteryType, 6);
    s.set(Field::insertionDelayMs, 250);
    s.set(Field::overFreqLimitEnabled, 1);
    s.set(Field::endChargeDividerWinter, 500);
    s.set(Field::batteryBlockTemperature, 450);
    s.set(Field::inverterType, 200);  // no entry stands for it
    struct Case {
        Field field;
        int language;
        const char* caption;
        const char* value;
    };
    for (const Case& c : {
             Case{Field::ipAddress4, catalogue::Italian, "Indirizzo IP (4)", "77"},
             {Field::staticAddress, catalogue::Italian, "Tipo Indirizzo", "Statico"},
             {Field::staticAddress, catalogue::English, "Address Type", "Static"},
             {Field::batteryType, catalogue::English, "Battery Type", "Pylontech Li-Fo-Po4"},
             {Field::inverterType, catalogue::Italian, "Tipo Inverter", "200"},
             {Field::insertionDelayMs, catalogue::Italian,
              "Tempo Ritardo Inserimento Limitazioni in Frequenza", "250 ms"},
             {Field::overFreqLimitEnabled, catalogue::Italian, "SOVRA Frequenza Rete Abilitazione",
              "Sì"},
             {Field::overFreqLimitEnabled, catalogue::English, "Grid OVER Frequency Enable", "Yes"},
             {Field::endChargeDividerWinter, catalogue::English,
              "Current Divider End Charge C/ (Winter mode)", "500"},
             {Field::batteryBlockTemperature, catalogue::Italian,
              "Soglia Temperatura Batteria Blocco", "450 \u00B0C*10"},
             {Field::equalizationMinutesSummer, catalogue::Italian,
              "Minuti Equalizzazione (Modalità Estate)", "0 min"},
             {Field::netbiosName, catalogue::Italian, "Nome NetBIOS", "ORVANE"},
         }) {
        const catalogue::Language language{c.language};
        const Field one[] = {c.field};
        const std::vector<frontend::ChangeRow> rows = ChangeRows(Defaults(), s, one, language);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].caption, c.caption) << Describe(c.field).name;
        EXPECT_EQ(rows[0].after, c.value) << Describe(c.field).name;
    }
}

}  // namespace
}  // namespace orvane::params

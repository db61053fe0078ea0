#include "model/History.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;

TEST(History, NamesEachKindOfStep)
{
    const Config base = test::exampleConfig(20, 2);
    const struct {
        void (*change)(Installation &);
        const char *name;
        bool merges;
    } cases[] = {
        {[](Installation &i) { i.BolgeNo(1, 1) = 9; }, "Zone of Loop 1 address 001", true},
        {[](Installation &i) { i.CikisHata(1, 2) = 4, i.CikisYangin(1, 2) = 0; }, "Output event of Loop 1 address 002",
         true},
        {[](Installation &i) { i.CihazTipi(1, 9) = 1; }, "Save Loop 1 address 009", false},
        {[](Installation &i) { i.removeDevice(4, 127); }, "Delete Loop 4 address 127", false},
        {[](Installation &i) { i.BolgeNo(1, 1) = 9, i.MahalText(1, 1) = "x"; }, "Loop 1 address 001", false},
        {[](Installation &i) {
             for (int a = 10; a < 50; ++a)
                 i.CihazTipi(2, a) = 2;
         },
         "Add 40 devices", false},
        {[](Installation &i) { i.SSsayisi = 3, i.SSismi(3) = "Kat1"; }, "Store cause-effect 'Kat1'", false},
        {[](Installation &i) { i.SSsayisi = 1; }, "Delete cause-effect 'Rule2'", false},
        {[](Installation &i) { i.PanelAdi = "B"; }, "Panel data", false},
    };
    for (const auto &c : cases) {
        Installation after = base;
        c.change(after);
        QString key;
        EXPECT_EQ(describeChange(base, after, &key), c.name);
        EXPECT_EQ(!key.isEmpty(), c.merges) << c.name;
    }
}

TEST(History, UndoRedoMergeAndTheVersionStays)
{
    Installation i = test::exampleConfig(20, 1);
    const Installation opened = i;
    History h;
    h.reset(i);
    i.McuVersiyon = 15;  // a choice of the run, never a step
    h.record(i);
    EXPECT_FALSE(h.canUndo());
    for (int zone : {5, 6, 7})  // one control, one device: one step
        i.BolgeNo(1, 1) = zone, h.record(i);
    i.MahalText(1, 1) = "Hall";
    h.record(i);
    EXPECT_EQ(h.undoLabel(), "Location of Loop 1 address 001");
    h.undo();
    EXPECT_EQ(h.undoLabel(), "Zone of Loop 1 address 001");
    Installation back = h.undo();
    back.McuVersiyon = 20;
    EXPECT_TRUE(back == opened && !h.canUndo());
    EXPECT_EQ(h.redo().BolgeNo(1, 1), 7);
    i = h.redo();
    EXPECT_EQ(i.MahalText(1, 1), "Hall");
    i = h.undo();
    i.BolgeNo(2, 5) = 1;  // a new step drops what could be redone
    h.record(i);
    EXPECT_TRUE(!h.canRedo() && h.undoLabel() == "Zone of Loop 2 address 005");
}

#include "core/model/History.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;

TEST(History, NamesEachKindOfStep)
{
    const Config base = test::exampleConfig(20, 2);
    const std::pair<void (*)(Installation &), const char *> cases[] = {
        {[](Installation &i) { i.BolgeNo(1, 1) = 9; }, "Zone of Loop 1 address 001"},
        {[](Installation &i) { i.CikisHata(1, 2) = 4, i.CikisYangin(1, 2) = 0; }, "Output event of Loop 1 address 002"},
        {[](Installation &i) { i.CihazTipi(1, 9) = 1; }, "Save Loop 1 address 009"},
        {[](Installation &i) { i.removeDevice(4, 127); }, "Delete Loop 4 address 127"},
        {[](Installation &i) { i.BolgeNo(1, 1) = 9, i.MahalText(1, 1) = "x"; }, "Loop 1 address 001"},
        {[](Installation &i) { i.CihazTipi(2, 10) = i.CihazTipi(2, 11) = 2; }, "Add 2 devices"},
        {[](Installation &i) { i.SSsayisi = 3, i.SSismi(3) = "Kat1"; }, "Store cause-effect 'Kat1'"},
        {[](Installation &i) { i.SSsayisi = 1; }, "Delete cause-effect 'Rule2'"},
        {[](Installation &i) { i.PanelAdi = "B"; }, "Panel data"},
    };
    for (const auto &[change, name] : cases) {
        Installation after = base;
        change(after);
        QString key;
        const QString described = describeChange(base, after, &key);
        // Only a change of one field of one device may merge with the next.
        EXPECT_EQ(described + (key.isEmpty() ? "" : " +"),
                  QString::fromLatin1(name) + (QString::fromLatin1(name).contains(" of ") ? " +" : ""));
    }
}

TEST(History, UndoRedoMergeAndTheVersionStays)
{
    Installation i = test::exampleConfig(0, 1);  // steps leave the version out
    const Installation opened = i;
    History h;
    h.reset(i);
    i.McuVersiyon = 15;         // a choice of the run, never a step
    for (int zone : {5, 6, 7})  // one control, one device: one step
        i.BolgeNo(1, 1) = zone, h.record(i);
    i.MahalText(1, 1) = "Hall", h.record(i);
    const QString top = h.undoLabel();
    h.undo();
    const QString below = h.undoLabel();
    EXPECT_TRUE(h.undo() == opened && !h.canUndo());
    EXPECT_EQ((QStringList{top, below, QString::number(h.redo().BolgeNo(1, 1)), h.redo().MahalText(1, 1)}),
              (QStringList{"Location of Loop 1 address 001", "Zone of Loop 1 address 001", "7", "Hall"}));
    i = h.undo();
    i.BolgeNo(2, 5) = 1, h.record(i);  // a new step drops what could be redone
    EXPECT_TRUE(!h.canRedo() && h.undoLabel() == "Zone of Loop 2 address 005");

    // Past the limit the oldest steps go, and the history says so until it starts afresh.
    h.reset(i);
    QList<bool> dropped;
    for (std::size_t n = 0; n <= History::kMaxSteps; ++n)
        i.BolgeNo(1, 1) = int(n % 2) + 1, h.record(i, QStringLiteral("Step")), dropped << h.droppedSteps();
    std::size_t undone = 0;
    for (; h.canUndo(); ++undone)
        h.undo();
    EXPECT_TRUE(!dropped[History::kMaxSteps - 1] && dropped.last() && undone == History::kMaxSteps);
    h.reset(i);
    EXPECT_FALSE(h.droppedSteps());
}

// Progress window: ProgressStart and the status protocol of meter operations.
#include "Clock.h"
#include "TProgresForm.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {
std::vector<QString> visibleLines(const TProgresForm& f) {
    std::vector<QString> out;
    for (QLabel* l : {f.LabSearch, f.LabNodevice, f.LabImport, f.LabError, f.LabelOK, f.LabelFTDI})
        if (l->isVisibleTo(&f))
            out.push_back(l->objectName());
    return out;
}
using Lines = std::vector<QString>;
} // namespace

TEST(ProgressWindow, ProgressStartClearsEveryLineAndTheBar) {
    TProgresForm form;
    // As created: "Searching" and "Transfer error" are showing.
    EXPECT_EQ(visibleLines(form), (Lines{"LabSearch", "LabError"}));

    form.ProgressBar1->setValue(70);
    form.ProgressStart();
    EXPECT_TRUE(visibleLines(form).empty());
    EXPECT_EQ(form.ProgressBar1->value(), 0);
    EXPECT_FALSE(form.isVisible()); // hidden stays hidden

    form.show();
    form.LabelOK->show();
    form.ProgressBar1->setValue(100);
    form.ProgressStart();
    EXPECT_TRUE(form.isVisible()); // shown stays shown
    EXPECT_TRUE(visibleLines(form).empty());
    EXPECT_EQ(form.ProgressBar1->value(), 0);
}

TEST(ProgressWindow, StatusProtocolShowsOneLineAtATime) {
    ManualClock clock;
    TProgresForm form;

    form.ProgressBar1->setValue(40);
    form.beginSearch();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(visibleLines(form), (Lines{"LabSearch"}));
    EXPECT_EQ(form.ProgressBar1->value(), 0);

    // Not found: "Device not connected" for two seconds, then hidden.
    form.endNoDevice(clock);
    EXPECT_EQ(clock.nowMs(), 2000);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(visibleLines(form), (Lines{"LabNodevice"}));

    struct Ending {
        bool ok;
        const char* line;
    };
    for (const Ending e : {Ending{true, "LabelOK"}, Ending{false, "LabError"}}) {
        const qint64 before = clock.nowMs();
        form.beginSearch();
        form.beginTransfer();
        EXPECT_EQ(visibleLines(form), (Lines{"LabImport"}));
        EXPECT_EQ(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                 : Qt::ArrowCursor,
                  Qt::WaitCursor);
        form.endTransfer(e.ok, clock);
        EXPECT_EQ(visibleLines(form), (Lines{e.line}));
        EXPECT_EQ(clock.nowMs() - before, 2000);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

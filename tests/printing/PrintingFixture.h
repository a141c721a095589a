#pragma once
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"

#include <gtest/gtest.h>

// Every printing test starts from the program's start state: default settings and role fonts, no job,
// no batch, no preview window.
class PrintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (JobActive())
            AbandonDocument();
        CreateRoleFonts();
        ForgetPrintSettingsLoaded();
        SetBatchPrinting(false);
        SetPreviewPresenter(nullptr);
    }
    void TearDown() override
    {
        if (JobActive())
            AbandonDocument();
        SetPreviewPresenter(nullptr);
    }
};

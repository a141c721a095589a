#include "TestRoot.h"

#include "platform/Registry.h"
#include "platform/RootFolder.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TestRoot> g_root;
}

TestRoot::TestRoot()
    : dialogs_(std::make_shared<ScriptedDialogs>()), clock_(std::make_shared<FixedClock>(DefaultNow()))
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary root folder");
    ForgetRegistryStores();
    SetRootFolder(dir_.path());
    InstallDialogs(dialogs_);
    InstallClock(clock_);
}

TestRoot::~TestRoot()
{
    InstallDialogs(nullptr);
    InstallClock(nullptr);
    ForgetRegistryStores();
}

TestRoot& CurrentTestRoot()
{
    if (!g_root)
        g_root = std::make_unique<TestRoot>();
    return *g_root;
}

void StartTestRoot() { g_root = std::make_unique<TestRoot>(); }

void EndTestRoot()
{
    if (g_root && g_root->Dialogs().PendingAnswers() > 0)
        ADD_FAILURE() << g_root->Dialogs().PendingAnswers() << " queued dialog answer(s) were never asked for";
    g_root.reset();
}

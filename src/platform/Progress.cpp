#include "platform/Progress.h"

namespace {
class SilentProgress : public ProgressSink {
public:
    void ShowStatus(const QString&) override {}
    void ShowProgress(qint64, qint64) override {}
    void EndStatus() override {}
    void SetCursor(int) override {}
};

std::shared_ptr<ProgressSink>& Installed()
{
    static std::shared_ptr<ProgressSink> sink = std::make_shared<SilentProgress>();
    return sink;
}

QString g_lastStatus;
}  // namespace

void InstallProgress(std::shared_ptr<ProgressSink> sink)
{
    Installed() = sink ? std::move(sink) : std::make_shared<SilentProgress>();
}

ProgressSink& Progress() { return *Installed(); }

void ShowStatus(const QString& text)
{
    g_lastStatus = text;
    Progress().ShowStatus(text);
}

void ShowProgress(qint64 position, qint64 maximum) { Progress().ShowProgress(position, maximum); }
void EndStatus() { Progress().EndStatus(); }
void SetProgramCursor(int number) { Progress().SetCursor(number); }
QString LastStatusText() { return g_lastStatus; }

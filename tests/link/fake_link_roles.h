#pragma once
// Stand-ins for everything the scheduler and port detection ask of the program around them;
// posted turns are counted and run by the test itself.

#include "link/com_port_error.h"
#include "link/job_scheduler.h"
#include "link/port_detector.h"

#include <QStringList>
#include <array>
#include <set>
#include <vector>

class FakePort : public SerialChannel {
public:
    std::set<int> present;
    // Ports that connect in the background; the test ends the connecting.
    std::set<int> remote;
    int number = 0;
    bool open = true;
    bool opening = false;
    int ComNumber() const override { return number; }
    void SetComNumber(int n) override { number = n; }
    void Open() override {
        if (!present.contains(number))
            throw ComPortError(QStringLiteral("Invalid port number (COM%1)").arg(number));
        if (remote.contains(number))
            opening = true;
        else
            open = true;
    }
    void Close() override { open = opening = false; }
    bool Active() const override { return open; }
    bool Opening() const override { return opening; }
    bool Remote() const override { return remote.contains(number); }
    void Connected(bool ok) {
        opening = false;
        open = ok;
        if (ok)
            OnOpenCompleted();
        else
            OnOpenFailed(QStringLiteral("Can't open device COM%1").arg(number));
    }
    std::vector<std::vector<uint8_t>> written;
    void WriteData(const void* data, int count) override {
        const auto* bytes = static_cast<const uint8_t*>(data);
        written.emplace_back(bytes, bytes + count);
    }
};

class FakeLinkRoles : public TurnPoster,
                      public CommunicationLog,
                      public LinkEvents,
                      public PortEvents,
                      public DelayTimer,
                      public InstallationSource,
                      public TestCommandSource,
                      public FirmwareChunkSource {
public:
    int nextJobPosts = 0;
    int detectPortPosts = 0;
    QStringList log;
    int progress = 0;
    int linkAnswers = 0;
    QStringList events;
    int delayMs = 0; // 0 while stopped
    int installationMode = 0;
    bool testMode = false;
    TestCommandWords testCommand{};
    uint16_t uploadAddress = 0x5000;
    std::array<uint8_t, 128> chunk{};

    void PostNextJob() override { ++nextJobPosts; }
    void PostDetectPort() override { ++detectPortPosts; }
    void KomStsLog(const QString& text, bool append, bool replace) override {
        if ((append || replace) && !log.isEmpty())
            log.last() = replace ? text : log.last() + text;
        else
            log.append(text);
    }
    void AdvanceProgress(int step) override { progress += step; }
    void LinkAnswered(uint8_t) override { ++linkAnswers; }
    void LinkLost() override { events << QStringLiteral("down"); }
    void PortTried(int port) override { events << QStringLiteral("trying %1").arg(port); }
    void PortOpened(int port) override { events << QStringLiteral("open %1").arg(port); }
    void PortOpenFailed(int port, const QString& text) override {
        events << QStringLiteral("fail %1 %2").arg(port).arg(text);
    }
    void PortClosed(int port) override { events << QStringLiteral("close %1").arg(port); }
    void Start(int intervalMs) override { delayMs = intervalMs; }
    void Stop() override { delayMs = 0; }
    int InstallationMode() const override { return installationMode; }
    bool TestMode() const override { return testMode; }
    TestCommandWords TestCommand() const override { return testCommand; }
    uint16_t UploadAddress() const override { return uploadAddress; }
    const uint8_t* FirmwareChunk() const override { return chunk.data(); }

    SchedulerRoles Scheduler(const SerialChannel& port) {
        return {port, *this, *this, *this, *this, *this, *this, *this};
    }
    DetectorRoles Detector() { return {*this, *this, *this, *this}; }
};

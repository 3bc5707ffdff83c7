#pragma once
// Records what the scheduler asks of the window; posted turns are run by the test itself.

#include "link/scheduler_host.h"

#include <QStringList>
#include <array>

class FakeSchedulerHost : public SchedulerHost {
public:
    bool portOpen = true;
    int nextJobPosts = 0;
    int detectPortPosts = 0;
    QStringList log;
    int progress = 0;
    int linkAnswers = 0;
    int restarts = 0;
    int installationMode = 0;
    bool testMode = false;
    QString slaveFirmwareCode = QStringLiteral("----");
    uint16_t masterGates = 0;
    uint16_t slaveGates = 0;
    uint8_t fanPower = 0;
    uint16_t uploadAddress = 0x5000;
    std::array<uint8_t, 128> chunk{};

    bool PortOpen() const override { return portOpen; }
    void PostNextJob() override { ++nextJobPosts; }
    void PostDetectPort() override { ++detectPortPosts; }
    void KomStsLog(const QString& text, bool append, bool replace) override {
        if ((append || replace) && !log.isEmpty())
            log.last() = replace ? text : log.last() + text;
        else
            log.append(text);
    }
    void AdvanceProgress(int step) override { progress += step; }
    void AnswerAddressByte(uint8_t) override {}
    void LinkAnswered() override { ++linkAnswers; }
    void RestartCommandDone() override { ++restarts; }
    int ActiveInstallationMode() const override { return installationMode; }
    bool IsInTestMode() const override { return testMode; }
    QString SlaveFirmware() const override { return slaveFirmwareCode; }
    uint16_t MasterTestGateBits() const override { return masterGates; }
    uint16_t SlaveTestGateBits() const override { return slaveGates; }
    uint8_t TestFanPower() const override { return fanPower; }
    uint16_t UploadAddress() const override { return uploadAddress; }
    const uint8_t* FirmwareChunk() const override { return chunk.data(); }
};

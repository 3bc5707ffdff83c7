#pragma once
// What the job scheduler needs of the window around it: posting the next turn, the log,
// the link display, and the few settings of other parts it reads.

#include <QString>
#include <cstdint>

class SchedulerHost {
public:
    virtual ~SchedulerHost() = default;

    virtual bool PortOpen() const = 0;
    // Queued: the turn runs later, from the event loop.
    virtual void PostNextJob() = 0;
    virtual void PostDetectPort() = 0;

    virtual void KomStsLog(const QString& text, bool append, bool replace) = 0;
    virtual void AdvanceProgress(int step) = 0;
    // After every valid answer: its address byte, then the link is up.
    virtual void AnswerAddressByte(uint8_t address) = 0;
    virtual void LinkAnswered() = 0;
    // The restart command is out, answered or not: give the unit time before the next turn.
    virtual void RestartCommandDone() = 0;

    virtual int ActiveInstallationMode() const = 0;
    virtual bool IsInTestMode() const = 0;
    virtual QString SlaveFirmware() const = 0;
    // Test buttons pressed, bit i for gate i + 1 of the unit.
    virtual uint16_t MasterTestGateBits() const = 0;
    virtual uint16_t SlaveTestGateBits() const = 0;
    // 0 to 255; 0 while the fan is stopped.
    virtual uint8_t TestFanPower() const = 0;

    virtual uint16_t UploadAddress() const = 0;
    // The 128 image bytes of the firmware chunk at the upload address.
    virtual const uint8_t* FirmwareChunk() const = 0;
};
